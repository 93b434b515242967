#pragma once
// The file that holds the stored preferences where they are kept as INI text
// (everywhere but Windows and macOS). It is read and replaced only while it is
// a regular file, a symbolic link to one, or absent: opening a FIFO would
// block the program, and replacing a device node or a folder would destroy
// something that is not ours.

#include <QByteArray>
#include <QString>

namespace quillet {

struct StoreFileText {
    enum class State {
        Absent,   // nothing there (or a link to nothing): the defaults apply
        Read,     // `text` holds the whole file
        Refused,  // not a regular file, or it cannot be read
    };
    State state = State::Absent;
    QByteArray text;
};

// Reads the file at `path` without ever blocking on what it finds there.
StoreFileText ReadStoreFile(const QString& path);

// Replaces the file's content with `text` in one step (a crash leaves the old
// or the new file, never half of one), creating the folder when needed. A
// symbolic link stays a link: its target is what gets replaced. False when
// nothing was written, including when `path` is not a regular file.
bool ReplaceStoreFile(const QString& path, const QByteArray& text);

// Where QSettings keeps the user's INI store of `application` under `company`,
// honouring a folder set with QSettings::setPath, found without reading it.
QString UserStoreFile(const QString& company, const QString& application);

} // namespace quillet
