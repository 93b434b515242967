#pragma once
// The command line of quillet-calc, checked completely before any value is
// computed, so a usage error never leaves half an answer behind.

#include "cli/value_text.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillet::cli {

enum class CommandKind { kConvert, kEval, kSum, kFormats, kHelp, kVersion };

// The words of the command line, shared with the shell completion.
inline constexpr std::string_view kConvertWord = "convert";
inline constexpr std::string_view kEvalWord = "eval";
inline constexpr std::string_view kSumWord = "sum";
inline constexpr std::string_view kFormatsWord = "formats";
inline constexpr std::string_view kStrictOption = "--strict";
inline constexpr std::string_view kNoBumpOption = "--no-bump";
inline constexpr std::string_view kWrapOption = "--wrap"; // time codes are times of day: results wrap at midnight
inline constexpr std::string_view kToOption = "--to"; // sum: the format of the total, as the next word or after '='

inline constexpr std::string_view kSkipBadLinesOption = "--skip-bad-lines"; // sum: total the lines that are values
inline constexpr std::string_view kSeparatorsOption = "--separators"; // "display" (the default) or "editing"
inline constexpr std::string_view kHelpOption = "--help";
inline constexpr std::string_view kVersionOption = "--version";

struct ConvertValue {
    std::string_view text; // as written: read in FROM as a line of standard input, and named in messages
};

// One value of an eval chain with the operator written before it
// (0 for the first value). After '*' and '/' the value is a plain number,
// typed on the keypad; any other value is read as written.
struct EvalStep {
    char op = 0;
    std::string_view text;
    TypedDigits typed; // the plain number after '*' and '/'
};

struct Command {
    CommandKind kind = CommandKind::kHelp;
    bool strict = false; // --strict: fields may not overflow into the next field
    bool noBump = false; // --no-bump: a dropped drop-frame label is an error
    bool wrapAtMidnight = false; // --wrap: a time-code result wraps into the day
    bool skipBadLines = false; // sum --skip-bad-lines
    bool editingForms = false; // --separators editing: results as editing applications write them
    int fromPosition = 0; // convert FROM, eval or sum FORMAT (a list position)
    int toPosition = 0;   // convert TO, sum --to (FORMAT without it)
    std::vector<ConvertValue> values; // convert; empty means read standard input
    std::vector<EvalStep> steps;      // eval
    std::vector<std::string_view> lines; // sum, as written; empty means read standard input
    std::string_view toText;          // sum: the word after --to, when given
};

struct ParsedCommandLine {
    bool ok = false;
    Command command;          // valid when ok
    std::string usageError;   // what is wrong, naming the offending word, when !ok
};

// `args` are the words after the program name. The views point into them
// and stay valid as long as they do.
ParsedCommandLine ParseCommandLine(const std::vector<std::string_view>& args);

// The words after "sum" (options taken out): FORMAT [VALUE...].
ParsedCommandLine ParseSum(Command command, const std::vector<std::string_view>& words);

// '+', '-', '*' (also written 'x' to spare the shell's quoting) or '/'; 0 otherwise.
char OperatorFromText(std::string_view text);

} // namespace quillet::cli
