#pragma once
// Writing a file of ours whole: the old file stays until the new one is
// complete, so a crash or a full disk never leaves half a file behind.

#include <QByteArray>
#include <QString>

namespace quillet {

// Replaces the file at `path` with `bytes` in one step: a failed write (a
// full disk included) leaves any earlier file as it was. Returns false, with
// `error` set, when it could not.
bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString& error);

} // namespace quillet
