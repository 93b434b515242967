#include "profile_store.h"

#include "store/tolerant_ini.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <optional>

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

QSettings::Format TolerantIniFormat()
{
    // Same extension as QSettings's own INI files: same file, same path.
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("conf"), ReadTolerantIni, WriteTolerantIni);
    return format;
}

QString& UserFolder()
{
    static QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return folder;
}

// Whether the file at `path` may be read and written as settings: absent, or
// a regular file (perhaps through links) of a sane size. Looked at without
// opening it, since opening a FIFO blocks and opening a device can act.
bool IsSafeToOpen(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists()) return true; // a link to nothing included: writing creates its target
    if (!info.isFile()) return false;
    if (info.size() > kMaxSettingsFileSize) {
        static std::atomic<bool> told{false};
        if (!told.exchange(true))
            std::fprintf(stderr, "quillet: %s is larger than %lld bytes, too large to be settings: the defaults "
                                 "apply and the file is left alone\n",
                         qPrintable(QDir::toNativeSeparators(path)), static_cast<long long>(kMaxSettingsFileSize));
        return false;
    }
    return true;
}

} // namespace

ProfileStore::ProfileStore(QString company, QString application, Backend backend)
    : m_company(std::move(company)), m_application(std::move(application)), m_backend(backend)
{
}

ProfileStore::~ProfileStore() = default;

void ProfileStore::SetUserFolder(const QString& folder)
{
    UserFolder() = folder;
    QSettings::setPath(TolerantIniFormat(), QSettings::UserScope, folder);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
}

std::unique_ptr<QSettings> ProfileStore::Open() const
{
    if (m_backend == Backend::kNative)
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, m_company, m_application);
    // QSettings reads the company-wide file beside ours too.
    const QString folder = UserFolder() + QLatin1Char('/');
    if (!IsSafeToOpen(folder + m_company + QLatin1Char('/') + m_application + QLatin1String(".conf"))
        || !IsSafeToOpen(folder + m_company + QLatin1String(".conf")))
        return nullptr;
    return std::make_unique<QSettings>(TolerantIniFormat(), QSettings::UserScope, m_company, m_application);
}

int ProfileStore::GetProfileInt(const QString& section, const QString& entry, int defaultValue) const
{
    const std::unique_ptr<QSettings> settings = Open();
    if (!settings) return defaultValue;
    // A damaged file still has entries worth reading: each one counts on its own.
    const QVariant stored = settings->value(section + QLatin1Char('/') + entry);
    if (!stored.isValid()) return defaultValue;
    // A number in the registry or a property list; text in a file.
    return WholeNumber(stored.toString()).value_or(defaultValue);
}

bool ProfileStore::WriteProfileInt(const QString& section, const QString& entry, int value)
{
    const std::unique_ptr<QSettings> settings = Open();
    // A store that was not read whole would be written back with less than it held.
    if (!settings || settings->status() != QSettings::NoError) return false;
    settings->setValue(section + QLatin1Char('/') + entry, value);
    settings->sync();
    return settings->status() == QSettings::NoError;
}

int ProfileStore::Get(Preference preference) const
{
    const PreferenceInfo& info = InfoOf(preference);
    const int stored = GetProfileInt(QLatin1String(kPreferenceGroup.data(), kPreferenceGroup.size()),
                                     QLatin1String(info.key.data(), info.key.size()), info.defaultValue);
    return stored >= info.minimum && stored <= info.maximum ? stored : info.defaultValue;
}

bool ProfileStore::Set(Preference preference, int value)
{
    const PreferenceInfo& info = InfoOf(preference);
    return WriteProfileInt(QLatin1String(kPreferenceGroup.data(), kPreferenceGroup.size()),
                           QLatin1String(info.key.data(), info.key.size()), value);
}

} // namespace quillet
