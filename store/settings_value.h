#pragma once
// QSettings's typed values in an INI file, read and written as QSettings
// reads and writes them: "@@" starts a text that begins with '@';
// "@Invalid()", "@ByteArray(…)", "@String(…)", "@Size(w h)", "@Point(x y)",
// "@Rect(x y w h)", and "@Variant(…)" / "@DateTime(…)" holding a QDataStream
// image (a type QDataStream does not know reads as an invalid value, as in
// QSettings). Any other '@' text stays as written.

#include <QString>
#include <QStringList>
#include <QVariant>

namespace quillet {

// The value of one unescaped INI value.
QVariant SettingsValueOf(const QString& text);
// The value of a ',' list: a QStringList, or a QVariantList when an item is typed.
QVariant SettingsValueOf(const QStringList& items);

// What is written for `value`, before escaping: one text, or with `isList`
// the items of a ',' list. As in QSettings, a variant list of one item is
// written as one QDataStream image, and an empty list as "@Invalid()".
QStringList SettingsTextsOf(const QVariant& value, bool& isList);

} // namespace quillet
