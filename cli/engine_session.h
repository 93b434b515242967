#pragma once
// quillet-calc's hands on the keypad: it drives a CalculatorEngine exactly as
// the window does (digits through KeyIn, a commit or an operator, the text a
// display would show) and reports what the engine says became of each step.
// It computes nothing itself.

#include "cli/command_line.h"
#include "engine/calculator_engine.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillet::cli {

using quillet::Outcome; // kDone, kCannotBeRead, kCannotBeShown, kDivisionByZero

// Conversion mode with IN in format FROM and OUT in format TO. One session
// converts any number of values, each independent of the ones before it.
// Aligned to a cache line, so that two sessions converting on two threads
// never write to the same line.
class alignas(64) ConversionSession {
public:
    ConversionSession(int fromPosition, int toPosition, bool strict, bool noBump);

    struct Result {
        std::string_view text; // valid until the next Convert
        Outcome outcome;
        // The TO text is fine but the value overflowed FROM's own fields
        // (e.g. 25 hours of time code); only possible without --strict.
        bool notShownInFrom;
        std::string_view reason; // kCannotBeRead: why, in words
        bool noValue = false;    // kCannotBeRead: the text is no value in any format (no digit, a stray character)
    };
    // Reads `text` in IN as written (engine/written_value.h), commits it and
    // reads OUT. When it cannot be read, the text is IN's, with its "E".
    // With editingForms, a result is written as editing applications write it.
    // A value that reads is converted without the registers (ConvertWritten),
    // as the window would show it.
    Result Convert(std::string_view text);
    // Whether `text` is no value at all (no digit, or a character that is
    // neither a digit nor a separator): why, or empty.
    std::string NotAValue(std::string_view text) const;

    bool editingForms = false;

    std::string_view FromName() const;
    std::string_view ToName() const;

private:
    CalculatorEngine m_engine;
    std::string m_text; // the last result
};

struct EvalProblem {
    std::size_t stepIndex; // the chain up to and including this step caused it
    Outcome outcome;
    bool negative = false; // kCannotBeShown: the result is below zero
};

struct EvalResult {
    std::string text;                  // the register's final text as displayed
    std::vector<EvalProblem> problems; // in the order they happened
    std::string reason;                // why a value could not be read
};

// Enters the chain into one register in format `formatPosition`, each value
// read as written and each multiplier typed on the keypad, ending with '='. Reported: a division by zero at any step, a final result that
// cannot be shown, and a value that cannot be read, which ends the chain there
// since the register then refuses every operator.
EvalResult Evaluate(int formatPosition, bool strict, bool noBump, const std::vector<EvalStep>& steps,
                    bool editingForms = false, bool wrapAtMidnight = false);

} // namespace quillet::cli
