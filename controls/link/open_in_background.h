#pragma once
// Opening an address without holding up the interface thread. Outside
// Windows, xdg-open may run the browser in the foreground and is given up to
// OpenCommandWaitMs for its verdict; meanwhile the window must keep painting
// and taking keys.

#include <QObject>

#include <functional>
#include <string>

// Runs OpenTarget(target, showCommand) and hands its result to `done` on
// `receiver`'s thread, through its event queue, so `done` never runs inside
// this call. When `receiver` is destroyed first, `done` is dropped unrun.
// Outside Windows the opening runs on a thread of its own; on Windows the
// shell starts the handler without waiting for it, on the calling thread,
// where the shell's COM set-up is.
void OpenTargetInBackground(std::string target, int showCommand, QObject* receiver, std::function<void(int)> done);
