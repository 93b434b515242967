#include "store/tape_store.h"

#include "store/own_file.h"
#include "store/step_record_codec.h"
#include "store/tape_text_record.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace quillet {
namespace {

// Far more than the earlier version's two thousand lines take: a larger file is not the tape.
constexpr qint64 kMaxTextFileSize = qint64{16} << 20;

} // namespace

TapeStore::TapeStore() : TapeStore(TapeDatabase::DefaultPath()) {}

TapeStore::TapeStore(const QString& path) : m_database(path) { ImportTextFile(); }

void TapeStore::ImportTextFile()
{
    if (!m_database.IsKept()) return;
    const QString text = QFileInfo(m_database.Path()).absolutePath() + QStringLiteral("/tape.tsv");
    const QString old = text + QStringLiteral(".old");
    const OwnFile file = ExamineOwnFile(text);
    // Renamed first: of two windows starting at once, one reads it in.
    if (!file.ours || !file.exists || QFile::exists(old) || !QFile::rename(text, old)) return;
    QFile kept(old);
    if (QFileInfo(old).size() > kMaxTextFileSize || !kept.open(QIODevice::ReadOnly)) return;
    const QByteArray bytes = kept.readAll();
    std::vector<StepRecord> records;
    for (qsizetype start = 0; start < bytes.size();) {
        const qsizetype end = bytes.indexOf('\n', start);
        if (end < 0) break; // unfinished: a write the program did not live to end
        if (std::optional<StepRecord> record = StepRecordFromRecord(QByteArrayView(bytes).sliced(start, end - start)))
            records.push_back(std::move(*record));
        start = end + 1;
    }
    Append(records);
}

std::vector<StepRecord> TapeStore::Load(std::size_t most, bool& cut)
{
    const TapeDatabase::Contents contents = m_database.Load(EngineStepLimits());
    m_damaged = contents.damaged;
    std::vector<StepRecord> records;
    for (const StoredStep& stored : contents.steps) {
        if (std::optional<StepRecord> record = StepRecordOf(stored)) records.push_back(std::move(*record));
        else ++m_damaged;
    }
    cut = contents.earlierRemoved || records.size() > most;
    if (records.size() > most) records.erase(records.begin(), records.end() - static_cast<std::ptrdiff_t>(most));
    return records;
}

bool TapeStore::Append(const std::vector<StepRecord>& lines)
{
    const std::int64_t now = QDateTime::currentMSecsSinceEpoch();
    std::vector<StoredStep> steps;
    for (const StepRecord& line : lines)
        if (!line.earlierStepsRemoved) steps.push_back(StoredStepOf(line, now));
    return steps.empty() || m_database.Append(steps);
}

bool TapeStore::Clear() { return m_database.Clear(); }

bool TapeStore::UndoClear() { return m_database.UndoClear(); }

QString TapeStore::Problem() const
{
    QString problem = m_database.Problem();
    if (m_damaged > 0) {
        if (!problem.isEmpty()) problem += QLatin1Char('\n');
        problem += m_damaged == 1 ? QStringLiteral("1 damaged step on the tape was skipped.")
                                  : QStringLiteral("%1 damaged steps on the tape were skipped.").arg(m_damaged);
    }
    return problem;
}

} // namespace quillet
