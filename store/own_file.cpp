#include "store/own_file.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quillet {

#ifndef _WIN32

namespace {

QString KindOf(mode_t mode)
{
    if (S_ISDIR(mode)) return QStringLiteral("is a folder");
    if (S_ISFIFO(mode)) return QStringLiteral("is a FIFO");
    if (S_ISCHR(mode) || S_ISBLK(mode)) return QStringLiteral("is a device");
    if (S_ISSOCK(mode)) return QStringLiteral("is a socket");
    return QStringLiteral("is not a regular file");
}

bool Stat(const QString& path, struct stat& info, bool follow)
{
    const QByteArray name = QFile::encodeName(path);
    return (follow ? ::stat(name.constData(), &info) : ::lstat(name.constData(), &info)) == 0;
}

} // namespace

OwnFile ExamineOwnFile(const QString& path)
{
    OwnFile file;
    file.path = path;
    struct stat info {};
    if (!Stat(path, info, false)) {
        file.ours = file.writable = errno == ENOENT;
        if (!file.ours) file.reason = QStringLiteral("cannot be looked at");
        return file;
    }
    file.exists = true;
    if (S_ISLNK(info.st_mode)) {
        // realpath(3) reads links only; it never opens what they lead to.
        const QString target = QFileInfo(path).canonicalFilePath();
        if (target.isEmpty() || !Stat(target, info, false)) {
            file.reason = QStringLiteral("is a link to nothing");
            return file;
        }
        if (!S_ISREG(info.st_mode)) {
            file.reason = QStringLiteral("is a link to something that ") + KindOf(info.st_mode);
            return file;
        }
        if (QFileInfo(target).fileName() != QFileInfo(path).fileName() || info.st_uid != ::geteuid()) {
            file.reason = QStringLiteral("is a link to another file, %1").arg(target);
            return file;
        }
        file.path = target;
    }
    if (!S_ISREG(info.st_mode)) {
        file.reason = KindOf(info.st_mode);
        return file;
    }
    // Checked on the mode, not with access(2): root may read and write
    // anything, yet a file its owner made unreadable or read-only is not one
    // to write into.
    if ((info.st_mode & S_IRUSR) == 0) {
        file.reason = QStringLiteral("is not readable by its owner");
        return file;
    }
    file.ours = true;
    file.writable = (info.st_mode & S_IWUSR) != 0;
    if (!file.writable) file.reason = QStringLiteral("is read-only");
    return file;
}

#else

OwnFile ExamineOwnFile(const QString& path)
{
    OwnFile file;
    file.path = path;
    const QFileInfo info(path);
    file.exists = info.exists() || info.isSymLink();
    file.ours = !file.exists || (info.isFile() && !info.isSymLink() && info.isReadable());
    file.writable = file.ours && (!file.exists || info.isWritable());
    if (!file.ours) file.reason = info.isDir() ? QStringLiteral("is a folder") : QStringLiteral("is not a regular file");
    return file;
}

#endif

} // namespace quillet
