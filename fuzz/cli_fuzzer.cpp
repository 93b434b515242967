// Feeds arbitrary words to quillet-calc's command-line, value and format-name
// parsers and checks that whatever they accept is well formed. Words are the
// input split at NUL bytes and newlines.
#include "cli/command_line.h"
#include "engine/words.h"
#include "engine/written_value.h"
#include "cli/format_names.h"
#include "cli/value_text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

using namespace quillet;
using namespace quillet::cli;

namespace {

constexpr int kLastPosition = static_cast<int>(kFormatAliases.size()) - 1;

void Require(bool condition)
{
    if (!condition) std::abort();
}

void CheckTyped(const TypedDigits& typed, int most)
{
    Require(typed.count >= 1 && typed.count <= most);
    for (int i = 0; i < typed.count; ++i) Require(typed.digits[i] >= '0' && typed.digits[i] <= '9');
}

void CheckWord(std::string_view word)
{
    const ValueParse multiplier = ParseMultiplierText(word);
    if (multiplier.problem == ValueProblem::kNone) CheckTyped(multiplier.typed, 4);
    else Require(!DescribeProblem(multiplier).empty());

    // A written value that reads, read again from what copy writes, is the
    // same value: in every third format, and in Seconds, the last, whose
    // decimals are read apart.
    auto readsBack = [&](int position) {
        const TimecodeFormat& format = ListedFormat(position);
        const WrittenValue written = ReadWrittenValue(word, format, {true, true});
        if (written.fault != WrittenFault::kNone) {
            Require(!WrittenFaultText(written, format).empty());
            return;
        }
        const std::string copied = EditingText(format, written.value);
        if (copied.empty()) return; // read, but too large to show
        const WrittenValue again = ReadWrittenValue(copied, format, {false, false});
        Require(again.fault == WrittenFault::kNone && again.value == written.value);
    };
    for (int position = 0; position < kLastPosition; position += 3) readsBack(position);
    readsBack(kLastPosition);

    if (const std::optional<int> position = FindFormatPosition(word)) {
        Require(*position >= 0 && *position <= kLastPosition);
        Require(FindFormatPosition(FormatNameAt(*position)) == position);
    } else {
        Require(!FormatNameProblem(word).empty());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> words;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= input.size(); ++i) {
        if (i == input.size() || input[i] == '\0' || input[i] == '\n') {
            words.push_back(input.substr(start, i - start));
            start = i + 1;
        }
    }
    for (std::string_view word : words) CheckWord(word);

    const ParsedCommandLine parsed = ParseCommandLine(words);
    if (!parsed.ok) {
        Require(!parsed.usageError.empty());
        return 0;
    }
    const Command& command = parsed.command;
    Require(command.fromPosition >= 0 && command.fromPosition <= kLastPosition);
    Require(command.toPosition >= 0 && command.toPosition <= kLastPosition);
    // Every eval value the command line let through has digits and nothing but
    // separators; convert's values are lines, judged when converted.
    const TimecodeFormat& from = ListedFormat(command.fromPosition);
    auto isValueText = [&](std::string_view text) {
        const WrittenFault fault = ReadWrittenValue(text, from, {true, true}).fault;
        return fault != WrittenFault::kNoDigits && fault != WrittenFault::kBadCharacter && fault != WrittenFault::kTooManyDigits;
    };
    for (std::size_t i = 0; i < command.steps.size(); ++i) {
        const EvalStep& step = command.steps[i];
        Require((i == 0) == (step.op == 0));
        if (step.op == '*' || step.op == '/') CheckTyped(step.typed, 4);
        else Require(isValueText(step.text));
    }
    return 0;
}
