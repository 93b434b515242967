#pragma once
// How a stored step lies in the tape database's table: its columns, in the
// order they are bound and read, and the schema that holds them.

#include "store/stored_step.h"

#include <sqlite3.h>

namespace quillet {

// The step's columns, in the order they are bound and read.
inline constexpr const char* kStepColumns =
    "time_ms, kind, register, format, op, "
    "left_format, left_error, left_count, left_digits, right_format, right_error, right_count, right_digits, "
    "result_format, result_error, result_count, result_digits, "
    "outcome, outcome_field, outcome_negative, outcome_reason, exact_format, exact_count, "
    "line_number, line, line_problem, lines_added, lines_skipped, lines_left_out, terms_not_kept, kept_note";
inline constexpr int kStepColumnCount = 31;

// The columns declare no type: SQLite keeps each value as it was written, so
// a hand edit that puts text or a real number into a count is seen as such
// when read, never quietly converted.
inline constexpr const char* kTapeSchema =
    "CREATE TABLE IF NOT EXISTS step ("
    " id INTEGER PRIMARY KEY AUTOINCREMENT,"
    " time_ms, kind, register, format, op,"
    " left_format, left_error, left_count, left_digits, right_format, right_error, right_count, right_digits,"
    " result_format, result_error, result_count, result_digits,"
    " outcome, outcome_field, outcome_negative, outcome_reason, exact_format, exact_count,"
    " line_number, line, line_problem, lines_added, lines_skipped, lines_left_out, terms_not_kept, kept_note,"
    " cleared INTEGER NOT NULL DEFAULT 0);" // 0, or the mark of the Clear that put it aside
    "CREATE INDEX IF NOT EXISTS step_cleared ON step (cleared, id);"
    "CREATE TABLE IF NOT EXISTS meta (key TEXT PRIMARY KEY, value);";

// Binds `step` to the parameters ?1.. of an INSERT of kStepColumns.
void BindStep(sqlite3_stmt* statement, const StoredStep& step);

// The step in the current row of a SELECT of kStepColumns. `sound` is false
// when a column has the wrong type (text or a real number where a whole
// number belongs, as a hand edit leaves it) or a number beyond its field.
StoredStep ReadStep(sqlite3_stmt* statement, bool& sound);

} // namespace quillet
