#include "store/tape_database.h"

#include "store/own_file.h"
#include "store/step_columns.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <thread>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace quillet {
namespace {

constexpr int kApplicationId = 0x51544150; // "QTAP": marks the file as a tape of ours
constexpr int kSchemaVersion = 1;
constexpr int kBusyTimeoutMs = 1000;
// How many steps beyond kMaxSteps wait before they are trimmed (Load never shows them).
constexpr int kTrimSlack = 100;

// A prepared statement, finalised when it goes.
class Statement {
public:
    Statement(sqlite3* db, const QByteArray& sql) { sqlite3_prepare_v2(db, sql.constData(), -1, &m_statement, nullptr); }
    ~Statement() { sqlite3_finalize(m_statement); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    sqlite3_stmt* get() const { return m_statement; }
    bool Done() { return m_statement != nullptr && sqlite3_step(m_statement) == SQLITE_DONE; }
    bool Row() { return m_statement != nullptr && sqlite3_step(m_statement) == SQLITE_ROW; }
    void Bind(int column, long long value) { sqlite3_bind_int64(m_statement, column, value); }

private:
    sqlite3_stmt* m_statement = nullptr;
};

// Whether the file begins as every SQLite database does. Read without
// blocking and without following a link: the path was found to be a regular
// file of ours, and must still be one.
bool HasDatabaseHeader(const QString& path)
{
    static constexpr char kHeader[16] = {'S', 'Q', 'L', 'i', 't', 'e', ' ', 'f', 'o', 'r', 'm', 'a', 't', ' ', '3', '\0'};
    char header[16] = {};
#ifndef _WIN32
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return false;
    const ssize_t got = ::read(fd, header, sizeof header);
    ::close(fd);
    return got == static_cast<ssize_t>(sizeof header) && std::equal(header, header + 16, kHeader);
#else
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(header, sizeof header) == sizeof header
           && std::equal(header, header + 16, kHeader);
#endif
}

long long QueryNumber(sqlite3* db, const char* sql, long long otherwise)
{
    Statement query(db, sql);
    return query.Row() ? sqlite3_column_int64(query.get(), 0) : otherwise;
}

} // namespace

QString TapeDatabase::DefaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/tape.sqlite");
}

TapeDatabase::TapeDatabase(QString path) : m_path(std::move(path)) { Open(); }

TapeDatabase::~TapeDatabase()
{
    // A clear this window can no longer take back is gone for good.
    if (m_db && m_clearMark != 0) {
        Statement forget(m_db, "DELETE FROM step WHERE cleared = ?");
        forget.Bind(1, m_clearMark);
        forget.Done();
    }
    sqlite3_close(m_db);
}

bool TapeDatabase::Refuse(const QString& reason)
{
    sqlite3_close(m_db);
    m_db = nullptr;
    m_problem = QStringLiteral("The tape is not kept: %1 %2.").arg(QDir::toNativeSeparators(m_path), reason);
    return false;
}

bool TapeDatabase::Failed(const QString& what)
{
    m_problem = QStringLiteral("%1 (%2: %3).").arg(what, QDir::toNativeSeparators(m_path), m_lastError);
    return false;
}

bool TapeDatabase::Execute(const char* sql) { return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }

bool TapeDatabase::Open()
{
    const OwnFile file = ExamineOwnFile(m_path);
    if (!file.writable) return Refuse(file.reason);
    // SQLite opens its journals beside the database: they must be ours too.
    for (const char* suffix : {"-wal", "-shm", "-journal"}) {
        const OwnFile journal = ExamineOwnFile(file.path + QLatin1String(suffix));
        if (!journal.writable)
            return Refuse(QStringLiteral("has %1%2 beside it, which %3")
                              .arg(QFileInfo(file.path).fileName(), QLatin1String(suffix), journal.reason));
    }
    if (file.exists && QFileInfo(file.path).size() > 0 && !HasDatabaseHeader(file.path))
        return Refuse(QStringLiteral("is not a tape database"));
    if (!QDir().mkpath(QFileInfo(file.path).absolutePath()))
        return Refuse(QStringLiteral("cannot be made: its folder cannot be made"));

    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOFOLLOW | SQLITE_OPEN_FULLMUTEX;
    if (sqlite3_open_v2(QFile::encodeName(file.path).constData(), &m_db, flags, nullptr) != SQLITE_OK)
        return Refuse(QStringLiteral("cannot be opened: ") + QString::fromUtf8(sqlite3_errmsg(m_db)));
    sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
    sqlite3_extended_result_codes(m_db, 1);

    // Looked at in one read, so that another window making the tape at this
    // moment is seen before or after, never half-way; and before anything is
    // written, so that another program's database stays as it was.
    if (!Execute("BEGIN")) return Refuse(QStringLiteral("cannot be read: ") + QString::fromUtf8(sqlite3_errmsg(m_db)));
    const long long applicationId = QueryNumber(m_db, "PRAGMA application_id", -1);
    const long long tables = QueryNumber(m_db, "SELECT count(*) FROM sqlite_schema", -1);
    const long long version = QueryNumber(m_db, "PRAGMA user_version", 0);
    Execute("COMMIT");
    if (applicationId < 0 || tables < 0) return Refuse(QStringLiteral("is not a tape database"));
    if (applicationId != kApplicationId && (applicationId != 0 || tables != 0))
        return Refuse(QStringLiteral("is not a tape database"));
    if (version > kSchemaVersion) return Refuse(QStringLiteral("is kept by a newer version of this program"));

    // Writing ahead lets two windows read while one writes. A commit is
    // whole once SQLite returns, whatever becomes of the program; only a
    // power loss may take the last steps back (never half of one), which
    // spares a disk flush per step, as browsers keep their history.
    Execute("PRAGMA synchronous = NORMAL");
    if (!WriteAhead()) return Refuse(QStringLiteral("cannot be opened: ") + QString::fromUtf8(sqlite3_errmsg(m_db)));
    // A tape of ours is opened without writing anything.
    if (applicationId == kApplicationId && version == kSchemaVersion) return true;
    const bool made = InTransaction([this] {
        // Another window may have made it meanwhile: that is the same schema.
        const QByteArray stamp = QByteArray("PRAGMA application_id = ") + QByteArray::number(kApplicationId)
                                 + "; PRAGMA user_version = " + QByteArray::number(kSchemaVersion) + ";";
        return Execute(kTapeSchema) && Execute(stamp.constData());
    });
    if (!made) return Refuse(QStringLiteral("cannot be made: ") + m_lastError);
    return true;
}

bool TapeDatabase::WriteAhead()
{
    // Switching to WAL takes the file for itself without waiting: a second
    // window opening the tape at the same moment tries again.
    for (int waitedMs = 0; waitedMs < kBusyTimeoutMs; waitedMs += 10) {
        Statement mode(m_db, "PRAGMA journal_mode = WAL");
        if (mode.Row()) return qstricmp(reinterpret_cast<const char*>(sqlite3_column_text(mode.get(), 0)), "wal") == 0;
        if (sqlite3_errcode(m_db) != SQLITE_BUSY) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

bool TapeDatabase::InTransaction(const std::function<bool()>& work)
{
    if (Execute("BEGIN IMMEDIATE")) {
        if (work() && Execute("COMMIT")) return true;
    }
    m_lastError = QString::fromUtf8(sqlite3_errmsg(m_db));
    // A full disk may have rolled it back already; then this does nothing.
    Execute("ROLLBACK");
    return false;
}

TapeDatabase::Contents TapeDatabase::Load(const StepLimits& limits)
{
    Contents contents;
    if (!m_db) return contents;
    // Read in one transaction, so that another window's trimming cannot come between.
    if (!Execute("BEGIN")) return contents;
    {
        // One more than is shown tells whether older steps wait to be trimmed.
        Statement query(m_db, QByteArray("SELECT ") + kStepColumns + " FROM step WHERE cleared = 0 ORDER BY id DESC LIMIT "
                                  + QByteArray::number(kMaxSteps + 1));
        for (int row = 0; query.Row(); ++row) {
            if (row == kMaxSteps) {
                contents.earlierRemoved = true;
                break;
            }
            bool sound = false;
            StoredStep step = ReadStep(query.get(), sound);
            if (sound && IsSound(step, limits)) contents.steps.push_back(std::move(step));
            else ++contents.damaged;
        }
        contents.earlierRemoved =
            contents.earlierRemoved || QueryNumber(m_db, "SELECT value FROM meta WHERE key = 'earlier_removed'", 0) == 1;
    }
    Execute("COMMIT");
    std::reverse(contents.steps.begin(), contents.steps.end());
    return contents;
}

bool TapeDatabase::Trim()
{
    // Finding the 1,000th step walks a thousand rows: done only once the
    // oldest and newest steps lie kTrimSlack further apart, which ids tell at
    // once (there are never more steps than ids between them).
    const long long oldest = QueryNumber(m_db, "SELECT min(id) FROM step WHERE cleared = 0", 0);
    const long long newest = QueryNumber(m_db, "SELECT max(id) FROM step WHERE cleared = 0", 0);
    if (newest - oldest < kMaxSteps + kTrimSlack) return true;
    Statement trim(m_db, "DELETE FROM step WHERE cleared = 0 AND id <= (SELECT id FROM step WHERE cleared = 0 "
                         "ORDER BY id DESC LIMIT 1 OFFSET " + QByteArray::number(kMaxSteps) + ")");
    if (!trim.Done()) return false;
    return sqlite3_changes(m_db) == 0 || Execute("INSERT OR REPLACE INTO meta VALUES ('earlier_removed', 1)");
}

bool TapeDatabase::Append(const std::vector<StoredStep>& steps)
{
    if (!m_db) return false;
    const bool kept = InTransaction([&] {
        Statement insert(m_db, QByteArray("INSERT INTO step (") + kStepColumns + ") VALUES (?"
                                   + QByteArray(",?").repeated(kStepColumnCount - 1) + ")");
        for (const StoredStep& step : steps) {
            BindStep(insert.get(), step);
            if (!insert.Done()) return false;
            sqlite3_reset(insert.get());
            sqlite3_clear_bindings(insert.get());
        }
        // What this window cleared is gone for good once it takes a new step.
        Statement forget(m_db, "DELETE FROM step WHERE cleared = ?");
        forget.Bind(1, m_clearMark);
        return (m_clearMark == 0 || forget.Done()) && Trim();
    });
    if (!kept)
        return Failed(steps.size() == 1 ? QStringLiteral("A step was not kept")
                                        : QStringLiteral("%1 steps were not kept").arg(steps.size()));
    m_clearMark = 0;
    return true;
}

bool TapeDatabase::Clear()
{
    if (!m_db) return false;
    long long mark = 0;
    bool earlierRemoved = false;
    const bool cleared = InTransaction([&] {
        mark = QueryNumber(m_db, "SELECT coalesce(max(cleared), 0) + 1 FROM step", -1);
        earlierRemoved = QueryNumber(m_db, "SELECT value FROM meta WHERE key = 'earlier_removed'", 0) == 1;
        Statement clear(m_db, "UPDATE step SET cleared = ? WHERE cleared = 0");
        clear.Bind(1, mark);
        // The steps after a clear start a tape that lost nothing.
        return mark > 0 && clear.Done() && Execute("DELETE FROM meta WHERE key = 'earlier_removed'");
    });
    if (!cleared) return Failed(QStringLiteral("The tape was not cleared on disk"));
    m_clearMark = mark;
    m_clearedEarlierRemoved = earlierRemoved;
    return true;
}

bool TapeDatabase::UndoClear()
{
    if (!m_db || m_clearMark == 0) return false;
    const bool undone = InTransaction([&] {
        Statement undo(m_db, "UPDATE step SET cleared = 0 WHERE cleared = ?");
        undo.Bind(1, m_clearMark);
        return undo.Done() && Trim()
               && (!m_clearedEarlierRemoved || Execute("INSERT OR REPLACE INTO meta VALUES ('earlier_removed', 1)"));
    });
    if (!undone) return Failed(QStringLiteral("The cleared steps did not come back on disk"));
    m_clearMark = 0;
    return true;
}

} // namespace quillet
