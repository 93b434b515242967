#include "store/ini_text.h"

#include <QList>

namespace quillet {

namespace {

struct IniLine {
    enum class Kind { Blank, Comment, Group, Entry, Damaged };
    Kind kind = Kind::Blank;
    QByteArrayView name;   // the group's name, or the entry's key
    QByteArrayView value;  // the entry's value, unquoted
};

// The index of the quotation mark that closes the one at `text[0]`, or -1.
// A backslash keeps the character after it inside the quotes.
qsizetype ClosingQuote(QByteArrayView text)
{
    for (qsizetype i = 1; i < text.size(); ++i) {
        if (text[i] == '\\') ++i;
        else if (text[i] == '"') return i;
    }
    return -1;
}

IniLine ParseLine(QByteArrayView raw)
{
    using Kind = IniLine::Kind;
    if (raw.contains('\0')) return {Kind::Damaged, {}, {}};
    const QByteArrayView line = raw.trimmed();
    if (line.isEmpty()) return {Kind::Blank, {}, {}};
    if (line.front() == ';' || line.front() == '#') return {Kind::Comment, {}, {}};
    if (line.front() == '[') {
        const qsizetype close = line.indexOf(']');
        if (close < 0) return {Kind::Damaged, {}, {}};
        return {Kind::Group, line.sliced(1, close - 1).trimmed(), {}};
    }
    const qsizetype equals = line.indexOf('=');
    if (equals <= 0) return {Kind::Damaged, {}, {}};
    const QByteArrayView key = line.first(equals).trimmed();
    QByteArrayView value = line.sliced(equals + 1).trimmed();
    if (!value.isEmpty() && value.front() == '"') {
        const qsizetype close = ClosingQuote(value);
        if (close < 0) return {Kind::Damaged, {}, {}};
        // Text after the closing quote makes the value something other than
        // one quoted string; it is then kept as it stands.
        if (close == value.size() - 1) value = value.sliced(1, close - 1);
    }
    return {Kind::Entry, key, value};
}

// The lines of `text` without their line breaks; a last line without one counts.
QList<QByteArrayView> Lines(QByteArrayView text)
{
    QList<QByteArrayView> lines;
    while (!text.isEmpty()) {
        const qsizetype end = text.indexOf('\n');
        if (end < 0) {
            lines.append(text);
            break;
        }
        lines.append(text.first(end));
        text = text.sliced(end + 1);
    }
    return lines;
}

} // namespace

std::optional<QByteArray> IniValue(QByteArrayView text, QByteArrayView section, QByteArrayView key)
{
    std::optional<QByteArray> found;
    bool inSection = false;
    for (QByteArrayView raw : Lines(text)) {
        const IniLine line = ParseLine(raw);
        if (line.kind == IniLine::Kind::Group) inSection = line.name == section;
        else if (inSection && line.kind == IniLine::Kind::Entry && line.name == key) found = line.value.toByteArray();
    }
    return found;
}

QByteArray IniWithValue(QByteArrayView text, QByteArrayView section, QByteArrayView key, QByteArrayView value)
{
    const QByteArray entry = key.toByteArray() + '=' + value.toByteArray();
    QList<QByteArray> kept;
    bool inSection = false;
    bool written = false;
    qsizetype insertAt = -1;  // after the section's last group or entry line
    for (QByteArrayView raw : Lines(text)) {
        const IniLine line = ParseLine(raw);
        if (line.kind == IniLine::Kind::Damaged) continue;
        if (line.kind == IniLine::Kind::Group) inSection = line.name == section;
        if (inSection && line.kind == IniLine::Kind::Entry && line.name == key) {
            kept.append(entry);
            written = true;
        } else {
            kept.append(raw.toByteArray());
        }
        if (inSection && (line.kind == IniLine::Kind::Group || line.kind == IniLine::Kind::Entry))
            insertAt = kept.size();
    }
    if (!written && insertAt >= 0) {
        kept.insert(insertAt, entry);
    } else if (!written) {
        if (!kept.isEmpty() && !kept.last().trimmed().isEmpty()) kept.append(QByteArray());
        kept.append('[' + section.toByteArray() + ']');
        kept.append(entry);
    }
    QByteArray result;
    for (const QByteArray& line : kept) result += line + '\n';
    return result;
}

} // namespace quillet
