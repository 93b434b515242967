#pragma once
// Every sentence the program says about a value or a step, in one place:
// field and format names in words, why a value cannot be read or shown, a
// value as a screen reader says it, a tape line as text, in words and as CSV
// columns, and the quoting of a text in a message. The window, the tape and
// quillet-calc all word things through here; none of it reads a text back.

#include "format_table.h"
#include "step_listener.h"
#include "step_record.h"
#include "timecode_register.h"
#include "written_value.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillet {

// --- Values (value_words.cpp) ------------------------------------------------
// "NTSC-ND: 29.97 frames per second, non-drop-frame time code" for the listed
// format at list position `position`; empty for any other.
std::string FormatDescription(int position);
// The word for field `field` of `format`: "frames", "seconds", "key-code
// number"; "value" for a field the format does not have.
std::string_view FieldName(const TimecodeFormat& format, int field);
// `digits` laid out in `format` as a screen reader says them: "1 hour 2
// minutes 33 seconds 5 frames", "366 feet 12 frames", "10.50 seconds";
// the plain number of the Scalar row as shown ("0003").
std::string DigitsInWords(const TimecodeFormat& format, const EntryDigits& digits);
// A register's display in words: "15 frames, Drop Frame", with ", x" for a
// pending operator, or "error, " and why.
std::string ShownInWords(const StepValue& shown, const TimecodeFormat& format, const RegisterProblem& problem,
                         char pendingOp);
// What became of a value, as a message begins to say it: "cannot be read in
// PAL", "cannot be shown in NTSC frames", "division by zero"; empty for kDone.
std::string OutcomeText(Outcome outcome, std::string_view formatName);
// Why a register in `format` shows "E", in one sentence; empty for kDone.
std::string ProblemText(const RegisterProblem& problem, const TimecodeFormat& format);
// Why `written` was refused: "frames 29 is more than PAL's 24".
std::string WrittenFaultText(const WrittenValue& written, const TimecodeFormat& format);
// `text` quoted for a message: in single quotes, blanks around it dropped,
// cut after 60 characters (never through one) with "..." (also when
// moreFollows: the text is the start of a longer one), and every byte that a
// terminal could take for a command (controls, a backslash, what is not
// UTF-8) written as \xNN or \\.
std::string QuotedText(std::string_view text, bool moreFollows = false);

// --- Steps (step_words.cpp) --------------------------------------------------
// A step's operand or result as the display showed it: "E" over its first
// digit when in error; empty when the step has no such part.
std::string StepValueText(const StepValue& value);
// StepValueText's text in `format` taken back, for the tape's lines an
// earlier version kept as text: present unless empty, in error with its "E",
// the digits it shows. Its value is the caller's, who kept the count.
StepValue StepValueOfText(std::string_view text, const TimecodeFormat& format);
// The operator a tape line wrote ("+", "-", "x", "/"; kNone for ""), taken
// back likewise; nullopt for any other text.
std::optional<StepOperator> StepOperatorOfText(std::string_view text);
// The same written as editing applications and spreadsheets read it
// ("01:00:10;12", "135+00"); as shown when in error, and the plain number
// after '*' and '/' as shown.
std::string EditingText(const StepValue& value);
// What the tape says beside a step: why it shows "E", the list line it
// read, what a list total added; empty when there is nothing to say.
std::string StepNote(const StepRecord& record);
// "IN  00:01:00:00 + 00:00:10:00 = 00:01:10:00  NTSC-ND", its note last.
std::string TapeLineText(const StepRecord& record);
// The same in words for a screen reader: "IN: 00:01:00:00 plus ... equals ..., NTSC-ND".
std::string SpokenTapeLine(const StepRecord& record);
// The CSV columns of the tape, and one line's fields under them.
constexpr std::size_t kCsvColumnCount = 10;
const std::array<std::string_view, kCsvColumnCount>& CsvColumns();
std::array<std::string, kCsvColumnCount> CsvFields(const StepRecord& record);

} // namespace quillet
