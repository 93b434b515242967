#pragma once
// Writing the tape to a file: plain text, one line as the tape shows it, or
// CSV for a spreadsheet, one step a row under a header.

#include "ui/tape/tape_model.h"

#include <QString>

namespace quillet {

enum class TapeFileKind { kText, kCsv };

// The tape's text in `kind`: lines end in "\n" (text) or "\r\n" (CSV, as
// spreadsheets expect); CSV fields are quoted where they hold a comma, a quote
// or a line break.
QByteArray TapeFileText(const TapeModel& tape, TapeFileKind kind);

// Writes TapeFileText to `path` in one step (a failed write leaves any earlier
// file as it was). Returns false, with `error` set, when it could not.
bool WriteTapeFile(const TapeModel& tape, TapeFileKind kind, const QString& path, QString& error);

// The kind a file name asks for: CSV for a name ending ".csv", text otherwise.
TapeFileKind TapeFileKindOf(const QString& path);

} // namespace quillet
