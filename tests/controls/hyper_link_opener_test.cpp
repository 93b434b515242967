// Command templates, error texts and the opening sequence, with a fake opener
// standing in for the system wherever a program would start.
#include "controls/link/desktop_entry.h"
#include "controls/link/handler_command.h"
#include "controls/link/link_opener.h"
#include "controls/link/open_error.h"
#include "controls/recording_link_opener.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using Args = std::vector<std::string>;

TEST(HandlerCommandLine, CutsAtThePlaceholderAndAppendsTheQuotedAddress)
{
    struct Case {
        const char* name;
        const char* commandTemplate;
        const char* expected;
    };
    const Case cases[] = {
        {"quoted placeholder between options", R"("C:\Browser\browser.exe" -nohome "%1" -new)",
         R"("C:\Browser\browser.exe" -nohome  "http://a.example/")"},
        {"no placeholder", R"(C:\Browser\browser.exe -nohome)", R"(C:\Browser\browser.exe -nohome "http://a.example/")"},
        {"placeholder without quotes", R"(browser.exe %1 -x)", R"(browser.exe  "http://a.example/")"},
        {"quoted placeholder wins over an earlier bare one", R"(b.exe -a%1 "%1")", R"(b.exe -a%1  "http://a.example/")"},
        {"empty template", "", R"( "http://a.example/")"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(HandlerCommandLine(c.commandTemplate, "http://a.example/"), std::optional<std::string>(c.expected));
    }
}

TEST(HandlerCommandLine, RefusesWhatDoesNotFitItsBuffersInsteadOfTruncating)
{
    const std::string longest(HandlerValueBytes - 1, 'x');
    EXPECT_TRUE(HandlerCommandLine(longest, "http://a/").has_value());
    EXPECT_FALSE(HandlerCommandLine(longest + 'x', "http://a/").has_value());

    // "b.exe", a space, the quoted address and the terminator fill the buffer exactly.
    const std::string limit = "http://" + std::string(CommandLineBytes - 9 - 7, 'a');
    const auto fits = HandlerCommandLine("b.exe", limit);
    ASSERT_TRUE(fits.has_value());
    EXPECT_EQ(fits->size() + 1, CommandLineBytes);
    EXPECT_FALSE(HandlerCommandLine("b.exe", limit + "a").has_value());

    EXPECT_FALSE(HandlerCommandLine("b.exe %1", "").has_value());
    EXPECT_FALSE(HandlerCommandLine("b.exe %1", "--remote-debugging-port=1").has_value());
}

TEST(HandlerCommandLine, QuotesSoThatTheAddressStaysOneArgument)
{
    struct Case {
        const char* name;
        const char* argument;
        const char* quoted;
    };
    const Case cases[] = {
        {"plain", "http://a/b c", R"("http://a/b c")"},
        {"inner quote", R"(a"b)", R"("a\"b")"},
        {"backslashes before a quote", R"(a\"b)", R"("a\\\"b")"},
        {"backslashes elsewhere stay", R"(a\b)", R"("a\b")"},
        {"trailing backslashes doubled", R"(a\\)", R"("a\\\\")"},
        {"hostile", R"(x"; calc & "y)", R"("x\"; calc & \"y")"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(QuoteWindowsArgument(c.argument), c.quoted);
    }
}

TEST(HandlerArguments, FieldCodesTakeThePlaceholdersPart)
{
    struct Case {
        const char* name;
        const char* exec;
        Args expected;
    };
    const Case cases[] = {
        {"%u between options", "firefox-esr --new %u --private", {"firefox-esr", "--new", "http://a/"}},
        {"%U", "chromium %U", {"chromium", "http://a/"}},
        {"%f and %F", "viewer -x %f %F", {"viewer", "-x", "http://a/"}},
        {"no field code", "browser --new-window", {"browser", "--new-window", "http://a/"}},
        {"code inside an argument", "browser --url=%u", {"browser", "--url=http://a/"}},
        {"other codes removed", "browser %i --class=%c %u", {"browser", "--class=", "http://a/"}},
        {"%% is a percent sign", "browser --x=50%% %u", {"browser", "--x=50%", "http://a/"}},
        {"quoted program path", R"("/opt/My Browser/run" "a \"b\" \$c" %u)", {"/opt/My Browser/run", R"(a "b" $c)", "http://a/"}},
        {"extra spaces", "  browser   %u  ", {"browser", "http://a/"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(HandlerArguments(c.exec, "http://a/"), std::optional<Args>(c.expected));
    }
}

TEST(HandlerArguments, RefusesBrokenLinesAndUnsafeAddresses)
{
    EXPECT_FALSE(HandlerArguments("", "http://a/"));
    EXPECT_FALSE(HandlerArguments("\"browser %u", "http://a/")) << "unterminated quote";
    EXPECT_FALSE(HandlerArguments("%u", "http://a/")) << "the address would run as the program";
    EXPECT_FALSE(HandlerArguments("%i %u", "http://a/"));
    EXPECT_FALSE(HandlerArguments("browser %u", "-evil"));
}

TEST(DesktopEntry, ReadsExecFromTheDesktopEntryGroupOnly)
{
    const char* file = "[Desktop Action new]\nExec=wrong --new\n"
                       "[Desktop Entry]\n# comment\nName=Browser\nExec[de]=falsch\n"
                       "Exec = browser\\s--x \"a\\\\\\\\b\" %u\nType=Application\n";
    EXPECT_EQ(DesktopEntryExec(file), std::optional<std::string>(R"(browser --x "a\\b" %u)"));
    EXPECT_FALSE(DesktopEntryExec("[Desktop Entry]\nName=x\n[Other]\nExec=y\n"));

    EXPECT_TRUE(IsDesktopFileId("firefox-esr.desktop"));
    for (const char* id : {"", ".desktop", "../x.desktop", "a/b.desktop", "x.desktop.sh", ".hidden.desktop"}) {
        SCOPED_TRACE(id);
        EXPECT_FALSE(IsDesktopFileId(id));
    }
}

TEST(DesktopEntry, HandlersThatPassTheAddressToAShellAreRecognised)
{
    struct Case {
        const char* exec;
        bool handsToShell;
    };
    const Case cases[] = {
        {R"(sh -c "browser %u")", true},
        {R"(/bin/bash -lc "exec firefox --new-tab %U")", true},
        {R"(browser "%u")", true},
        {R"(browser "--url=%f" --x)", true},
        {"sh -c %u", true},
        {R"(sh -c 'browser "$1"' sh %u)", true},
        {R"(env BROWSER_X=1 /usr/bin/dash -c "browser" %u)", true},
        {"firefox-esr %u", false},
        {"env MOZ_ENABLE_WAYLAND=1 firefox --new-window %u", false},
        {"browser --url=%u", false},
        {R"("/opt/My Browser/run" --x %U)", false},
        {R"(browser "50%% off" %u)", false},
        {R"(browser "%%u")", false},
        {"browser %u sh", false},
        {"browser", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.exec);
        EXPECT_EQ(ExecHandsAddressToShell(c.exec), c.handsToShell);
    }
}

TEST(OpenError, EveryCodeHasItsTextBehindThePrefix)
{
    struct Case {
        int code;
        const char* description;
    };
    const Case cases[] = {
        {0, "The operating system is out\nof memory or resources."},
        {2, "The specified file was not found."},
        {3, "The specified path was not found."},
        {5, "The operating system denied\naccess to the specified file."},
        {8, "There was not enough memory to complete the operation."},
        {11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
        {26, "A sharing violation occurred. "},
        {27, "The filename association is\nincomplete or invalid."},
        {28, "The DDE transaction could not\nbe completed because the request timed out."},
        {29, "The DDE transaction failed."},
        {30, "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed."},
        {31, "There is no application associated\nwith the given filename extension."},
        {32, "The specified dynamic-link library was not found."},
        {4, "Unknown Error (4) occurred."},
        {-7, "Unknown Error (-7) occurred."},
        {33, "Unknown Error (33) occurred."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(OpenErrorMessage(c.code), QStringLiteral("Can't open link:\n\n") + QString::fromUtf8(c.description));
    }
}

#ifndef _WIN32

TEST(OpenError, HereTheMessageShowsTheAddressAndSpeaksOfWebPages)
{
    const QString address = QStringLiteral("https://a.example/<b>x</b>?q=1&r=2");
    struct Case {
        int code;
        const char* description;
    };
    const Case cases[] = {
        {2, "The program that opens web pages could not be found."},
        {27, "The program that opens web pages reported an error."},
        {31, "No web browser is set up to open web pages."},
        {26, "A sharing violation occurred. "},
        {4, "Unknown Error (4) occurred."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(PlatformOpenErrorMessage(c.code, address),
                  QStringLiteral("Can't open link:\n\n") + address + QStringLiteral("\n\n") + QString::fromUtf8(c.description));
        EXPECT_FALSE(PlatformOpenErrorMessage(c.code, address).contains(QStringLiteral("extension")));
    }
}

#endif

TEST(OpenResultCodes, FailuresMapOntoTextsTheUserCanRead)
{
    using State = RunOutcome::State;
    struct Case {
        const char* name;
        RunOutcome outcome;
        int xdgOpen;
        int macOpen;
        int handler;
    };
    const Case cases[] = {
        {"program missing", {State::NotStarted, 0}, 2, 2, 2},
        {"still running", {State::StillRunning, 0}, OpenSucceeded, OpenSucceeded, OpenSucceeded},
        {"success", ExitedWith(0), OpenSucceeded, OpenSucceeded, OpenSucceeded},
        {"syntax error", ExitedWith(1), 27, 31, 27},
        {"file missing", ExitedWith(2), 2, 31, 27},
        {"no handler", ExitedWith(3), 31, 31, 27},
        {"action failed", ExitedWith(4), 27, 31, 27},
        {"killed", {State::Crashed, 0}, 27, 27, 27},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(XdgOpenResultCode(c.outcome), c.xdgOpen);
        EXPECT_EQ(MacOpenResultCode(c.outcome), c.macOpen);
        EXPECT_EQ(HandlerResultCode(c.outcome), c.handler);
    }
}

#if !defined(_WIN32) && !defined(__APPLE__)

TEST(OpenTarget, XdgOpenFirstThenTheWebPageHandler)
{
    RecordingLinkOpener opener;
    ScopedLinkOpener scope(opener);
    opener.handler = "browser --new %u";

    EXPECT_GT(OpenTarget("http://a/", SwShow), 32);
    ASSERT_EQ(opener.calls.size(), 1u);
    EXPECT_EQ(opener.calls[0].program, "xdg-open");
    EXPECT_EQ(opener.calls[0].args, Args{"http://a/"});
    EXPECT_EQ(opener.handlerQueries, 0);

    opener.calls.clear();
    opener.outcomes = {ExitedWith(3), ExitedWith(0)};
    EXPECT_GT(OpenTarget("http://a/", SwShow), 32);
    ASSERT_EQ(opener.calls.size(), 2u);
    EXPECT_EQ(opener.calls[1].program, "browser");
    EXPECT_EQ(opener.calls[1].args, (Args{"--new", "http://a/"}));
}

TEST(OpenTarget, ReportsXdgOpensFailureWhenNoHandlerIsFound)
{
    RecordingLinkOpener opener;
    ScopedLinkOpener scope(opener);
    opener.outcomes = {ExitedWith(3)};
    EXPECT_EQ(OpenTarget("http://a/", SwShow), OpenNoAssociation);

    opener.calls.clear();
    opener.outcomes = {RunOutcome{}};
    opener.handler = "\"unterminated %u";
    EXPECT_EQ(OpenTarget("http://a/", SwShow), OpenFileNotFound);
    EXPECT_EQ(opener.calls.size(), 1u);

    opener.calls.clear();
    opener.outcomes = {ExitedWith(4), RunOutcome{}};
    opener.handler = "missing-browser %u";
    EXPECT_EQ(OpenTarget("http://a/", SwShow), OpenFileNotFound) << "the handler's own failure counts";
    EXPECT_EQ(opener.calls.size(), 2u);
}

TEST(OpenTarget, AHandlerThatWouldPutTheAddressIntoShellTextIsNotRun)
{
    RecordingLinkOpener opener;
    ScopedLinkOpener scope(opener);
    opener.outcomes = {ExitedWith(3)};
    opener.handler = R"(sh -c "browser %u")";
    EXPECT_EQ(OpenTarget("http://a/;touch /tmp/x", SwShow), OpenNoAssociation) << "xdg-open's failure is reported";
    ASSERT_EQ(opener.calls.size(), 1u);
    EXPECT_EQ(opener.calls[0].program, "xdg-open");
}

TEST(OpenTarget, HostileAddressIsOneArgumentAndRunsNothingElse)
{
    const std::string hostile = R"(http://a/"; touch /tmp/x; "$(touch /tmp/y)`touch /tmp/z` & x|y)";
    RecordingLinkOpener opener;
    ScopedLinkOpener scope(opener);
    opener.outcomes = {ExitedWith(4), ExitedWith(0)};
    opener.handler = "browser %u; rm -rf ~";

    EXPECT_GT(OpenTarget(hostile.c_str(), SwShow), 32);
    ASSERT_EQ(opener.calls.size(), 2u);
    EXPECT_EQ(opener.calls[0].program, "xdg-open");
    EXPECT_EQ(opener.calls[0].args, Args{hostile});
    EXPECT_EQ(opener.calls[1].program, "browser");
    EXPECT_EQ(opener.calls[1].args, Args{hostile});

    opener.calls.clear();
    EXPECT_EQ(OpenTarget("--help", SwShow), OpenFileNotFound);
    EXPECT_EQ(OpenTarget("", SwShow), OpenFileNotFound);
    EXPECT_EQ(OpenTarget(nullptr, SwShow), OpenFileNotFound);
    EXPECT_TRUE(opener.calls.empty());
}

TEST(SystemLinkOpener, StartsProgramsWithoutAShell)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string folder = dir.path().toStdString();
    const std::string hostile = "\"; touch " + folder + "/x; \"$(touch " + folder + "/y)`touch " + folder + "/z`";

    LinkOpener& system = SystemLinkOpener();
    const RunOutcome ran = system.Run("true", {hostile}, 5000);
    EXPECT_EQ(ran.state, RunOutcome::State::Exited);
    EXPECT_EQ(ran.exitCode, 0);
    EXPECT_TRUE(QDir(dir.path()).isEmpty()) << "something ran the address";

    const RunOutcome failed = system.Run("false", {}, 5000);
    EXPECT_EQ(failed.state, RunOutcome::State::Exited);
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_EQ(system.Run("quillet-no-such-program", {}, 5000).state, RunOutcome::State::NotStarted);
    EXPECT_EQ(system.Run("sleep", {"1"}, 50).state, RunOutcome::State::StillRunning);
}

TEST(SystemLinkOpener, FindsTheWebPageHandlersDesktopEntry)
{
    // xdg-mime reads the user's choice from $XDG_CONFIG_HOME/mimeapps.list
    // and accepts it only if the entry's program exists.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("data/applications")));
    QFile list(dir.path() + QStringLiteral("/mimeapps.list"));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("[Default Applications]\ntext/html=quillet-test-browser.desktop\n");
    list.close();
    QFile entry(dir.path() + QStringLiteral("/data/applications/quillet-test-browser.desktop"));
    ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
    entry.write("[Desktop Entry]\nType=Application\nName=Test\nExec=true --new %U\n");
    entry.close();

    const QByteArray saved[] = {qgetenv("XDG_CONFIG_HOME"), qgetenv("XDG_DATA_HOME"), qgetenv("XDG_DATA_DIRS"),
                                qgetenv("XDG_CURRENT_DESKTOP")};
    qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
    qputenv("XDG_DATA_HOME", (dir.path() + QStringLiteral("/data")).toUtf8());
    qputenv("XDG_DATA_DIRS", (dir.path() + QStringLiteral("/none")).toUtf8());
    qunsetenv("XDG_CURRENT_DESKTOP");
    const std::optional<std::string> handler = SystemLinkOpener().WebPageHandler();
    const char* names[] = {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_DATA_DIRS", "XDG_CURRENT_DESKTOP"};
    for (int i = 0; i < 4; ++i) {
        if (saved[i].isNull()) qunsetenv(names[i]);
        else qputenv(names[i], saved[i]);
    }
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-mime")).isEmpty()) GTEST_SKIP() << "xdg-mime is missing";
    EXPECT_EQ(handler, std::optional<std::string>("true --new %U"));
}

#endif
