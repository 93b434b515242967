#pragma once
// The INI text of the stored preferences, read and written for QSettings
// (registered with QSettings::registerFormat). A file QSettings reads
// without fault is read to the same keys and values; where QSettings's own
// reading would let one damaged line spoil the lines after it, this reader
// lets it cost only itself:
// - a group line without its ']' ("[Def") is passed over, and the entries
//   below it stay in the group above;
// - a quote left open at the end of a line, or a NUL byte, makes the line
//   damaged: it is passed over instead of running on into the next lines.
// Keys and values are unescaped as QSettings does (%XX and %UXXXX in keys,
// '\' for '/'; quotes, backslash escapes, ',' lists and ';' comments in
// values), typed '@' values are read as QSettings reads them
// (store/settings_value.h), a UTF-8 byte-order mark is skipped, and lines may
// end in LF, CR LF or a lone CR.

#include <QByteArrayView>
#include <QIODevice>
#include <QSettings>

namespace quillet {

// Larger than any settings file this program writes by far: a file above it
// is something else, read as nothing.
constexpr qint64 kMaxSettingsFileSize = qint64{1} << 20;

// Fills `map` with the entries of `text`, "group/key" to their values.
void ParseTolerantIni(QByteArrayView text, QSettings::SettingsMap& map);

// For registerFormat: false, reading nothing, when the file is larger than
// kMaxSettingsFileSize or cannot be read.
bool ReadTolerantIni(QIODevice& device, QSettings::SettingsMap& map);
// For registerFormat: one "[group]" per group, "key=value" lines, written so
// that QSettings's own INI reading gives back the same values. Lists are
// written "a,b" (QSettings writes "a, b"), so an entry we read and do not own
// is written back no longer than it was. Writes nothing and returns false
// when the text would be larger than kMaxSettingsFileSize, which reading
// would refuse.
bool WriteTolerantIni(QIODevice& device, const QSettings::SettingsMap& map);

} // namespace quillet
