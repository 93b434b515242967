#pragma once
// Whether a file the program keeps (settings, the tape) may be opened and
// written, decided by looking at its path without opening it: opening a FIFO
// blocks, and opening a device can act.
//
// Ours are: a path with nothing at it (it is created), or a regular file
// whose owner may read it; it is written only when its owner may write it
// too (judged by its mode, so that root honours it as well). A symbolic link is followed only when it
// ends in a regular file of the same name owned by the user, as a dotfile
// manager leaves it (~/.config/QuilletC/quillet.conf -> ~/dotfiles/.../quillet.conf);
// a link to another file, to nothing, or to anything but a regular file is
// refused. Anything else (a FIFO, a device, a folder, a socket) is refused.

#include <QString>

namespace quillet {

struct OwnFile {
    bool ours = false;
    bool exists = false;
    bool writable = false; // ours, and its owner may write it (or it does not exist yet)
    QString path;   // where to open it: the link's target for a link followed
    QString reason; // why it is refused, as a sentence's end: "is a FIFO"
};

OwnFile ExamineOwnFile(const QString& path);

} // namespace quillet
