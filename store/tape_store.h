#pragma once
// The tape's steps on disk for the tape window: the database
// (store/tape_database.h) in the user's data folder, holding the window's
// step records. The first time it is made, a tape.tsv left by an earlier
// version is read into it once and kept beside as tape.tsv.old.

#include "engine/step_record.h"
#include "store/tape_database.h"

#include <QString>

#include <vector>

namespace quillet {

class TapeStore {
public:
    // The database in the user's data folder.
    TapeStore();
    // The database at `path`; a tape.tsv beside it is read in once.
    explicit TapeStore(const QString& path);

    // The last `most` sound steps, oldest first; `cut` tells whether older
    // steps were removed. Damaged ones are skipped, and Problem() counts them.
    std::vector<StepRecord> Load(std::size_t most, bool& cut);
    // Keeps `lines` in one transaction; false, with Problem() saying so, when
    // they did not reach the disk.
    bool Append(const std::vector<StepRecord>& lines);
    // "Clear tape" and its undo.
    bool Clear();
    bool UndoClear();

    const QString& Path() const { return m_database.Path(); }
    // What the tape says under its lines: why it is not kept, a step that was
    // lost, damaged steps that were skipped; empty while all is well.
    QString Problem() const;

private:
    void ImportTextFile();

    TapeDatabase m_database;
    int m_damaged = 0;
};

} // namespace quillet
