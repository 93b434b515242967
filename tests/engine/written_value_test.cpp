// Values written as text, and the lines of a list: the one reading rule
// that paste, pasted lists and quillet-calc share.
#include "engine_test_support.h"

#include "engine/drop_frame.h"
#include "engine/list_line.h"
#include "engine/words.h"
#include "engine/written_value.h"

#include <gtest/gtest.h>

#include <random>

using namespace quillet;
using namespace quillet::testing;

namespace {

constexpr EntryOptions kKeypad{true, true};

TEST(WrittenValue, ReadsAsWrittenOrSaysWhyNot)
{
    struct Case {
        int position;
        const char* text;
        std::int32_t value; // when `why` is empty
        const char* why;
    } cases[] = {
        {k24Fps, "1:2:3:4", ((1 * 60 + 2) * 60 + 3) * 24 + 4, ""},
        {kNtscNd, "1:00", 30, ""},
        {kNtscNd, "01000000", 108000, ""},
        {kNtscFrames, "000000001", 1, ""},
        {kNtscFrames, "12,345", 12345, ""},
        {k35mm, "366+12", 366 * 16 + 12, ""},
        {k35mm, "000366:12", 366 * 16 + 12, ""},
        {kDropFrame, "01:00:00;00", 107892, ""},
        {kDropFrame, "01:00:00.00", 107892, ""},
        {kDropFrame, "00:01:00;00", 1800, ""}, // a dropped label, bumped up
        {kRealTime, "00:00:10.50", 1050, ""},
        {kPal, "6000", 1500, ""}, // digits alone overflow as typed
        {kPal, "00:00:05:29", 0, "frames 29 is more than PAL's 24"},
        {kNtscNd, "01:00:00;00", 0, "';' marks drop-frame time code, which NTSC-ND is not (Drop Frame and 59.94 DF read it)"},
        {kNtscNd, "00:00:10+00", 0, "'+' is not a separator of NTSC-ND"},
        {kRealTime, "00:00:10.500", 1050, ""},
        {kRealTime, "1.5", 150, ""},
        {kRealTime, "00:00:10.505", 0, "a fraction of a second finer than hundredths"},
        {kDropFrame, "01;00;00;00", 107892, ""},
        {kNtscNd, "\xEF\xBC\x91:00", 30, ""}, // a fullwidth digit
        {kNtscNd, "00:00:10:00:00", 0, "more fields than NTSC-ND has (4)"},
        {kNtscNd, "01::00:00:00", 0, "hours is empty"},
        {kNtscFrames, "6,78", 0, "NTSC frames is a plain number (commas only between groups of three digits)"},
        {kNtscFrames, "123456789", 0, "more than eight digits"},
        {kNtscNd, "12ab", 0, "unexpected character 'a' (only digits and the separators : ; . + , are allowed)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const TimecodeFormat& format = ListedFormat(c.position);
        const WrittenValue written = ReadWrittenValue(c.text, format, kKeypad);
        EXPECT_EQ(WrittenFaultText(written, format), c.why);
        if (*c.why == '\0') {
            EXPECT_EQ(written.value, c.value);
        }
    }
}

// Every format: what copy writes reads back as the same value.
TEST(WrittenValue, EditingFormsReadBackUnchangedInEveryFormat)
{
    for (int position = 0; position < kListedFormatCount; ++position) {
        const TimecodeFormat& format = ListedFormat(position);
        for (std::int64_t value : {0, 1, 17, 1799, 1800, 17982, 107891, 1234567, 2589407}) {
            const std::string text = EditingText(format, value);
            if (text.empty()) continue; // beyond what the format shows
            const WrittenValue read = ReadWrittenValue(text, format, {false, false});
            EXPECT_EQ(read.fault, WrittenFault::kNone) << format.name << ' ' << text;
            EXPECT_EQ(read.value, value) << format.name << ' ' << text;
        }
    }
    EXPECT_EQ(EditingText(ListedFormat(k35mm), 366 * 16 + 12), "366+12");
    EXPECT_EQ(EditingText(ListedFormat(kDropFrame), 107892), "01:00:00;00");
    EXPECT_EQ(EditingText(ListedFormat(kFilmFrames), 80), "80");
}

// A written value is its fields, read one by one: random fields, in range or
// not, with random separators, against arithmetic of their own.
TEST(WrittenValue, RandomFieldsAgreeWithTheirArithmetic)
{
    std::mt19937 random(20261209);
    const int positions[] = {kNtscNd, kPal, k24Fps, k5994Ndf, kRealTime, k16mm, k35mm, kDropFrame, k5994Df};
    for (int round = 0; round < 4000; ++round) {
        const int position = positions[random() % std::size(positions)];
        const TimecodeFormat& format = ListedFormat(position);
        std::string text;
        std::int64_t expected = 0;
        bool valid = true;
        const int fields = 1 + static_cast<int>(random() % format.fieldCount);
        for (int field = fields - 1; field >= 0; --field) {
            const FormatField& slot = format.fields[field];
            const bool fraction = position == kRealTime && field == 0 && fields > 1; // two decimals
            const int value = static_cast<int>(random() % (fraction ? slot.modulus : slot.modulus + slot.modulus / 8 + 1));
            valid = valid && value < slot.modulus;
            if (field != fields - 1) text += static_cast<char>(field == 0 && format.fieldCount == 2 ? '+' : slot.separator);
            if (fraction && value < 10) text += '0';
            text += std::to_string(value);
            expected = expected * slot.modulus + value;
        }
        if (fields == 1) continue; // digits alone are the keypad's
        if (IsDropFrame(format)) {
            const std::int64_t labels = expected;
            const int perSecond = format.fields[0].modulus;
            const bool dropped = labels % perSecond < (perSecond == 30 ? 2 : 4) && labels / perSecond % 60 == 0 &&
                                 labels / (perSecond * 60) % 10 != 0;
            if (dropped) continue; // bumped up, tested above
            expected = perSecond == 30 ? DropFrame2997::LabelToFrames(labels) : DropFrame5994::LabelToFrames(labels);
        }
        const WrittenValue read = ReadWrittenValue(text, format, kKeypad);
        SCOPED_TRACE(std::string{format.name} + " " + text);
        ASSERT_EQ(read.fault == WrittenFault::kNone, valid);
        if (valid) {
            ASSERT_EQ(read.value, expected);
        }
    }
}

TEST(ListLine, CountsOnlyWhatIsPlainlyAValue)
{
    struct Case {
        int position;
        const char* line;
        LineProblem problem;
        std::int64_t value;
    } cases[] = {
        {kNtscNd, "Clip 3, 00:00:20:00", LineProblem::kNone, 600},
        {kNtscNd, "A001\t01:00:00:00\t01:00:10:15", LineProblem::kNone, 315},
        {kNtscNd, "001  AX  V  C        00:00:00:00 00:00:05:00 01:00:00:00 01:00:05:00", LineProblem::kNone, 150},
        {kNtscNd, "002  BX  V  D  030   00:00:00:00 00:00:05:00 01:00:05:00 01:00:09:00", LineProblem::kNone, 120},
        {kFilmFrames, "\"1,250\"", LineProblem::kNone, 1250},
        {kNtscNd, "Duration", LineProblem::kNoValue, 0},
        {kNtscNd, "A003,bad", LineProblem::kNotAValue, 0},
        {kNtscNd, "Reel 2 durations", LineProblem::kNotAValue, 0},
        {kNtscNd, "Total: 3 clips", LineProblem::kNoValue, 0},
        {kNtscNd, "Scene 12", LineProblem::kNotAValue, 0},
        {kNtscNd, "@SUM(A1)", LineProblem::kNotAValue, 0},
        {kNtscNd, "00:00:01:00 00:00:02:00 00:00:03:00", LineProblem::kNotAValue, 0},
        {kNtscNd, "A001  08.12.2026  00:00:10:00", LineProblem::kNotAValue, 0},
        {kNtscNd, "10:30 am", LineProblem::kNotAValue, 0},
        {kNtscNd, "-00:00:05:00", LineProblem::kCannotBeRead, 0},
        {kNtscNd, "+1+cmd|calc", LineProblem::kCannotBeRead, 0},
        {kNtscNd, "01:00:10:00 01:00:00:00", LineProblem::kCannotBeRead, 0}, // OUT before IN
        {kNtscNd, "FCM: DROP FRAME", LineProblem::kCannotBeRead, 0},
        {kDropFrame, "FCM: DROP FRAME", LineProblem::kNoValue, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        ListReader reader(ListedFormat(c.position), kKeypad);
        const ListTerm term = reader.Read(c.line);
        EXPECT_EQ(term.problem, c.problem) << term.reason;
        if (c.problem == LineProblem::kNone) {
            EXPECT_EQ(term.value, c.value);
        }
    }
}

} // namespace
