// The system's LinkOpener: programs are started with posix_spawnp, so their
// arguments never pass through a shell, and the web-page handler is found
// with xdg-mime and the desktop entries.
#include "controls/link/link_opener.h"

#ifndef _WIN32

#include "controls/link/desktop_entry.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <future>
#include <memory>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace {

constexpr int QueryWaitMs = 3000;
constexpr qint64 DesktopEntryMaxBytes = 256 * 1024;

// The folders holding applications/, most important first.
QStringList DataDirs()
{
    QString home = qEnvironmentVariable("XDG_DATA_HOME");
    if (home.isEmpty()) home = QDir::homePath() + QStringLiteral("/.local/share");
    QString others = qEnvironmentVariable("XDG_DATA_DIRS");
    if (others.isEmpty()) others = QStringLiteral("/usr/local/share:/usr/share");
    QStringList dirs{home};
    dirs += others.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    return dirs;
}

class PosixLinkOpener final : public LinkOpener {
public:
    RunOutcome Run(const std::string& program, const std::vector<std::string>& args, int waitMs) override
    {
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(program.c_str()));
        for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        pid_t pid = 0;
        const int error = posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        if (error != 0) return {};

        // A helper thread reaps the child whenever it ends, so one left
        // running (a browser in the foreground) never becomes a zombie and is
        // not killed when the calculator closes.
        auto ended = std::make_shared<std::promise<int>>();
        std::future<int> status = ended->get_future();
        std::thread([pid, ended] {
            int waitStatus = 0;
            while (waitpid(pid, &waitStatus, 0) < 0 && errno == EINTR) {
            }
            ended->set_value(waitStatus);
        }).detach();

        if (status.wait_for(std::chrono::milliseconds(waitMs)) != std::future_status::ready)
            return {RunOutcome::State::StillRunning, 0};
        const int waitStatus = status.get();
        if (WIFEXITED(waitStatus)) return {RunOutcome::State::Exited, WEXITSTATUS(waitStatus)};
        return {RunOutcome::State::Crashed, 0};
    }

    std::optional<std::string> WebPageHandler() override
    {
        QProcess query;
        query.setStandardInputFile(QProcess::nullDevice());
        query.setStandardErrorFile(QProcess::nullDevice());
        query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("text/html")});
        if (!query.waitForFinished(QueryWaitMs)) {
            query.kill();
            query.waitForFinished();
            return std::nullopt;
        }
        if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0) return std::nullopt;

        const std::string id = query.readAllStandardOutput().split('\n').value(0).trimmed().toStdString();
        if (!IsDesktopFileId(id)) return std::nullopt;
        for (const QString& dir : DataDirs()) {
            QFile file(dir + QStringLiteral("/applications/") + QString::fromStdString(id));
            if (!file.open(QIODevice::ReadOnly)) continue;
            // The first file found under that id is the one that counts.
            const QByteArray text = file.read(DesktopEntryMaxBytes);
            return DesktopEntryExec(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
        }
        return std::nullopt;
    }
};

} // namespace

LinkOpener& SystemLinkOpener()
{
    static PosixLinkOpener opener;
    return opener;
}

#endif
