#pragma once
// Opening an address with the system's handler. The result follows the
// Windows shell's convention on every system: above 32 the address was
// opened; 32 or below is an error code that ShowOpenError explains.
//
// Windows: ShellExecute, then the command registered for ".htm" pages
// (link_opener_win.cpp). Linux: xdg-open, then the desktop's handler for
// text/html, unless that would hand the address to a shell. macOS: open.
// OpenTarget waits for the verdict; the link calls it through
// OpenTargetInBackground (open_in_background.h). Elsewhere than Windows every program is started
// through the replaceable LinkOpener, so tests can record what would run.

#include <optional>
#include <string>
#include <vector>

inline constexpr int SwShow = 5;          // SW_SHOW: show the opened window normally
inline constexpr int OpenSucceeded = 33;  // any result above 32 means success

// The error codes that failures outside Windows are mapped onto.
inline constexpr int OpenFileNotFound = 2;             // a program (or the address) is missing
inline constexpr int OpenAssociationIncomplete = 27;   // the handler ran and failed
inline constexpr int OpenNoAssociation = 31;           // no handler for web pages

// Opens `target`; showCommand is the window state for the opened program
// (SW_SHOW and friends, used on Windows only). An empty target or one starting
// with '-' is refused with OpenFileNotFound without running anything.
int OpenTarget(const char* target, int showCommand);

#ifndef _WIN32

// What became of a program started by LinkOpener::Run.
struct RunOutcome {
    enum class State { NotStarted, StillRunning, Exited, Crashed };
    State state = State::NotStarted;
    int exitCode = 0;  // meaningful for Exited only
};

class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    // Starts `program` (looked up in PATH unless it holds a '/') directly,
    // never through a shell, with `args` as its arguments, and waits up to
    // waitMs for it to end. A program still running then is left to run.
    virtual RunOutcome Run(const std::string& program, const std::vector<std::string>& args, int waitMs) = 0;
    // The Exec line of the desktop's default handler for web pages, if any.
    virtual std::optional<std::string> WebPageHandler() = 0;
};

// The real one: posix_spawn, xdg-mime and the desktop entries (system_link_opener.cpp).
LinkOpener& SystemLinkOpener();
// The opener OpenTarget uses: the system's unless one was installed.
LinkOpener& CurrentLinkOpener();
// Installs `opener` (not owned; nullptr brings back the system's) and returns
// the one installed before, or nullptr if that was the system's.
LinkOpener* SetLinkOpener(LinkOpener* opener);

// How long OpenTarget waits for the opening program's verdict. A program
// still running after that (a browser started in the foreground) counts as
// success.
inline constexpr int OpenCommandWaitMs = 3000;
inline constexpr int HandlerWaitMs = 1000;

// Result codes for the outcome of xdg-open (exit 2: file missing, 3: no
// handler, 1 and 4: the handler failed), of macOS open, and of a handler
// program started directly.
int XdgOpenResultCode(const RunOutcome& outcome);
int MacOpenResultCode(const RunOutcome& outcome);
int HandlerResultCode(const RunOutcome& outcome);

#endif
