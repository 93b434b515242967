#pragma once
// Reading and changing single entries of an INI text, one line at a time, so
// that a damaged line costs only what is on it and never the lines after it.
//
// A line is damaged when it holds a NUL byte, opens a group without closing
// it ("[Def"), is neither a group, an entry, a comment (';' or '#') nor blank,
// has no key before its '=', or opens a quoted value without closing it. A
// damaged line is passed over as if it were not there: an entry on it reads
// as missing, and a damaged group line leaves the entries below it in the
// group above.

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

namespace quillet {

// The value of `key` in group `section` (a non-empty name): trimmed, with
// surrounding double quotes removed. When several readable lines hold it, the
// last one counts, as it does for QSettings. Empty when no readable line does.
std::optional<QByteArray> IniValue(QByteArrayView text, QByteArrayView section, QByteArrayView key);

// `text` with its damaged lines left out and `key` in group `section` set to
// `value`. Lines that held the key get the new value in place; otherwise the
// entry follows the group's last entry, or a new group ends the text. Every
// other readable line, comments included, stays as it was.
QByteArray IniWithValue(QByteArrayView text, QByteArrayView section, QByteArrayView key, QByteArrayView value);

} // namespace quillet
