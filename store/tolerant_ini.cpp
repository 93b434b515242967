#include "store/tolerant_ini.h"

#include "store/settings_value.h"

#include <QStringList>

namespace quillet {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }

// The next logical line of `text` from `at`, as QSettings splits them: blanks
// and empty lines before it skipped, comment lines (';' first) passed over,
// ended by a line end outside a backslash escape, or by a ';' outside quotes
// (the rest of such a line is a comment). Unlike QSettings, an open quote
// never carries the line past its end. `equals` is the first '=' outside
// quotes, relative to the line, or -1.
struct Line {
    QByteArrayView text;
    qsizetype equals = -1;
    bool damaged = false; // holds a NUL byte or leaves a quote open
};

bool NextLine(QByteArrayView text, qsizetype& at, Line& line)
{
    const qsizetype size = text.size();
    for (;;) {
        while (at < size && (IsBlank(text[at]) || IsLineEnd(text[at]))) ++at;
        if (at >= size) return false;
        if (text[at] != ';') break;
        while (at < size && !IsLineEnd(text[at])) ++at;
    }
    const qsizetype start = at;
    bool inQuotes = false;
    bool nul = false;
    qsizetype equals = -1;
    while (at < size) {
        const char c = text[at];
        if (IsLineEnd(c)) break;
        nul = nul || c == '\0';
        if (c == ';' && !inQuotes) break;
        ++at;
        if (c == '=' && !inQuotes && equals < 0) {
            equals = at - 1 - start;
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else if (c == '\\' && at < size) {
            // An escaped line end continues the line: CR LF and LF CR count as one.
            const char escaped = text[at++];
            if (IsLineEnd(escaped) && at < size && IsLineEnd(text[at]) && text[at] != escaped) ++at;
        }
    }
    line = {text.sliced(start, at - start), equals, nul || inQuotes};
    return true;
}

// A key or group name: %XX and %UXXXX are characters, '\' is '/'.
QString UnescapedKey(QByteArrayView key)
{
    const QString decoded = QString::fromUtf8(key);
    QString result;
    result.reserve(decoded.size());
    for (qsizetype i = 0; i < decoded.size();) {
        const QChar c = decoded[i];
        if (c == u'\\') {
            result += u'/';
            ++i;
            continue;
        }
        if (c != u'%' || i == decoded.size() - 1) {
            result += c;
            ++i;
            continue;
        }
        qsizetype first = i + 1;
        int digits = 2;
        if (decoded[first] == u'U') {
            ++first;
            digits = 4;
        }
        bool ok = false;
        const ushort code = first + digits <= decoded.size() ? QStringView(decoded).sliced(first, digits).toUShort(&ok, 16) : 0;
        if (!ok) {
            result += u'%';
            ++i;
            continue;
        }
        result += QChar(code);
        i = first + digits;
    }
    return result;
}

// The value of digit `d` in `base` (8 or 16), or -1.
int DigitValue(char d, int base)
{
    if (d >= '0' && d <= '7') return d - '0';
    if (base == 8) return -1;
    if (d >= '8' && d <= '9') return d - '0';
    const char lower = static_cast<char>(d | 0x20);
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

void ChopTrailingBlanks(QString& text, qsizetype limit)
{
    qsizetype end = text.size();
    while (end > limit && (text[end - 1] == u' ' || text[end - 1] == u'\t')) --end;
    text.truncate(end);
}

// A value: quotes keep blanks and ',' literal, backslash escapes as in C,
// ',' outside quotes makes a list. Bytes are UTF-8.
QVariant UnescapedValue(QByteArrayView text)
{
    static constexpr char kEscapes[][2] = {{'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'}, {'r', '\r'}, {'t', '\t'},
                                           {'v', '\v'}, {'"', '"'},  {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
    QString current;
    QStringList list;
    bool isList = false;
    bool inQuotes = false;
    bool quoted = false;
    qsizetype chopLimit = 0;
    qsizetype i = 0;
    const qsizetype size = text.size();
    auto skipBlanks = [&] {
        while (i < size && IsBlank(text[i])) ++i;
        chopLimit = current.size();
    };
    skipBlanks();
    while (i < size) {
        const char c = text[i];
        if (c == '\\') {
            if (++i >= size) {
                chopLimit = current.size(); // a lone backslash at the end keeps the blanks before it
                break;
            }
            const char e = text[i++];
            bool known = false;
            for (const auto& escape : kEscapes) {
                if (e == escape[0]) {
                    current += QLatin1Char(escape[1]);
                    known = true;
                    break;
                }
            }
            const bool hex = e == 'x' && i < size && DigitValue(text[i], 16) >= 0;
            if (!known && (hex || (e >= '0' && e <= '7'))) {
                // \xH... and \o...: as many digits as follow, kept to 16 bits as QSettings does.
                char16_t code = hex ? 0 : static_cast<char16_t>(e - '0');
                const int base = hex ? 16 : 8;
                while (i < size) {
                    const int digit = DigitValue(text[i], base);
                    if (digit < 0) break;
                    code = static_cast<char16_t>(code * base + digit);
                    ++i;
                }
                current += QChar(code);
            } else if (!known && IsLineEnd(e) && i < size && IsLineEnd(text[i]) && text[i] != e) {
                ++i;
            }
            chopLimit = current.size(); // escaped characters are never chopped
            continue;
        }
        if (c == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) skipBlanks();
            continue;
        }
        if (c == ',' && !inQuotes) {
            if (!quoted) ChopTrailingBlanks(current, chopLimit);
            isList = true;
            list.append(current);
            current.clear();
            quoted = false;
            ++i;
            skipBlanks();
            continue;
        }
        qsizetype j = i + 1;
        while (j < size && text[j] != '\\' && text[j] != '"' && text[j] != ',') ++j;
        current += QString::fromUtf8(text.sliced(i, j - i));
        i = j;
    }
    if (!quoted) ChopTrailingBlanks(current, chopLimit);
    if (isList) {
        list.append(current);
        return SettingsValueOf(list);
    }
    return SettingsValueOf(current);
}

void AppendEscapedKey(QStringView key, QByteArray& out)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (const QChar c : key) {
        const char16_t ch = c.unicode();
        if (ch == u'/') {
            out += '\\';
        } else if ((ch >= u'a' && ch <= u'z') || (ch >= u'A' && ch <= u'Z') || (ch >= u'0' && ch <= u'9') || ch == u'_'
                   || ch == u'-' || ch == u'.') {
            out += static_cast<char>(ch);
        } else if (ch <= 0xFF) {
            out += '%';
            out += kHex[ch / 16];
            out += kHex[ch % 16];
        } else {
            out += "%U";
            for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(ch >> shift) & 0xF];
        }
    }
}

// Quoted when it holds ',', ';' or '=' or starts or ends with a blank;
// control characters, '"' and '\' escaped; the rest in UTF-8.
void AppendEscapedText(QStringView text, QByteArray& out)
{
    const qsizetype start = out.size();
    bool needsQuotes = false;
    bool escapeNextIfHexDigit = false; // after a \x or \0 escape, which would run on into it
    for (const QChar c : text) {
        const char16_t ch = c.unicode();
        if (ch == u';' || ch == u',' || ch == u'=') needsQuotes = true;
        if (escapeNextIfHexDigit && DigitValue(static_cast<char>(ch < 0x80 ? ch : 0), 16) >= 0) {
            out += "\\x" + QByteArray::number(ch, 16);
            continue;
        }
        escapeNextIfHexDigit = false;
        switch (ch) {
        case u'\0': out += "\\0"; escapeNextIfHexDigit = true; break;
        case u'\a': out += "\\a"; break;
        case u'\b': out += "\\b"; break;
        case u'\f': out += "\\f"; break;
        case u'\n': out += "\\n"; break;
        case u'\r': out += "\\r"; break;
        case u'\t': out += "\\t"; break;
        case u'\v': out += "\\v"; break;
        case u'"':
        case u'\\':
            out += '\\';
            out += static_cast<char>(ch);
            break;
        default:
            if (ch <= 0x1F) {
                out += "\\x" + QByteArray::number(ch, 16);
                escapeNextIfHexDigit = true;
            } else {
                out += QStringView(&c, 1).toUtf8();
            }
        }
    }
    if (needsQuotes || (start < out.size() && (out[start] == ' ' || out.back() == ' '))) {
        out.insert(start, '"');
        out += '"';
    }
}

// Items of a list are written with ',' alone, not QSettings's ", ": a value
// read from the file is written back no longer than it was.
void AppendValue(const QVariant& value, QByteArray& out)
{
    bool isList = false;
    const QStringList texts = SettingsTextsOf(value, isList);
    for (qsizetype i = 0; i < texts.size(); ++i) {
        if (i > 0) out += ',';
        AppendEscapedText(texts[i], out);
    }
}

} // namespace

void ParseTolerantIni(QByteArrayView text, QSettings::SettingsMap& map)
{
    if (text.startsWith("\xef\xbb\xbf")) text = text.sliced(3);
    QString group; // "" or "name/"
    qsizetype at = 0;
    Line line;
    while (NextLine(text, at, line)) {
        if (line.damaged) continue; // costs only its own entry
        if (line.text.startsWith('[')) {
            const qsizetype close = line.text.indexOf(']');
            if (close < 0) continue; // a damaged group line: the entries below stay where they were
            const QByteArrayView name = line.text.sliced(1, close - 1).trimmed();
            if (name.compare("general", Qt::CaseInsensitive) == 0) group.clear();
            else if (name.compare("%general", Qt::CaseInsensitive) == 0) group = QString::fromLatin1(name.sliced(1)) + u'/';
            else group = UnescapedKey(name) + u'/';
            continue;
        }
        if (line.equals < 0) continue;
        const QByteArrayView key = line.text.first(line.equals).trimmed();
        if (key.isEmpty()) continue;
        map.insert(group + UnescapedKey(key), UnescapedValue(line.text.sliced(line.equals + 1)));
    }
}

bool ReadTolerantIni(QIODevice& device, QSettings::SettingsMap& map)
{
    if (device.size() > kMaxSettingsFileSize) return false;
    const QByteArray text = device.read(kMaxSettingsFileSize + 1);
    if (text.size() > kMaxSettingsFileSize) return false;
    ParseTolerantIni(text, map);
    return true;
}

} // namespace quillet

namespace quillet {

bool WriteTolerantIni(QIODevice& device, const QSettings::SettingsMap& map)
{
    QByteArray text;
    QString group; // the group being written
    bool first = true;
    auto write = [&](const QString& path, const QVariant& value) {
        const qsizetype slash = path.indexOf(u'/');
        const QString entryGroup = slash < 0 ? QString() : path.first(slash);
        if (first || entryGroup != group) {
            if (!first) text += '\n';
            first = false;
            group = entryGroup;
            if (group.isEmpty()) {
                text += "[General]\n";
            } else if (group.compare(QLatin1String("general"), Qt::CaseInsensitive) == 0) {
                text += "[%General]\n";
            } else {
                text += '[';
                AppendEscapedKey(group, text);
                text += "]\n";
            }
        }
        AppendEscapedKey(slash < 0 ? QStringView(path) : QStringView(path).sliced(slash + 1), text);
        text += '=';
        AppendValue(value, text);
        text += '\n';
    };
    // Keys outside any group first, so that they share one "[General]".
    for (auto entry = map.cbegin(); entry != map.cend(); ++entry)
        if (!entry.key().contains(u'/')) write(entry.key(), entry.value());
    for (auto entry = map.cbegin(); entry != map.cend(); ++entry)
        if (entry.key().contains(u'/')) write(entry.key(), entry.value());
    // Never more than reading takes: a file past the limit would read as
    // nothing from then on.
    if (text.size() > kMaxSettingsFileSize) return false;
    return device.write(text) == text.size();
}

} // namespace quillet
