#include "ui/tape/tape_store.h"

#include "store/whole_file.h"

#include "engine/format_table.h"
#include "engine/timecode_register.h"

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

QByteArray TapeRecord(const TapeLine& line)
{
    // A line about the tape itself is no step to keep.
    if (line.marker) return {};
    const int format = line.valueFormat != nullptr ? line.valueFormat->listIndex : 0;
    QByteArrayList fields{kTag.toByteArray(),
                          QByteArray::number(static_cast<int>(line.kind)),
                          QByteArray::number(line.registerIndex),
                          QByteArray::number(format),
                          line.inError ? "1" : "0",
                          line.hasValue ? "1" : "0",
                          QByteArray::number(static_cast<qlonglong>(line.value)),
                          Escaped(line.left),
                          Escaped(line.op),
                          Escaped(line.right),
                          Escaped(line.result),
                          Escaped(line.note),
                          Escaped(line.leftCount),
                          Escaped(line.rightCount),
                          Escaped(line.resultCount),
                          QByteArray::number(line.exactFormat != nullptr ? line.exactFormat->listIndex : format),
                          QByteArray::number(static_cast<qlonglong>(line.exactValue))};
    return fields.join('\t') + '\n';
}

std::optional<TapeLine> TapeLineFromRecord(QByteArrayView record)
{
    const QByteArrayList parts = record.toByteArray().split('\t');
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
    TapeLine line;
    line.kind = static_cast<StepKind>(*kind);
    line.registerIndex = static_cast<int>(*reg);
    line.valueFormat = &ListedFormat(static_cast<int>(*format));
    const std::string_view name = NameOf(*line.valueFormat);
    line.format = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    line.inError = *inError == 1;
    line.hasValue = *hasValue == 1;
    line.value = *value;
    line.left = *texts[0];
    line.op = *texts[1];
    line.right = *texts[2];
    line.result = *texts[3];
    line.note = *texts[4];
    line.leftCount = *texts[5];
    line.rightCount = *texts[6];
    line.resultCount = *texts[7];
    line.exactFormat = &ListedFormat(static_cast<int>(*exactFormat));
    line.exactValue = *exactValue;
    return line;
}

TapeStore::TapeStore()
    : m_path(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/tape.tsv"))
{
}

std::vector<TapeLine> TapeStore::Load(std::size_t most, bool& cut)
{
    cut = false;
    std::vector<TapeLine> lines;
    QFile file(m_path);
    // Only a regular file of a sane size: opening a FIFO would block the start.
    const QFileInfo info(m_path);
    if (!info.isFile() || info.size() > kMaxFileSize || !file.open(QIODevice::ReadOnly)) return lines;
    const QByteArray text = file.readAll();
    qsizetype start = 0;
    while (start < text.size()) {
        const qsizetype end = text.indexOf('\n', start);
        if (end < 0) break; // unfinished: a write the program did not live to end
        if (std::optional<TapeLine> line = TapeLineFromRecord(QByteArrayView(text).sliced(start, end - start)))
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

bool TapeStore::Append(const std::vector<TapeLine>& lines, const std::deque<TapeLine>& all, std::size_t rewriteAfter)
{
    if (m_linesInFile + lines.size() > rewriteAfter) return Rewrite(all);
    QByteArray text;
    for (const TapeLine& line : lines) text += TapeRecord(line);
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

bool TapeStore::Rewrite(const std::deque<TapeLine>& all)
{
    QByteArray text;
    for (const TapeLine& line : all) text += TapeRecord(line);
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath())) return Failed(QStringLiteral("its folder cannot be made"));
    QString error;
    if (!WriteWholeFile(m_path, text, error)) return Failed(error);
    m_linesInFile = all.size();
    m_problem.clear();
    return true;
}

} // namespace quillet
