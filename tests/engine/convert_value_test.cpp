#include "engine_test_support.h"

#include "engine/convert_value.h"
#include "engine/drop_frame.h"
#include "engine/written_value.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

using namespace quillet;
using namespace quillet::testing;

namespace {

std::int64_t Convert(int from, std::int64_t value, int to)
{
    return ConvertValue(ListedFormat(from), value, ListedFormat(to));
}

} // namespace

TEST(ConvertValue, RulesByRate)
{
    struct Case { const char* name; int from; std::int64_t value; int to; std::int64_t result; } cases[] = {
        {"same rate keeps the count", kDropFrame, 107892, kNtscFrames, 107892},
        {"NTSC to film: four frames for five", kNtscFrames, 100, kFilmFrames, 80},
        {"film to NTSC: five frames for four", kFilmFrames, 80, kNtscFrames, 100},
        {"30 fps to PAL", kFps30Frames, 99, kPalFrames, 79},
        {"PAL to 30 fps", kPal, 3, kFps30Frames, 3},
        {"drop-frame hour is a real-time hour", kDropFrame, 107892, kRealTime, 360000},
        {"non-drop hour runs 3.6 s long", kNtscNd, 108000, kRealTime, 360360},
        {"PAL to real time", kPal, 25, kRealTime, 100},
        {"film to real time truncates", kFilmFrames, 1, kRealTime, 4},
        {"30 fps to real time", kFps30Frames, 30, kRealTime, 100},
        {"real time to NTSC through the label", kRealTime, 360000, kDropFrame, 107892},
        {"real time to film", kRealTime, 100, kFilmFrames, 24},
        {"real time to 30 fps", kRealTime, 100, kFps30Frames, 30},
        {"PAL frames to film frames keep the count", kPalFrames, 100, kFilmFrames, 100},
        {"film to PAL keeps the count", k35mm, 100, kPal, 100},
        {"an hour at 29.97 is an hour at 30 fps", kDropFrame, 107892, kFps30Frames, 108000},
        {"an hour at 30 fps is an hour at 29.97", kFps30Frames, 108000, kDropFrame, 107892},
        {"negative values convert by magnitude", kNtscFrames, -1800, kRealTime, -6006},
        {"59.94 meets 60 fps through its own labels", k5994Df, 215785, k60Fps, 216001},
        {"60 fps meets 59.94 through its labels", k60Fps, 216001, k5994Ndf, 215785},
        {"30 fps meets 59.94 at half a 60 fps count", k30Fps, 1802, k5994Df, 3600},
        {"real time to 23.976 truncates", kRealTime, 100, k23976, 23},
        {"23.976 to 30 fps truncates its NTSC count first", k23976, 3, k30Fps, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Convert(c.from, c.value, c.to), c.result);
    }
}

TEST(ConvertValue, VideoAndThirtyFramesRoundTripExactly)
{
    for (std::int64_t frames = 0; frames <= 2589407; frames += 7 * SweepStride()) {
        if (Convert(kFps30Frames, Convert(kNtscFrames, frames, kFps30Frames), kNtscFrames) != frames)
            FAIL() << frames;
        // 29.97 -> 30 -> real time agrees with 29.97 -> real time.
        if (Convert(kFps30Frames, Convert(kNtscFrames, frames, kFps30Frames), kRealTime) !=
            Convert(kNtscFrames, frames, kRealTime))
            FAIL() << frames;
    }
}

TEST(ConvertValue, FormatsOfEqualRateAndShareKeepTheCount)
{
    for (int from = 0; from < kListedFormatCount; ++from)
        for (int to = 0; to < kListedFormatCount; ++to) {
            const TimecodeFormat& a = ListedFormat(from);
            const TimecodeFormat& b = ListedFormat(to);
            if (a.rate != b.rate || a.familyNumerator * b.familyDenominator != b.familyNumerator * a.familyDenominator)
                continue;
            for (std::int64_t value : {0LL, 1LL, 1799LL, 1800LL, 17982LL, 2589407LL, 99999999LL})
                EXPECT_EQ(Convert(from, value, to), value) << from << " -> " << to;
        }
}

TEST(ConvertValue, ProductsBeyondThirtyTwoBitsDoNotWrap)
{
    EXPECT_EQ(Convert(kFilmFrames, INT32_MAX, kRealTime), std::int64_t{INT32_MAX} * 100 / 24);
    EXPECT_EQ(Convert(kNtscFrames, INT32_MAX, kRealTime), FramesToLabel(INT32_MAX) * 100 / 30);
    EXPECT_EQ(Convert(kRealTime, INT32_MIN, kFps30Frames), std::int64_t{INT32_MIN} * 30 / 100);
}

namespace {

// One line per conversion: the source text, the converted value and the text
// shown in the target format. `pairs` picks the pairs of list positions.
template <typename Pairs>
std::string ConversionMatrix(std::initializer_list<std::int64_t> values, Pairs pairs)
{
    std::ostringstream out;
    for (int from = 0; from < kListedFormatCount; ++from)
        for (std::int64_t value : values) {
            const FormattedValue source = FormatValue(ListedFormat(from), value);
            const std::string sourceText = DigitsToText(ListedFormat(from), source.digits);
            for (int to = 0; to < kListedFormatCount; ++to) {
                if (!pairs(from, to)) continue;
                const std::int64_t converted = Convert(from, value, to);
                const FormattedValue target = FormatValue(ListedFormat(to), converted);
                out << ListedFormat(from).name << ' ' << value << ' ' << (source.cannotBeShown ? "E" : "")
                    << sourceText << " -> " << ListedFormat(to).name << ' ' << converted << ' '
                    << (target.cannotBeShown ? "E" : "") << DigitsToText(ListedFormat(to), target.digits)
                    << '\n';
            }
        }
    return out.str();
}

// Compares with a reviewed file in tests/engine; QUILLET_UPDATE_GOLDEN=1 rewrites it.
void ExpectGolden(const char* name, const std::string& actual)
{
    std::string path = QUILLET_SOURCE_DIR;
    path.append("/tests/engine/").append(name);
    if (std::getenv("QUILLET_UPDATE_GOLDEN") != nullptr) {
        std::ofstream(path) << actual;
        GTEST_SKIP() << "rewrote " << path;
    }
    std::ifstream file(path);
    ASSERT_TRUE(file) << "missing " << path << "; run with QUILLET_UPDATE_GOLDEN=1 and review it";
    std::stringstream expected;
    expected << file.rdbuf();
    std::istringstream want(expected.str()), got(actual);
    std::string wantLine, gotLine;
    for (int line = 1; std::getline(want, wantLine); ++line) {
        ASSERT_TRUE(std::getline(got, gotLine)) << "matrix ends early at line " << line;
        ASSERT_EQ(gotLine, wantLine) << "line " << line;
    }
    EXPECT_FALSE(std::getline(got, gotLine)) << "matrix has extra lines";
}

} // namespace

TEST(ConvertValue, EveryPairOfTheElevenMatchesTheReviewedMatrix)
{
    ExpectGolden("conversion_matrix.golden",
                 ConversionMatrix({0, 1, 2, 29, 30, 1799, 1800, 1801, 17981, 17982, 107892, 108000, 2589407, 2592000,
                                   8639999, 39999999, 99999999},
                                  [](int from, int to) { return from < kBaseFormatCount && to < kBaseFormatCount; }));
}

TEST(ConvertValue, EveryPairWithAFrameRateBeyondTheElevenMatchesTheReviewedMatrix)
{
    ExpectGolden("conversion_matrix_more_rates.golden",
                 ConversionMatrix({0, 1, 24, 60, 3599, 3600, 35964, 86400, 180000, 215784, 216000, 5178815, 99999999},
                                  [](int from, int to) {
                                      return (from >= kBaseFormatCount || to >= kBaseFormatCount) &&
                                             from < kFirstRateCount && to < kFirstRateCount;
                                  }));
}

TEST(ConvertValue, EveryPairWithAFrameCountOfTodaysRatesMatchesTheReviewedMatrix)
{
    ExpectGolden("conversion_matrix_rate_counts.golden",
                 ConversionMatrix({0, 1, 24, 60, 3599, 3600, 35964, 86400, 180000, 215784, 216000, 5178815, 99999999},
                                  [](int from, int to) {
                                      return (from >= kFirstRateCount || to >= kFirstRateCount) && from != kSeconds &&
                                             to != kSeconds;
                                  }));
}

// 59.94 DF counts through 59.94 frames as Drop Frame through NTSC frames.
TEST(ConvertValue, FiftyNineNinetyFourDropFrameCountsThroughItsOwnFrames)
{
    struct Case { const char* label; std::int64_t frames; } cases[] = {
        {"01:23:45;30", 301230}, {"00:01:00;04", 3600}, {"00:10:00;00", 35964},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const WrittenValue label = ReadWrittenValue(c.label, ListedFormat(k5994Df), {false, false});
        ASSERT_EQ(label.fault, WrittenFault::kNone);
        EXPECT_EQ(Convert(k5994Df, label.value, k5994Frames), c.frames);
        EXPECT_EQ(Convert(k5994Frames, c.frames, k5994Df), label.value);
        EXPECT_EQ(Convert(k5994Frames, c.frames, kRealTime), Convert(k5994Df, label.value, kRealTime));
    }
}

// Seconds hold the true running time cut to the millisecond; back from them
// comes the nearest frame, halfway going to the later one. Each rate at its
// worst: a tie where the rate has exact ones, else the millisecond nearest a
// midpoint between two frames.
TEST(ConvertValue, SecondsAreTheTrueRunningTimeAndGiveTheNearestFrame)
{
    struct Case { int position; std::int64_t frames; std::int64_t milliseconds; } toSeconds[] = {
        {kNtscNd, 3015, 100600}, {kDropFrame, 107892, 3599996}, // 100.6005 s, an hour less 3.6 ms
        {k23976, 1, 41}, {k5994Frames, 1, 16}, {kRealTime, 1, 10}, {k35mm, 24, 1000},
    };
    for (const Case& c : toSeconds) {
        SCOPED_TRACE(ListedFormat(c.position).name);
        EXPECT_EQ(Convert(c.position, c.frames, kSeconds), c.milliseconds);
    }
    struct Nearest { int position; std::int64_t milliseconds; std::int64_t frames; } nearest[] = {
        {kPalFrames, 19, 0}, {kPalFrames, 20, 1}, {k50Frames, 9, 0}, {k50Frames, 10, 1}, // exact ties
        {kFps30Frames, 49, 1}, {kFps30Frames, 50, 2}, {k60Frames, 24, 1}, {k60Frames, 25, 2},
        {kFilmFrames, 104, 2}, {kFilmFrames, 105, 3}, {k48Frames, 52, 2}, {k48Frames, 53, 3}, // 1/6 ms off
        {kNtscFrames, 684, 20}, {kNtscFrames, 685, 21}, {kNtscFrames, 316, 9}, {kNtscFrames, 317, 10}, // 1/60 ms
        {k23976, 855, 20}, {k23976, 856, 21}, {k5994Frames, 342, 20}, {k5994Frames, 343, 21},
        {kRealTime, 4, 0}, {kRealTime, 5, 1}, {kNtscFrames, -684, -20}, {kPalFrames, -20, -1},
    };
    for (const Nearest& c : nearest) {
        SCOPED_TRACE(std::string{ListedFormat(c.position).name} + " " + std::to_string(c.milliseconds));
        EXPECT_EQ(Convert(kSeconds, c.milliseconds, c.position), c.frames);
    }
}

TEST(ConvertValue, EveryFrameOfADayComesBackFromSeconds)
{
    std::set<std::tuple<int, int, int>> units; // formats of one unit need one sweep
    for (int position = 0; position < kListedFormatCount; ++position) {
        const TimecodeFormat& format = ListedFormat(position);
        if (position == kSeconds || !units.insert({format.rate, format.familyNumerator, format.familyDenominator}).second)
            continue;
        SCOPED_TRACE(format.name);
        const std::int64_t day = Convert(kSeconds, 86'400'000, position);
        for (std::int64_t frames = 0; frames <= day; frames += SweepStride())
            if (Convert(kSeconds, Convert(position, frames, kSeconds), position) != frames) FAIL() << frames;
    }
    EXPECT_EQ(units.size(), 10u);
}
