#pragma once
// The tape's own file, so that the last steps outlive the program: one line
// per tape line, appended as each step finishes (one write of whole lines,
// which a crash cannot leave half a line of but at the very end), and
// replaced whole, never truncated in place, when it is cleared or has grown
// to twice the tape. Reading it skips every line that is damaged or
// unfinished; a file that cannot be read at all gives an empty tape.

#include "engine/step_record.h"

#include <QString>

#include <deque>
#include <optional>
#include <vector>

namespace quillet {

class TapeStore {
public:
    // The file in the user's data folder.
    TapeStore();
    explicit TapeStore(QString path) : m_path(std::move(path)) {}

    // The last `most` readable lines of the file, oldest first; `cut` tells
    // whether the file held more.
    std::vector<StepRecord> Load(std::size_t most, bool& cut);
    // Adds `lines` at the end; false, with Problem() saying why, when they did
    // not reach the disk. Every `rewriteAfter` lines the file is replaced by
    // `all`, which holds them.
    bool Append(const std::vector<StepRecord>& lines, const std::deque<StepRecord>& all, std::size_t rewriteAfter);
    // Replaces the file with `all`, or leaves it as it was and says why.
    bool Rewrite(const std::deque<StepRecord>& all);

    const QString& Path() const { return m_path; }
    // Why the last write failed, naming the file; empty after one that did not.
    const QString& Problem() const { return m_problem; }

private:
    bool Failed(const QString& reason);

    QString m_path;
    QString m_problem;
    std::size_t m_linesInFile = 0;
};

// One tape line as a line of the file, and back; nullopt for a damaged line.
// The file keeps each line's words and counts as the tape showed them (the
// layout earlier versions wrote and read); read back, a line has its values
// again, and its note as it was written.
QByteArray TapeRecord(const StepRecord& line);
std::optional<StepRecord> StepRecordFromRecord(QByteArrayView record);

} // namespace quillet
