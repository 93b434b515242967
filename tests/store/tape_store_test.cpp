// The tape's lines as kept on disk: each gives back exactly the value of its
// step after a round trip through the database's record, and lines the
// earlier version wrote to its text file read back to the same words.

#include "engine/engine_test_support.h"
#include "engine/words.h"
#include "store/step_record_codec.h"
#include "store/tape_text_record.h"

#include <gtest/gtest.h>

namespace quillet::testing {
namespace {

struct Tape final : StepListener {
    std::vector<StepRecord> lines;
    void StepFinished(const FinishedStep& step) override { lines.push_back(StepRecord::Of(step)); }
};

// The largest value `format` can show.
std::int64_t Largest(const TimecodeFormat& format)
{
    std::int64_t low = 0;
    std::int64_t high = 1'000'000'000;
    while (low + 1 < high) {
        const std::int64_t middle = (low + high) / 2;
        (FormatValue(format, middle).cannotBeShown ? high : low) = middle;
    }
    return low;
}

TEST(TapeStore, EveryLineGivesBackItsStepsValueInEveryFormatAtItsLimits)
{
    for (int position = 0; position < kListedFormatCount; ++position) {
        const TimecodeFormat& format = ListedFormat(position);
        const std::int64_t largest = Largest(format);
        for (const std::int64_t value : {std::int64_t{0}, std::int64_t{1}, largest - 1, largest}) {
            SCOPED_TRACE(std::string{NameOf(format)} + " " + std::to_string(value));
            // Shown beside it in formats that round it: a coarser rate, real time.
            Calculator calc;
            Tape tape;
            calc.engine.SetRegisterFormat(kIn, position);
            calc.engine.SetRegisterFormat(kOut, position == k35mm ? kNtscFrames : k35mm);
            calc.engine.SetRegisterFormat(kDuration, kRealTime);
            calc.engine.AttachStepListener(&tape);
            // Entering the value a register holds already is no step.
            if (value == 0) calc.Type("1=");
            tape.lines.clear();
            ASSERT_TRUE(calc.engine.PasteValue(value, format));
            calc.engine.ApplyOperator('=', false);
            ASSERT_FALSE(tape.lines.empty());
            for (const StepRecord& line : tape.lines) {
                const StoredStep stored = StoredStepOf(line, 0);
                const std::optional<StepRecord> kept = StepRecordOf(stored);
                ASSERT_TRUE(kept.has_value()) << TapeLineText(line);
                EXPECT_EQ(TapeLineText(*kept), TapeLineText(line));
                EXPECT_EQ(StoredStepOf(*kept, 0), stored);
                if (!kept->HasValue()) continue;
                // Given back into a register in the format the value was entered in.
                Calculator back;
                back.engine.SetRegisterFormat(kIn, position);
                ASSERT_TRUE(back.engine.PasteValue(kept->step.exactValue, *kept->step.exactFormat));
                back.engine.CommitEntry();
                EXPECT_EQ(back.engine.Value(kIn), value) << TapeLineText(line);
            }
        }
    }
}

TEST(TapeStore, LinesTheEarlierVersionWroteReadBackAsTheyWere)
{
    const struct Case {
        const char* name;
        const char* record;
        const char* text;
        bool hasValue;
    } cases[] = {
        {"an operation", "T1\t0\t0\t1\t0\t1\t40\t00:00:01:00\t+\t00:00:00:10\t00:00:01:10\t\t30\t10\t40\t1\t40",
         "IN  00:00:01:00 + 00:00:00:10 = 00:00:01:10  NTSC-ND", true},
        {"a plain-number operand", "T1\t0\t1\t3\t0\t1\t24\t00000012\tx\t0002\t00000024\t\t12\t2\t24\t3\t24",
         "OUT 00000012 x 0002 = 00000024  NTSC frames", true},
        {"a negative result", "T1\t0\t0\t3\t1\t0\t-5\t00000005\t-\t00000010\tE0000005\tCannot be shown in NTSC frames: "
         "the result is negative\t5\t10\t\t3\t-5",
         "IN  00000005 - 00000010 = E0000005  NTSC frames  Cannot be shown in NTSC frames: the result is negative", false},
        {"a list's line, quoted as it was", "T1\t3\t0\t1\t0\t1\t300\t\t+\t00:00:10:00\t\tLine 2 \"00:00:10:00\"\t\t300\t\t1\t300",
         "IN  + 00:00:10:00  NTSC-ND  Line 2 \"00:00:10:00\"", true},
        {"a list's line that is no value", "T1\t3\t0\t1\t1\t0\t0\t\t+\tE\t\tLine 3 \"1x\" is not a value: no\t\t\t\t1\t0",
         "IN  + E  NTSC-ND  Line 3 \"1x\" is not a value: no", false},
        {"a conversion", "T1\t2\t1\t9\t0\t1\t5868\t\t\t\t000366:12\t\t\t\t5868\t3\t7336",
         "OUT 000366:12  35mm", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<StepRecord> line = StepRecordFromRecord(QByteArrayView(c.record));
        ASSERT_TRUE(line.has_value());
        EXPECT_EQ(TapeLineText(*line), c.text);
        EXPECT_EQ(line->HasValue(), c.hasValue);
        const std::optional<StepRecord> kept = StepRecordOf(StoredStepOf(*line, 0));
        ASSERT_TRUE(kept.has_value()) << "kept in the database as it was read";
        EXPECT_EQ(TapeLineText(*kept), c.text);
    }
}

} // namespace
} // namespace quillet::testing
