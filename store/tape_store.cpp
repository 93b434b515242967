#include "store/tape_store.h"

#include "store/whole_file.h"

#include "engine/format_table.h"
#include "engine/timecode_register.h"
#include "engine/words.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace quillet {
namespace {

constexpr QByteArrayView kTag = "T1"; // the record's layout; another is skipped as damaged
constexpr int kFieldCount = 17;
// Far more than a thousand lines take: a larger file is not the tape.
constexpr qint64 kMaxFileSize = qint64{16} << 20;

QByteArray Escaped(const QString& text)
{
    QByteArray out;
    for (const char c : text.toUtf8()) {
        if (c == '\\') out += "\\\\";
        else if (c == '\t') out += "\\t";
        else if (c == '\n') out += "\\n";
        else if (c == '\r') out += "\\r";
        else out += c;
    }
    return out;
}

std::optional<QString> Unescaped(QByteArrayView field)
{
    QByteArray out;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] != '\\') {
            out += field[i];
            continue;
        }
        if (++i == field.size()) return std::nullopt;
        switch (field[i]) {
        case '\\': out += '\\'; break;
        case 't': out += '\t'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        default: return std::nullopt;
        }
    }
    return QString::fromUtf8(out);
}

std::optional<long long> Number(QByteArrayView field, long long lowest, long long highest)
{
    bool ok = false;
    const long long number = field.toLongLong(&ok);
    if (!ok || number < lowest || number > highest) return std::nullopt;
    return number;
}

} // namespace

QByteArray TapeRecord(const StepRecord& record)
{
    // A line about the tape itself is no step to keep.
    if (record.earlierStepsRemoved) return {};
    const FinishedStep& step = record.step;
    const std::array<std::string, kCsvColumnCount> columns = CsvFields(record);
    const auto text = [](const std::string& words) { return Escaped(QString::fromStdString(words)); };
    const StepValue& shown = step.kind == StepKind::kListTerm ? step.right : step.result;
    QByteArrayList fields{kTag.toByteArray(),
                          QByteArray::number(static_cast<int>(step.kind)),
                          QByteArray::number(step.registerIndex),
                          QByteArray::number(step.format->listIndex),
                          step.InError() ? "1" : "0",
                          record.HasValue() ? "1" : "0",
                          QByteArray::number(static_cast<qlonglong>(shown.value)),
                          text(StepValueText(step.left)),
                          text(columns[4]),
                          text(StepValueText(step.right)),
                          text(StepValueText(step.result)),
                          text(columns[9]),
                          text(columns[3]),
                          text(columns[6]),
                          text(columns[8]),
                          QByteArray::number(step.exactFormat->listIndex),
                          QByteArray::number(static_cast<qlonglong>(step.exactValue))};
    return fields.join('\t') + '\n';
}

namespace {

// An operand or result as the file wrote it: its text as shown, and its count
// (empty when it showed "E"), or `value` for the result.
std::optional<StepValue> PartFrom(const QString& text, const QString& count, std::int64_t value,
                                  const TimecodeFormat& format)
{
    StepValue part = StepValueOfText(text.toStdString(), format);
    part.value = value;
    if (!count.isEmpty()) {
        const std::optional<long long> counted = Number(count.toLatin1(), -kValueLimit, kValueLimit);
        if (!counted) return std::nullopt;
        part.value = *counted;
    }
    return part;
}

} // namespace

std::optional<StepRecord> StepRecordFromRecord(QByteArrayView line)
{
    const QByteArrayList parts = line.toByteArray().split('\t');
    if (parts.size() != kFieldCount || parts[0] != kTag) return std::nullopt;
    const auto kind = Number(parts[1], 0, static_cast<int>(StepKind::kListTotal));
    const auto reg = Number(parts[2], 0, 2);
    const auto format = Number(parts[3], 0, kListedFormatCount - 1);
    const auto inError = Number(parts[4], 0, 1);
    const auto hasValue = Number(parts[5], 0, 1);
    const auto value = Number(parts[6], -kValueLimit, kValueLimit);
    const auto exactFormat = Number(parts[15], 0, kListedFormatCount - 1);
    const auto exactValue = Number(parts[16], -kValueLimit, kValueLimit);
    if (!kind || !reg || !format || !inError || !hasValue || !value || !exactFormat || !exactValue) return std::nullopt;
    std::optional<QString> texts[8];
    for (int i = 0; i < 8; ++i) {
        texts[i] = Unescaped(parts[7 + i]);
        if (!texts[i]) return std::nullopt;
    }
    const auto& [left, op, right, result, note, leftCount, rightCount, resultCount] = texts;
    StepRecord record;
    FinishedStep& step = record.step;
    step.kind = static_cast<StepKind>(*kind);
    step.registerIndex = static_cast<int>(*reg);
    step.format = &ListedFormat(static_cast<int>(*format));
    const std::optional<StepOperator> stepOp = StepOperatorOfText(op->toStdString());
    const bool scalar = stepOp == StepOperator::kMultiply || stepOp == StepOperator::kDivide;
    const std::optional<StepValue> leftPart = PartFrom(*left, *leftCount, 0, *step.format);
    const std::optional<StepValue> rightPart = PartFrom(*right, *rightCount, *value, scalar ? ScalarFormat() : *step.format);
    const std::optional<StepValue> resultPart = PartFrom(*result, *resultCount, *value, *step.format);
    if (!stepOp || !leftPart || !rightPart || !resultPart) return std::nullopt;
    step.op = *stepOp;
    step.left = *leftPart;
    step.right = *rightPart;
    step.result = *resultPart;
    // The file kept the words of the problem, not the problem: the note says
    // it as it was, and the line stays one in error.
    if (*inError == 1 || *hasValue == 0) {
        if (step.kind == StepKind::kListTerm) step.lineProblem = LineProblem::kCannotBeRead;
        step.problem.outcome = Outcome::kCannotBeRead;
    }
    record.keptNote = note->toStdString();
    step.exactFormat = &ListedFormat(static_cast<int>(*exactFormat));
    step.exactValue = *exactValue;
    return record;
}

TapeStore::TapeStore()
    : m_path(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/tape.tsv"))
{
}

std::vector<StepRecord> TapeStore::Load(std::size_t most, bool& cut)
{
    cut = false;
    std::vector<StepRecord> lines;
    QFile file(m_path);
    // Only a regular file of a sane size: opening a FIFO would block the start.
    const QFileInfo info(m_path);
    if (!info.isFile() || info.size() > kMaxFileSize || !file.open(QIODevice::ReadOnly)) return lines;
    const QByteArray text = file.readAll();
    qsizetype start = 0;
    while (start < text.size()) {
        const qsizetype end = text.indexOf('\n', start);
        if (end < 0) break; // unfinished: a write the program did not live to end
        if (std::optional<StepRecord> line = StepRecordFromRecord(QByteArrayView(text).sliced(start, end - start)))
            lines.push_back(std::move(*line));
        start = end + 1;
    }
    m_linesInFile = lines.size();
    cut = lines.size() > most;
    if (cut) lines.erase(lines.begin(), lines.end() - static_cast<std::ptrdiff_t>(most));
    return lines;
}

bool TapeStore::Failed(const QString& reason)
{
    m_problem = QStringLiteral("The tape could not be saved to %1: %2").arg(QDir::toNativeSeparators(m_path), reason);
    return false;
}

bool TapeStore::Append(const std::vector<StepRecord>& lines, const std::deque<StepRecord>& all, std::size_t rewriteAfter)
{
    if (m_linesInFile + lines.size() > rewriteAfter) return Rewrite(all);
    QByteArray text;
    for (const StepRecord& line : lines) text += TapeRecord(line);
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath())) return Failed(QStringLiteral("its folder cannot be made"));
    QFile file(m_path);
    // One unbuffered write: whole lines reach the file, or the failure is seen at once.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) return Failed(file.errorString());
    if (file.write(text) != text.size()) {
        const QString reason = file.errorString();
        // A write cut short leaves an unfinished line, which reading skips;
        // the next whole line must not join it.
        file.write("\n");
        return Failed(reason);
    }
    m_linesInFile += lines.size();
    m_problem.clear();
    return true;
}

bool TapeStore::Rewrite(const std::deque<StepRecord>& all)
{
    QByteArray text;
    for (const StepRecord& line : all) text += TapeRecord(line);
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath())) return Failed(QStringLiteral("its folder cannot be made"));
    QString error;
    if (!WriteWholeFile(m_path, text, error)) return Failed(error);
    m_linesInFile = all.size();
    m_problem.clear();
    return true;
}

} // namespace quillet
