#include "store/settings_value.h"

#include <QDataStream>
#include <QIODevice>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace quillet {
namespace {

// The blank-separated arguments between "(" at `open` and the final ")",
// split exactly as QSettings splits them (a ')' inside ends an argument but
// does not start a new one).
QStringList Arguments(const QString& text, qsizetype open)
{
    QStringList arguments;
    QString item;
    for (qsizetype i = open + 1; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u')') {
            arguments.append(item);
        } else if (c == u' ') {
            arguments.append(item);
            item.clear();
        } else {
            item.append(c);
        }
    }
    return arguments;
}

QVariant FromDataStream(QStringView image, QDataStream::Version version)
{
    QByteArray bytes = image.toLatin1();
    QDataStream stream(&bytes, QIODevice::ReadOnly);
    stream.setVersion(version);
    QVariant value;
    stream >> value;
    return value;
}

QString TextOf(const QVariant& value)
{
    switch (value.metaType().id()) {
    case QMetaType::UnknownType:
        return QStringLiteral("@Invalid()");
    case QMetaType::QByteArray:
        return QLatin1String("@ByteArray(") + QLatin1String(value.toByteArray()) + u')';
    case QMetaType::QString:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Bool:
    case QMetaType::Float:
    case QMetaType::Double: {
        const QString text = value.toString();
        return text.startsWith(u'@') ? u'@' + text : text;
    }
    case QMetaType::QRect: {
        const QRect r = value.toRect();
        return QString::asprintf("@Rect(%d %d %d %d)", r.x(), r.y(), r.width(), r.height());
    }
    case QMetaType::QSize: {
        const QSize s = value.toSize();
        return QString::asprintf("@Size(%d %d)", s.width(), s.height());
    }
    case QMetaType::QPoint: {
        const QPoint p = value.toPoint();
        return QString::asprintf("@Point(%d %d)", p.x(), p.y());
    }
    default: {
        const bool dateTime = value.metaType().id() == QMetaType::QDateTime;
        QByteArray image;
        QDataStream stream(&image, QIODevice::WriteOnly);
        stream.setVersion(dateTime ? QDataStream::Qt_5_6 : QDataStream::Qt_4_0);
        stream << value;
        return QLatin1String(dateTime ? "@DateTime(" : "@Variant(") + QLatin1String(image) + u')';
    }
    }
}

} // namespace

QVariant SettingsValueOf(const QString& text)
{
    if (!text.startsWith(u'@')) return text;
    if (text.endsWith(u')')) {
        const QStringView inner = QStringView(text).chopped(1);
        if (text.startsWith(QLatin1String("@ByteArray("))) return inner.sliced(11).toLatin1();
        if (text.startsWith(QLatin1String("@String("))) return inner.sliced(8).toString();
        if (text.startsWith(QLatin1String("@Variant("))) return FromDataStream(inner.sliced(9), QDataStream::Qt_4_0);
        if (text.startsWith(QLatin1String("@DateTime("))) return FromDataStream(inner.sliced(10), QDataStream::Qt_5_6);
        if (text.startsWith(QLatin1String("@Rect("))) {
            const QStringList a = Arguments(text, 5);
            if (a.size() == 4) return QRect(a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt());
        } else if (text.startsWith(QLatin1String("@Size("))) {
            const QStringList a = Arguments(text, 5);
            if (a.size() == 2) return QSize(a[0].toInt(), a[1].toInt());
        } else if (text.startsWith(QLatin1String("@Point("))) {
            const QStringList a = Arguments(text, 6);
            if (a.size() == 2) return QPoint(a[0].toInt(), a[1].toInt());
        } else if (text == QLatin1String("@Invalid()")) {
            return QVariant();
        }
    }
    if (text.startsWith(QLatin1String("@@"))) return text.sliced(1);
    return text;
}

QVariant SettingsValueOf(const QStringList& items)
{
    QStringList texts = items;
    for (QString& item : texts) {
        if (!item.startsWith(u'@')) continue;
        if (item.startsWith(QLatin1String("@@"))) {
            item.remove(0, 1);
            continue;
        }
        QVariantList values;
        for (const QString& each : items) values.append(SettingsValueOf(each));
        return values;
    }
    return texts;
}

QStringList SettingsTextsOf(const QVariant& value, bool& isList)
{
    const int type = value.metaType().id();
    isList = type == QMetaType::QStringList || (type == QMetaType::QVariantList && value.toList().size() != 1);
    if (!isList) return {TextOf(value)};
    QStringList texts;
    for (const QVariant& item : value.toList()) texts.append(TextOf(item));
    if (texts.isEmpty()) {
        isList = false;
        texts.append(QStringLiteral("@Invalid()"));
    }
    return texts;
}

} // namespace quillet
