#include "controls/link/link_opener_win.h"

#include "controls/link/handler_command.h"
#include "controls/link/link_opener.h"

#include <shellapi.h>

#include <cstring>
#include <string>

static_assert(SwShow == SW_SHOW);

namespace {

class SystemShell final : public WindowsShell {
public:
    int ShellOpen(const char* target, int showCommand) override
    {
        const auto result = reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", target, nullptr, nullptr, showCommand));
        return static_cast<int>(result);
    }
    long ReadKeyDefault(HKEY root, const char* subKey, char* out, std::size_t outSize) override
    {
        return ReadKeyDefaultValue(root, subKey, out, outSize);
    }
    int RunCommandLine(const char* commandLine, int showCommand) override
    {
        return static_cast<int>(WinExec(commandLine, static_cast<UINT>(showCommand)));
    }
};

WindowsShell* installedShell = nullptr;

WindowsShell& CurrentShell() { return installedShell != nullptr ? *installedShell : SystemWindowsShell(); }

} // namespace

long ReadKeyDefaultValue(HKEY root, const char* subKey, char* out, std::size_t outSize)
{
    HKEY key = nullptr;
    const LONG opened = RegOpenKeyExA(root, subKey, 0, KEY_QUERY_VALUE, &key);
    if (opened != ERROR_SUCCESS) return opened;

    char value[HandlerValueBytes] = {};
    DWORD type = 0;
    DWORD size = sizeof value;
    const LONG read = RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(key);
    if (read != ERROR_SUCCESS) return read;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return ERROR_INVALID_DATA;
    // The stored string need not end with its terminator.
    if (size == sizeof value && value[size - 1] != '\0') return ERROR_MORE_DATA;
    value[size < sizeof value ? size : sizeof value - 1] = '\0';

    char expanded[HandlerValueBytes] = {};
    const char* result = value;
    if (type == REG_EXPAND_SZ) {
        const DWORD needed = ExpandEnvironmentStringsA(value, expanded, sizeof expanded);
        if (needed == 0 || needed > sizeof expanded) return ERROR_MORE_DATA;
        result = expanded;
    }
    const std::size_t length = std::strlen(result);
    if (length + 1 > outSize) return ERROR_MORE_DATA;
    std::memmove(out, result, length + 1);
    return ERROR_SUCCESS;
}

WindowsShell& SystemWindowsShell()
{
    static SystemShell shell;
    return shell;
}

WindowsShell* SetWindowsShell(WindowsShell* shell)
{
    WindowsShell* previous = installedShell;
    installedShell = shell;
    return previous;
}

int OpenTarget(const char* target, int showCommand)
{
    if (target == nullptr || target[0] == '\0' || target[0] == '-') return OpenFileNotFound;
    WindowsShell& shell = CurrentShell();

    const int result = shell.ShellOpen(target, showCommand);
    if (result > 32) return result;

    // Fallback through the program registered for web pages. When it cannot
    // be found, the shell's own error is the one reported.
    char key[CommandLineBytes];
    if (shell.ReadKeyDefault(HKEY_CLASSES_ROOT, ".htm", key, sizeof key) != ERROR_SUCCESS) return result;
    const std::string commandKey = std::string(key) + "\\shell\\open\\command";
    if (shell.ReadKeyDefault(HKEY_CLASSES_ROOT, commandKey.c_str(), key, sizeof key) != ERROR_SUCCESS) return result;

    const std::optional<std::string> command = HandlerCommandLine(key, target);
    if (!command) return result;
    return shell.RunCommandLine(command->c_str(), showCommand);
}
