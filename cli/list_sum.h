#pragma once
// quillet-calc sum: adds up values, one a line, on the engine's own list
// total, the very operation the window runs on a pasted list, so the two
// totals can never disagree. Each line's first time code or number counts;
// a line that cannot be read is left out with a message, as convert reports
// its values.

#include "engine/calculator_engine.h"
#include "engine/step_listener.h"
#include "cli/engine_session.h"

#include <string>
#include <string_view>

namespace quillet::cli {

class SumSession final : StepListener {
public:
    // Values are read in format FROM; the total is shown in TO.
    SumSession(int fromPosition, int toPosition, bool strict, bool noBump);

    // Adds the lines of `text`, whole lines only (a last line may lack its '\n').
    void AddLines(std::string_view text) { m_engine.AddListLines(text); }
    // Adds one VALUE argument; messages name it without a line number.
    void AddArgument(std::string_view value);
    // Leaves out the next line, too long to hold, which starts with `start`.
    void LeaveOutLongLine(std::string_view start);

    struct Total {
        std::string_view text; // as the display shows it; valid while the session lives
        Outcome outcome;       // of the total as shown in TO
    };
    // Finishes the sum ('=') and reads the total in TO. Call once.
    Total Finish();

    std::string messages;     // lines for standard error, taken by the caller as it likes
    bool anyLeftOut = false;

private:
    void StepFinished(const FinishedStep& step) override;

    CalculatorEngine m_engine;
    bool m_arguments = false; // values come from the command line
};

struct SumInputOutcome {
    int readErrno = 0; // reading failed (0: the input reached its end)
};

// Reads standard input (`inputFd`) to its end in large blocks, adding each
// line to `session`; messages go to standard error after each block.
SumInputOutcome SumLines(SumSession& session, int inputFd);

} // namespace quillet::cli
