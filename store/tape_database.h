#pragma once
// The tape's steps on disk: an SQLite database in the user's data folder,
// written ahead (WAL), so that a crash, a full disk or a second window never
// costs more than the one step being written. Each step (a list's terms with
// its total), trimming to the last kMaxSteps, Clear and its undo are one
// transaction each. Two windows on one folder both keep every step; each
// sees the other's when it next loads.
//
// A path that is not ours (store/own_file.h), or a file there that is not a
// tape database, is never opened for writing: the tape is then not kept, and
// Problem() says why, once. SQLite is never handed a FIFO or a device.

#include "store/stored_step.h"

#include <QString>

#include <functional>
#include <vector>

struct sqlite3;

namespace quillet {

class TapeDatabase {
public:
    static constexpr int kMaxSteps = 1000;

    // Opens the database at `path`, creating it (and its folder) when absent.
    explicit TapeDatabase(QString path);
    ~TapeDatabase();
    TapeDatabase(const TapeDatabase&) = delete;
    TapeDatabase& operator=(const TapeDatabase&) = delete;

    // "tape.sqlite" in the user's data folder.
    static QString DefaultPath();

    // Whether steps are kept; false when the path was refused or could not be opened.
    bool IsKept() const { return m_db != nullptr; }

    struct Contents {
        std::vector<StoredStep> steps; // the last kMaxSteps sound steps not cleared, oldest first
        bool earlierRemoved = false;   // older steps were trimmed away
        int damaged = 0;               // steps skipped because they were not sound
    };
    Contents Load(const StepLimits& limits);

    // Adds `steps` in one transaction and trims to the last kMaxSteps (once
    // a hundred more have come: Load shows the last kMaxSteps either way); a clear
    // this object made can no longer be undone. False, with Problem() saying
    // so, when they were not kept (nothing of them is).
    bool Append(const std::vector<StoredStep>& steps);
    // Puts every step aside; UndoClear brings back those this object put
    // aside, until its next Append or its end.
    bool Clear();
    bool UndoClear();

    // Why the tape is not kept, or why a step was lost; empty while all is well.
    const QString& Problem() const { return m_problem; }
    const QString& Path() const { return m_path; }

private:
    bool Open();
    bool Refuse(const QString& reason);
    bool Failed(const QString& what);
    // Runs `work` between BEGIN IMMEDIATE and COMMIT, rolling back when it fails.
    bool InTransaction(const std::function<bool()>& work);
    bool Execute(const char* sql);
    bool WriteAhead();
    bool Trim();

    QString m_path;
    QString m_problem;
    QString m_lastError; // SQLite's words for the last failed transaction
    sqlite3* m_db = nullptr;
    long long m_clearMark = 0; // the mark of this object's last Clear, until its next Append
    bool m_clearedEarlierRemoved = false; // the cleared tape had lost older steps
};

} // namespace quillet
