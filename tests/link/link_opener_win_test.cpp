// The Windows opener on Windows itself (or wine): the system's own command-line
// parsing, the real registry, and a fake shell for the failures.
#include "controls/link/handler_command.h"
#include "controls/link/link_opener.h"
#include "controls/link/link_opener_win.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include <optional>
#include <string>
#include <vector>

namespace {

std::vector<std::string> SplitLikeWindows(const std::string& commandLine)
{
    const std::wstring wide(commandLine.begin(), commandLine.end()); // ASCII only here
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(wide.c_str(), &count);
    std::vector<std::string> split;
    for (int i = 0; i < count; ++i) {
        const std::wstring argument = arguments[i];
        split.emplace_back(argument.begin(), argument.end());
    }
    LocalFree(arguments);
    return split;
}

TEST(LinkOpenerWin, TheSystemReadsTheQuotedAddressBackAsOneArgument)
{
    const char* const addresses[] = {
        "http://a.example/b c", R"(http://a.example/"q")", R"(C:\pages\)", R"(a\\"b)", R"(x"; calc & "y)", "%1 %2",
    };
    for (const char* address : addresses) {
        SCOPED_TRACE(address);
        const std::optional<std::string> command = HandlerCommandLine(R"("C:\b.exe" -new "%1" -x)", address);
        ASSERT_TRUE(command.has_value());
        EXPECT_EQ(SplitLikeWindows(*command), (std::vector<std::string>{R"(C:\b.exe)", "-new", address}));
    }
}

// A key of its own under HKEY_CURRENT_USER, removed again afterwards.
class RegistryValues : public ::testing::Test {
protected:
    static constexpr const char* kKey = "Software\\QuilletLinkOpenerTest";
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kKey); }
    void SetDefault(DWORD type, const void* data, DWORD size)
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExA(key, nullptr, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
        RegCloseKey(key);
    }
    void SetDefaultText(DWORD type, const std::string& text)
    {
        SetDefault(type, text.c_str(), static_cast<DWORD>(text.size() + 1));
    }
};

TEST_F(RegistryValues, AValueFillingTheBufferIsReadAndALongerOneRefused)
{
    char out[CommandLineBytes] = {};
    const std::string longest(HandlerValueBytes - 1, 'v');
    SetDefaultText(REG_SZ, longest);
    EXPECT_EQ(ReadKeyDefaultValue(HKEY_CURRENT_USER, kKey, out, sizeof out), ERROR_SUCCESS);
    EXPECT_EQ(out, longest);
    EXPECT_EQ(ReadKeyDefaultValue(HKEY_CURRENT_USER, kKey, out, longest.size()), ERROR_MORE_DATA)
        << "the caller's buffer is too small";

    SetDefaultText(REG_SZ, longest + 'v');
    EXPECT_EQ(ReadKeyDefaultValue(HKEY_CURRENT_USER, kKey, out, sizeof out), ERROR_MORE_DATA);
    // Without its terminator, the longest value that fits is one byte longer.
    SetDefault(REG_SZ, (longest + 'v').data(), HandlerValueBytes);
    EXPECT_EQ(ReadKeyDefaultValue(HKEY_CURRENT_USER, kKey, out, sizeof out), ERROR_MORE_DATA);
}

TEST_F(RegistryValues, OnlyStringsAreRead)
{
    char out[CommandLineBytes] = {};
    EXPECT_EQ(ReadKeyDefaultValue(HKEY_CURRENT_USER, kKey, out, sizeof out), ERROR_FILE_NOT_FOUND);

    const DWORD number = 7;
    SetDefault(REG_DWORD, &number, sizeof number);
    EXPECT_EQ(ReadKeyDefaultValue(HKEY_CURRENT_USER, kKey, out, sizeof out), ERROR_INVALID_DATA);

    SetDefaultText(REG_EXPAND_SZ, "%QUILLET_TEST_PROGRAM%\\b.exe");
    SetEnvironmentVariableA("QUILLET_TEST_PROGRAM", "C:\\Programs");
    EXPECT_EQ(ReadKeyDefaultValue(HKEY_CURRENT_USER, kKey, out, sizeof out), ERROR_SUCCESS);
    EXPECT_STREQ(out, "C:\\Programs\\b.exe");

    // The key's name and the value read may share one buffer.
    char shared[CommandLineBytes] = "Software\\QuilletLinkOpenerTest";
    EXPECT_EQ(ReadKeyDefaultValue(HKEY_CURRENT_USER, shared, shared, sizeof shared), ERROR_SUCCESS);
    EXPECT_STREQ(shared, "C:\\Programs\\b.exe");
}

// Answers from a table instead of the shell and the registry, and records what ran.
class FakeShell final : public WindowsShell {
public:
    int shellResult = 2;
    long htmResult = ERROR_SUCCESS;
    long commandResult = ERROR_SUCCESS;
    std::string commandTemplate = R"("C:\b.exe" -osint -url "%1")";
    int runResult = 33;
    std::vector<std::string> keysRead;
    std::vector<std::string> commandsRun;

    int ShellOpen(const char*, int) override { return shellResult; }
    long ReadKeyDefault(HKEY root, const char* subKey, char* out, std::size_t outSize) override
    {
        EXPECT_EQ(root, HKEY_CLASSES_ROOT);
        keysRead.emplace_back(subKey);
        const bool htm = keysRead.size() == 1;
        const std::string value = htm ? "htmlfile" : commandTemplate;
        if ((htm ? htmResult : commandResult) != ERROR_SUCCESS) return htm ? htmResult : commandResult;
        if (value.size() + 1 > outSize) return ERROR_MORE_DATA;
        value.copy(out, value.size());
        out[value.size()] = '\0';
        return ERROR_SUCCESS;
    }
    int RunCommandLine(const char* commandLine, int) override
    {
        commandsRun.emplace_back(commandLine);
        return runResult;
    }
};

class OpenTargetWin : public ::testing::Test {
protected:
    void SetUp() override { SetWindowsShell(&shell); }
    void TearDown() override { SetWindowsShell(nullptr); }
    FakeShell shell;
};

TEST_F(OpenTargetWin, TheShellFirstThenTheRegisteredCommand)
{
    shell.shellResult = 42;
    EXPECT_EQ(OpenTarget("http://a.example/", SwShow), 42);
    EXPECT_TRUE(shell.keysRead.empty());

    shell.shellResult = 31;
    shell.runResult = 2; // WinExec's own failure is the one reported
    EXPECT_EQ(OpenTarget("http://a.example/", SwShow), 2);
    EXPECT_EQ(shell.keysRead, (std::vector<std::string>{".htm", R"(htmlfile\shell\open\command)"}));
    EXPECT_EQ(shell.commandsRun, (std::vector<std::string>{R"("C:\b.exe" -osint -url  "http://a.example/")"}));
}

TEST_F(OpenTargetWin, WhenTheFallbackCannotBeBuiltTheShellsErrorIsReported)
{
    struct Case {
        const char* name;
        long htmResult;
        long commandResult;
        std::string commandTemplate;
        std::string address;
    };
    const Case cases[] = {
        {"no .htm key", ERROR_FILE_NOT_FOUND, ERROR_SUCCESS, "b.exe %1", "http://a/"},
        {"no command key", ERROR_SUCCESS, ERROR_FILE_NOT_FOUND, "b.exe %1", "http://a/"},
        {"unreadable command", ERROR_SUCCESS, ERROR_INVALID_DATA, "b.exe %1", "http://a/"},
        {"template over 260 bytes", ERROR_SUCCESS, ERROR_SUCCESS, std::string(HandlerValueBytes, 'b'), "http://a/"},
        {"command line over 520 bytes", ERROR_SUCCESS, ERROR_SUCCESS, "b.exe %1",
         "http://" + std::string(CommandLineBytes, 'a')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        shell = FakeShell{};
        shell.shellResult = 31;
        shell.htmResult = c.htmResult;
        shell.commandResult = c.commandResult;
        shell.commandTemplate = c.commandTemplate;
        EXPECT_EQ(OpenTarget(c.address.c_str(), SwShow), 31);
        EXPECT_TRUE(shell.commandsRun.empty());
    }
}

} // namespace
