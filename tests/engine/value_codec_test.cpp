#include "engine_test_support.h"

#include "engine/drop_frame.h"
#include "engine/value_codec.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace quillet;
using namespace quillet::testing;

namespace {

EntryDigits Digits(const char* eight)
{
    EntryDigits digits{};
    std::memcpy(digits.data(), eight, 8);
    return digits;
}

struct ReadCase {
    const char* name;
    int position;
    const char* digits;
    EntryOptions options;
    std::optional<std::int32_t> value;
};

constexpr EntryOptions kBoth{true, true};
constexpr EntryOptions kNoOverflow{false, true};
constexpr EntryOptions kNoBump{true, false};

} // namespace

TEST(ValueCodec, ReadingEntries)
{
    const ReadCase cases[] = {
        {"first frame of a dropping minute bumps to 02", kDropFrame, "00010000", kBoth, 1800},
        {"frame 01 bumps to 03", kDropFrame, "00010001", kBoth, 1801},
        {"dropped label fails without bump-up", kDropFrame, "00010000", kNoBump, std::nullopt},
        {"frame 01 fails without bump-up", kDropFrame, "00010001", kNoBump, std::nullopt},
        {"tenth minute drops nothing", kDropFrame, "00100000", kNoBump, 17982},
        {"last frame before the first drop", kDropFrame, "00005929", kNoBump, 1799},
        {"overflowed minute 70 counts as a tenth minute", kDropFrame, "00700000", kNoBump, LabelToFrames(70 * 1800)},
        // Fields carry first; the dropped-label rule then applies to the carried label.
        {"frames 30 carry into the dropped label 00:01:00.00", kDropFrame, "00005930", kBoth, 1800},
        {"seconds 60 carry into the dropped label 00:01:00.00", kDropFrame, "00006000", kBoth, 1800},
        {"seconds 60 frame 01 carry into 00:01:00.01", kDropFrame, "00006001", kBoth, 1801},
        {"carried into a dropped label fails without bump-up", kDropFrame, "00005930", kNoBump, std::nullopt},
        {"seconds 60 fail without bump-up too", kDropFrame, "00006000", kNoBump, std::nullopt},
        {"frames 32 carry past the dropped labels", kDropFrame, "00005932", kNoBump, 1800},
        {"59.94: labels 00 to 03 bump up by four", k5994Df, "00010000", kBoth, 3600},
        {"59.94: label 03 bumps to 07", k5994Df, "00010003", kBoth, 3603},
        {"59.94: label 04 is the first frame", k5994Df, "00010004", kNoBump, 3600},
        {"59.94: label 03 fails without bump-up", k5994Df, "00010003", kNoBump, std::nullopt},
        {"59.94: frames 60 carry into a dropped label", k5994Df, "00005960", kBoth, 3600},
        {"59.94: one hour", k5994Df, "01000000", kBoth, 215784},
        {"59.94 non-drop frame 59 reads", k5994Ndf, "00000059", kNoOverflow, 59},
        {"23.976 frame 24 fails without overflow", k23976, "00000024", kNoOverflow, std::nullopt},
        {"one hour drop-frame", kDropFrame, "01000000", kBoth, 107892},
        {"one hour non-drop", kNtscNd, "01000000", kBoth, 108000},
        {"90 seconds overflow into minutes", kNtscNd, "00009000", kBoth, 90 * 30},
        {"60 seconds fail without overflow", kNtscNd, "00006000", kNoOverflow, std::nullopt},
        {"60 seconds read as a minute with overflow", kNtscNd, "00006000", kBoth, 1800},
        {"25 hours read with overflow", kNtscNd, "25000000", kBoth, 25 * 108000},
        {"hour 24 fails without overflow", kNtscNd, "24000000", kNoOverflow, std::nullopt},
        {"PAL frame 25 fails without overflow", kPal, "00000025", kNoOverflow, std::nullopt},
        {"PAL frame 24 reads", kPal, "00000024", kNoOverflow, 24},
        {"16mm feet and frames", k16mm, "00000100", kBoth, 40},
        {"16mm frame 40 fails without overflow", k16mm, "00000040", kNoOverflow, std::nullopt},
        {"35mm frame 16 fails without overflow", k35mm, "00000016", kNoOverflow, std::nullopt},
        {"key code frame 19 reads", k16mm20, "00000119", kNoOverflow, 39},
        {"hundredths", kRealTime, "00010005", kNoOverflow, 6005},
        {"largest real time", kRealTime, "99999999", kBoth, 36243999},
        {"frame counts take all eight digits", kNtscFrames, "99999999", kNoOverflow, 99999999},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ParseDigits(ListedFormat(c.position), Digits(c.digits), c.options), c.value);
    }
}

TEST(ValueCodec, ScalarReadsOnlyTheLastFourDigits)
{
    EXPECT_EQ(ParseDigits(ScalarFormat(), Digits("12340012"), kNoOverflow), 12);
}

TEST(ValueCodec, WritingValues)
{
    struct Case { const char* name; int position; std::int64_t value; const char* digits; bool cannotBeShown; } cases[] = {
        {"drop-frame 1800 is the label 00:01:00.02", kDropFrame, 1800, "00010002", false},
        {"drop-frame 1799", kDropFrame, 1799, "00005929", false},
        {"drop-frame ten minutes", kDropFrame, 17982, "00100000", false},
        {"last frame of the day", kDropFrame, 2589407, "23595929", false},
        {"first frame of the next day", kDropFrame, 2589408, "00000000", true},
        {"25 hours lose the day", kNtscNd, 25 * 108000, "01000000", true},
        {"negative shows the magnitude", kNtscFrames, -5, "00000005", true},
        {"largest frame count", kNtscFrames, 99999999, "99999999", false},
        {"frame count too large", kNtscFrames, 100000000, "00000000", true},
        {"most negative 32-bit value", kNtscFrames, INT32_MIN, "47483648", true},
        {"16mm", k16mm, 40, "00000100", false},
        {"35mm", k35mm, 40, "00000208", false},
        {"largest 16mm footage", k16mm, 39999999, "99999939", false},
        {"real time", kRealTime, 360000, "01000000", false},
        {"zero", kPal, 0, "00000000", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const FormattedValue written = FormatValue(ListedFormat(c.position), c.value);
        EXPECT_STREQ(written.digits.data(), c.digits);
        EXPECT_EQ(written.cannotBeShown, c.cannotBeShown);
    }
}

TEST(ValueCodec, ScalarValuesAreWrittenInTheRegistersOwnFormat)
{
    const FormattedValue written = FormatValue(ScalarFormat(), 12345);
    EXPECT_STREQ(written.digits.data(), "00002345");
    EXPECT_TRUE(written.cannotBeShown);
}

TEST(DropFrame, KnownFramesAndLabels)
{
    struct Case { std::int64_t frames; std::int64_t label; } cases[] = {
        {0, 0}, {1799, 1799}, {1800, 1802}, {1801, 1803}, {3597, 3599}, {3598, 3602},
        {17981, 17999}, {17982, 18000}, {107892, 108000}, {2589407, 2591999},
        {-1800, -1802},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.frames);
        EXPECT_EQ(FramesToLabel(c.frames), c.label);
        EXPECT_EQ(LabelToFrames(c.label), c.frames);
    }
}

namespace {

// The two drop-frame counts, as the sweeps below walk them.
struct DropRate {
    int position;           // the list position of its drop-frame format
    int labelsPerSecond;
    int droppedPerMinute;
    std::int64_t framesPerDay;
    std::int64_t (*framesToLabel)(std::int64_t);
    std::int64_t (*labelToFrames)(std::int64_t);
};
const DropRate kDropRates[] = {
    {kDropFrame, 30, 2, 2589408, DropFrame2997::FramesToLabel, DropFrame2997::LabelToFrames},
    {k5994Df, 60, 4, 5178816, DropFrame5994::FramesToLabel, DropFrame5994::LabelToFrames},
};

bool IsDropped(const DropRate& rate, int frame, int second, int minute)
{
    return frame < rate.droppedPerMinute && second == 0 && minute % 10 != 0;
}

} // namespace

TEST(DropFrame, EveryFrameOfTheDayHasExactlyOneLabelThatIsNotDropped)
{
    for (const DropRate& rate : kDropRates) {
        std::int64_t previous = -1;
        const long long stride = SweepStride();
        for (std::int64_t frames = 0; frames < rate.framesPerDay; frames += stride) {
            const std::int64_t label = rate.framesToLabel(frames);
            const int frameField = static_cast<int>(label % rate.labelsPerSecond);
            const int second = static_cast<int>(label / rate.labelsPerSecond % 60);
            const int minute = static_cast<int>(label / (60 * rate.labelsPerSecond) % 60);
            if (rate.labelToFrames(label) != frames || IsDropped(rate, frameField, second, minute) || label <= previous)
                FAIL() << rate.labelsPerSecond << " labels/s: frame " << frames << " label " << label;
            previous = label;
        }
    }
}

TEST(DropFrame, EveryLabelThatIsNotDroppedReadsAndShowsBackUnchanged)
{
    const EntryOptions strict{false, false};
    const long long stride = SweepStride();
    long long label = 0;
    for (const DropRate& rate : kDropRates) {
        const TimecodeFormat& format = ListedFormat(rate.position);
        for (int hour = 0; hour < 24; ++hour)
            for (int minute = 0; minute < 60; ++minute)
                for (int second = 0; second < 60; ++second)
                    for (int frame = 0; frame < rate.labelsPerSecond; ++frame) {
                        if (IsDropped(rate, frame, second, minute) || label++ % stride != 0) continue;
                        char text[48];
                        std::snprintf(text, sizeof text, "%02d%02d%02d%02d", hour, minute, second, frame);
                        const EntryDigits digits = Digits(text);
                        const std::optional<std::int32_t> read = ParseDigits(format, digits, strict);
                        if (!read || FormatValue(format, *read).digits != digits) FAIL() << format.name << ' ' << digits.data();
                    }
    }
}
