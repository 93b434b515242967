#include "profile_store.h"

#include <QSettings>
#include <cstdint>
#include <limits>
#include <optional>

#if !defined(_WIN32) && !defined(__APPLE__)
#define QUILLET_INI_STORE 1
#include "store/ini_text.h"
#include "store/store_file.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#endif

namespace quillet {

namespace {

// Stored text as a 32-bit whole number in decimal, blanks around it allowed.
std::optional<int> WholeNumber(const QString& text)
{
    bool ok = false;
    const qlonglong number = text.trimmed().toLongLong(&ok, 10);
    if (!ok || number < std::numeric_limits<std::int32_t>::min() || number > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<int>(number);
}

#ifdef QUILLET_INI_STORE
// Two copies of the program writing at once each rewrite the whole file; the
// lock (the one QSettings takes) keeps one from undoing the other's entry.
constexpr int kLockWaitMs = 2000;
#endif

} // namespace

ProfileStore::ProfileStore(QString company, QString application)
    : m_company(std::move(company)), m_application(std::move(application))
{
#ifdef QUILLET_INI_STORE
    m_iniFile = UserStoreFile(m_company, m_application);
#endif
}

#ifdef QUILLET_INI_STORE

int ProfileStore::GetProfileInt(const QString& section, const QString& entry, int defaultValue) const
{
    const StoreFileText file = ReadStoreFile(m_iniFile);
    if (file.state != StoreFileText::State::Read) return defaultValue;
    const std::optional<QByteArray> stored = IniValue(file.text, section.toUtf8(), entry.toUtf8());
    if (!stored) return defaultValue;
    return WholeNumber(QString::fromUtf8(*stored)).value_or(defaultValue);
}

bool ProfileStore::WriteProfileInt(const QString& section, const QString& entry, int value)
{
    // Nothing at all, not even the lock file, is written beside a path that is
    // not a plain file.
    if (ReadStoreFile(m_iniFile).state == StoreFileText::State::Refused) return false;
    QDir().mkpath(QFileInfo(m_iniFile).absolutePath());
    QLockFile lock(m_iniFile + QStringLiteral(".lock"));
    // Without the lock the write still goes ahead: losing the user's choice
    // is worse than the small chance of a race.
    lock.tryLock(kLockWaitMs);
    const StoreFileText file = ReadStoreFile(m_iniFile);
    if (file.state == StoreFileText::State::Refused) return false;
    return ReplaceStoreFile(m_iniFile, IniWithValue(file.text, section.toUtf8(), entry.toUtf8(), QByteArray::number(value)));
}

#else

int ProfileStore::GetProfileInt(const QString& section, const QString& entry, int defaultValue) const
{
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, m_company, m_application);
    if (settings.status() != QSettings::NoError) return defaultValue;

    const QVariant stored = settings.value(section + QLatin1Char('/') + entry);
    if (!stored.isValid()) return defaultValue;
    // A number in the registry or a property list; text if someone typed it there.
    return WholeNumber(stored.toString()).value_or(defaultValue);
}

bool ProfileStore::WriteProfileInt(const QString& section, const QString& entry, int value)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, m_company, m_application);
    if (settings.status() == QSettings::AccessError) return false;
    settings.setValue(section + QLatin1Char('/') + entry, value);
    settings.sync();
    return settings.status() != QSettings::AccessError;
}

#endif

} // namespace quillet
