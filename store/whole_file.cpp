#include "store/whole_file.h"

#include <QSaveFile>

namespace quillet {

bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString& error)
{
    // Unbuffered, so that a full disk fails the write itself; the old file
    // stays until the new one is whole.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(bytes) != bytes.size() || !file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

} // namespace quillet
