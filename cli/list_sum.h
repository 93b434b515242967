#pragma once
// quillet-calc sum: adds up values, one a line, on the engine's own list
// total, the very operation the window runs on a pasted list, so the two
// totals can never disagree. Lines count by the engine's list rule
// (engine/list_line.h); a line that cannot be read is named with a message,
// as convert reports its values, and so is a total the list states.

#include "engine/calculator_engine.h"
#include "engine/step_listener.h"
#include "cli/engine_session.h"
#include "cli/line_source.h"

#include <string>
#include <string_view>

namespace quillet::cli {

class SumSession final : public LineSink, StepListener {
public:
    // Values are read in format FROM; the total is shown in TO. With
    // skipBadLines, lines in error are left out of the total instead of
    // leaving no total at all.
    SumSession(int fromPosition, int toPosition, bool strict, bool noBump, bool skipBadLines);

    // Lines of standard input (ReadLines): added up, the messages for those left
    // out written to standard error before each read that may wait.
    void TakeLines(std::string_view lines, long long firstLineNumber) override;
    void TakeLongLine(std::string_view start, long long lineNumber) override;
    bool BeforeWait() override
    {
        WriteMessages();
        return true;
    }
    // Adds one VALUE argument; messages name it without a line number.
    void AddArgument(std::string_view value);
    // --wrap: a time-code total wraps into the day. Before Finish.
    void SetWrapAtMidnight(bool wrap) { m_engine.SetWrapAtMidnight(wrap); }

    struct Total {
        std::string_view text; // as the display shows it; valid while the session lives; empty: no total
        Outcome outcome;       // of the total as shown in TO
    };
    // Finishes the sum ('=') and reads the total in TO; none when a line was in
    // error and bad lines are not skipped. A total of no value at all is 0,
    // and said so, so that an empty pipe is seen. Call once.
    Total Finish();

    // Lines for standard error, gathered until written.
    void WriteMessages();
    std::string messages;
    bool anyLeftOut = false;
    bool editingForms = false; // the total as editing applications write it

private:
    void StepFinished(const FinishedStep& step) override;

    CalculatorEngine m_engine;
    bool m_arguments = false; // values come from the command line
    bool m_skipBadLines;
    long long m_linesAdded = 0; // told with the total
    std::string m_editingText;
};

// Longer lines are left out by their start: a list's line is never near this.
inline constexpr std::size_t kLongestListLine = std::size_t{1} << 20;

} // namespace quillet::cli
