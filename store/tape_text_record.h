#pragma once
// A line of the tape's text file (tape.tsv), which earlier versions kept
// instead of the database: read once, when the database is first made.
// Each line kept its words and counts as the tape showed them; read back, a
// line has its values again, and its note as it was written.

#include "engine/step_record.h"

#include <QByteArrayView>

#include <optional>

namespace quillet {

// The step of one line, without its line end; nullopt for a damaged line.
std::optional<StepRecord> StepRecordFromRecord(QByteArrayView record);

} // namespace quillet
