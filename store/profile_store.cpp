#include "profile_store.h"

#include <QSettings>
#include <cstdint>
#include <limits>

namespace quillet {

ProfileStore::ProfileStore(QString company, QString application)
    : m_company(std::move(company)), m_application(std::move(application))
{
}

int ProfileStore::GetProfileInt(const QString& section, const QString& entry, int defaultValue) const
{
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, m_company, m_application);
    if (settings.status() != QSettings::NoError) return defaultValue;

    const QVariant stored = settings.value(section + QLatin1Char('/') + entry);
    if (!stored.isValid()) return defaultValue;
    // Text in an INI file, a number in the registry or a property list.
    bool ok = false;
    const qlonglong number = stored.toString().trimmed().toLongLong(&ok, 10);
    if (!ok || number < std::numeric_limits<std::int32_t>::min() || number > std::numeric_limits<std::int32_t>::max()) {
        return defaultValue;
    }
    return static_cast<int>(number);
}

bool ProfileStore::WriteProfileInt(const QString& section, const QString& entry, int value)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, m_company, m_application);
    if (settings.status() == QSettings::AccessError) return false;
    // A store that could not be parsed is written back whole, in good form, with
    // whatever Qt understood of it.
    settings.setValue(section + QLatin1Char('/') + entry, value);
    settings.sync();
    return settings.status() != QSettings::AccessError;
}

} // namespace quillet
