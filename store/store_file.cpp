#include "store/store_file.h"

#if !defined(_WIN32) && !defined(__APPLE__)

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillet {

namespace {

constexpr auto kIniSuffix = QLatin1String(".conf");

} // namespace

StoreFileText ReadStoreFile(const QString& path)
{
    using State = StoreFileText::State;
    const QByteArray native = QFile::encodeName(path);
    // Look before opening: opening a device can itself do something.
    struct stat info {};
    if (::stat(native.constData(), &info) != 0) return {errno == ENOENT ? State::Absent : State::Refused, {}};
    if (!S_ISREG(info.st_mode)) return {State::Refused, {}};

    // Non-blocking, and checked again once open, in case a FIFO took the
    // file's place in the meantime.
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return {errno == ENOENT ? State::Absent : State::Refused, {}};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return {State::Refused, {}};
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {State::Refused, {}};
    }
    StoreFileText result{State::Read, file.readAll()};
    if (file.error() != QFileDevice::NoError) return {State::Refused, {}};
    return result;
}

bool ReplaceStoreFile(const QString& path, const QByteArray& text)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) == 0) {
        if (!S_ISREG(info.st_mode)) return false;
    } else if (errno != ENOENT) {
        return false;
    }
    // An absent file may still be a link to nothing: its target is created.
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(text) != text.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString UserStoreFile(const QString& company, const QString& application)
{
    // QSettings names a store's file only once it has read it. The
    // company-wide store beside ours, which QSettings reads whenever it reads
    // ours, names the folder instead.
    const QSettings companyWide(QSettings::NativeFormat, QSettings::UserScope, company);
    QString folder = companyWide.fileName();
    folder.chop(company.size() + kIniSuffix.size());
    return folder + company + QLatin1Char('/') + application + kIniSuffix;
}

} // namespace quillet

#endif
