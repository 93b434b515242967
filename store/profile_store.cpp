#include "profile_store.h"

#include "store/own_file.h"
#include "store/tolerant_ini.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <cstdint>
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

// Why the file at `path` must not be read (or, `forWriting`, written) as
// settings: not ours, or too large to be settings; empty when it may.
QString RefusalOf(const QString& path, bool forWriting)
{
    const OwnFile file = ExamineOwnFile(path);
    const QString shown = QDir::toNativeSeparators(path);
    if (!file.ours || (forWriting && !file.writable)) return QStringLiteral("%1 %2").arg(shown, file.reason);
    if (file.exists && QFileInfo(file.path).size() > kMaxSettingsFileSize)
        return QStringLiteral("%1 is larger than %2 bytes, too large to be settings").arg(shown).arg(kMaxSettingsFileSize);
    return {};
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

std::unique_ptr<QSettings> ProfileStore::Open(bool forWriting) const
{
    if (m_backend == Backend::kNative)
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, m_company, m_application);
    // QSettings reads the company-wide file beside ours too.
    const QString folder = UserFolder() + QLatin1Char('/');
    m_refusal = RefusalOf(folder + m_company + QLatin1Char('/') + m_application + QLatin1String(".conf"), forWriting);
    // The company-wide file is only read.
    if (m_refusal.isEmpty()) m_refusal = RefusalOf(folder + m_company + QLatin1String(".conf"), false);
    if (!m_refusal.isEmpty()) return nullptr;
    return std::make_unique<QSettings>(TolerantIniFormat(), QSettings::UserScope, m_company, m_application);
}

int ProfileStore::GetProfileInt(const QString& section, const QString& entry, int defaultValue) const
{
    const std::unique_ptr<QSettings> settings = Open(false);
    if (!settings) return defaultValue;
    // A damaged file still has entries worth reading: each one counts on its own.
    const QVariant stored = settings->value(section + QLatin1Char('/') + entry);
    if (!stored.isValid()) return defaultValue;
    // A number in the registry or a property list; text in a file.
    return WholeNumber(stored.toString()).value_or(defaultValue);
}

bool ProfileStore::WriteProfileInt(const QString& section, const QString& entry, int value)
{
    const std::unique_ptr<QSettings> settings = Open(true);
    if (settings && settings->status() == QSettings::NoError) {
        settings->setValue(section + QLatin1Char('/') + entry, value);
        settings->sync();
        if (settings->status() == QSettings::NoError) {
            m_toldOfFailure = false;
            return true;
        }
    }
    // A store that was not read whole would be written back with less than it
    // held: it is not written either.
    if (!m_toldOfFailure && onSaveFailed) {
        const QString why = !m_refusal.isEmpty() ? m_refusal
                            : settings           ? QDir::toNativeSeparators(settings->fileName()) + QStringLiteral(" cannot be written")
                                                 : QString();
        onSaveFailed(QStringLiteral("Settings are not saved: %1.").arg(why));
    }
    m_toldOfFailure = true;
    return false;
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
