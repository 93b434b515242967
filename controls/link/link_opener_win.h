#pragma once
// Opening an address on Windows: the shell first, then the command that the
// registry names for ".htm" pages, run with the address as its one quoted
// argument. The three system calls go through a replaceable WindowsShell,
// so tests can fake their failures (link_opener_win.cpp).

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstddef>

// Reads the default (unnamed) value of root\subKey into out (outSize bytes,
// terminator included). 0 on success, otherwise the registry's error code; a
// value that cannot be read, is not a string or does not fit in
// HandlerValueBytes is refused (ERROR_MORE_DATA / ERROR_INVALID_DATA), never
// truncated. REG_EXPAND_SZ values come back expanded. subKey and out may be
// the same buffer.
long ReadKeyDefaultValue(HKEY root, const char* subKey, char* out, std::size_t outSize);

class WindowsShell {
public:
    virtual ~WindowsShell() = default;
    // ShellExecute with the verb "open": above 32 on success, else the shell's error code.
    virtual int ShellOpen(const char* target, int showCommand) = 0;
    // ReadKeyDefaultValue, with its contract.
    virtual long ReadKeyDefault(HKEY root, const char* subKey, char* out, std::size_t outSize) = 0;
    // WinExec: above 31 on success, else its error code.
    virtual int RunCommandLine(const char* commandLine, int showCommand) = 0;
};

// The real calls.
WindowsShell& SystemWindowsShell();
// Installs `shell` for OpenTarget (not owned; nullptr brings back the
// system's) and returns the one installed before, or nullptr if that was the system's.
WindowsShell* SetWindowsShell(WindowsShell* shell);
