// Keypad chains against exact arithmetic: every result the engine shows
// without "E" is the true result of the chain, and a chain that leaves the
// range the engine holds exactly shows "E" from then on.
#include "engine_test_support.h"

#include <gtest/gtest.h>

#include <random>

using namespace quillet;
using namespace quillet::testing;

namespace {

__extension__ typedef __int128 Exact; // wide enough for any chain below, checked as it goes

struct Step {
    char op;           // 0 for the first value
    std::string typed; // as typed on the keypad
};

struct Expected {
    std::string shown; // display text, "E" included
    Outcome outcome;
};

// What the display must show after the chain and a final '=': the exact
// result written in the format, with "E" when it cannot be shown, when the
// last step divided by zero, or when any step left the exact range.
Expected ExactResult(int position, const std::vector<Step>& steps)
{
    const TimecodeFormat& format = ListedFormat(position);
    Exact value = 0;
    bool beyondRange = false;
    bool divisionByZero = false;
    for (const Step& step : steps) {
        EntryDigits digits = kZeroDigits;
        std::copy(step.typed.begin(), step.typed.end(), digits.end() - 1 - step.typed.size());
        const bool plainNumber = step.op == '*' || step.op == '/';
        const Exact right = *quillet::ParseDigits(plainNumber ? ScalarFormat() : format, digits, {});
        divisionByZero = step.op == '/' && right == 0;
        switch (step.op) {
        case 0: value = right; break;
        case '+': value += right; break;
        case '-': value -= right; break;
        case '*': value *= right; break;
        case '/': value = divisionByZero ? 0 : value / right; break;
        }
        if (value > kValueLimit || value < -kValueLimit) beyondRange = true;
    }
    if (beyondRange) return {"E", Outcome::kCannotBeShown};
    const FormattedValue written = FormatValue(format, static_cast<std::int64_t>(value));
    std::string shown = DigitsToText(format, written.digits) + ' ';
    Outcome outcome = divisionByZero ? Outcome::kDivisionByZero
                      : written.cannotBeShown ? Outcome::kCannotBeShown
                                              : Outcome::kDone;
    if (outcome != Outcome::kDone) shown[0] = 'E';
    return {shown, outcome};
}

// Types the chain into IN in `position` and ends it with '='.
std::pair<std::string, Outcome> Keypad(int position, const std::vector<Step>& steps)
{
    Calculator calc;
    calc.engine.SetRegisterFormat(kIn, position);
    Outcome outcome = Outcome::kDone;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        for (char c : steps[i].typed) calc.engine.KeyIn(c);
        outcome = calc.engine.ApplyOperator(i + 1 < steps.size() ? steps[i + 1].op : '=', false);
    }
    return {calc.Shown(kIn), outcome};
}

void ExpectExact(int position, const std::vector<Step>& steps)
{
    const Expected expected = ExactResult(position, steps);
    const auto [shown, outcome] = Keypad(position, steps);
    EXPECT_EQ(outcome, expected.outcome);
    if (expected.shown == "E") EXPECT_EQ(shown[0], 'E') << shown;
    else EXPECT_EQ(shown, expected.shown);
}

} // namespace

TEST(ExactChain, NamedChains)
{
    struct Case { const char* name; int position; std::vector<Step> steps; } cases[] = {
        {"out of range and back is still an error", kNtscFrames,
         {{0, "10000000"}, {'*', "9999"}, {'*', "9999"}, {'/', "9999"}, {'/', "9999"}}},
        {"past 32 bits and back is exact", kNtscFrames, {{0, "99999999"}, {'*', "9999"}, {'/', "9999"}}},
        {"an operand that cannot be shown leaves no E on the result", kNtscNd,
         {{0, "99999999"}, {'-', "81459258"}}},
        {"below zero and back", kNtscFrames, {{0, "5"}, {'-', "10"}, {'+', "20"}}},
        {"far beyond the range stays an error", kNtscFrames,
         {{0, "99999999"}, {'*', "9999"}, {'*', "9999"}, {'*', "9999"}, {'*', "9999"}, {'-', "99999999"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectExact(c.position, c.steps);
    }
}

TEST(ExactChain, RandomChainsInEveryFormatAgreeWithExactArithmetic)
{
    std::mt19937 random(20261208);
    auto digits = [&](int most) {
        std::string text(std::uniform_int_distribution<int>(1, most)(random), '0');
        for (char& c : text) c = static_cast<char>('0' + std::uniform_int_distribution<int>(0, 9)(random));
        return text;
    };
    for (int position = 0; position < kListedFormatCount; ++position) {
        SCOPED_TRACE(ListedFormat(position).name);
        for (int chain = 0; chain < 300; ++chain) {
            std::vector<Step> steps{{0, digits(8)}};
            const int length = std::uniform_int_distribution<int>(1, 7)(random);
            for (int i = 0; i < length; ++i) {
                const char op = "+-*/"[std::uniform_int_distribution<int>(0, 3)(random)];
                steps.push_back({op, digits(op == '*' || op == '/' ? 4 : 8)});
            }
            ExpectExact(position, steps);
            if (::testing::Test::HasFailure()) return; // one chain tells the story
        }
    }
}
