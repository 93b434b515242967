#include "calc_runner.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

// Files rather than pipes: the program may write megabytes before it has
// read all of its input, and files cannot fill up and stall either side.
std::string TempPath(const char* role)
{
    static int counter = 0;
    return "/tmp/quillet_calc_test_" + std::to_string(::getpid()) + "_" + std::to_string(counter++) + "_" + role;
}

std::string TakeFile(const std::string& path)
{
    std::string text;
    {
        std::ifstream file(path, std::ios::binary);
        text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    std::remove(path.c_str());
    return text;
}

// Starts quillet-calc with the caller's file actions; 0 when it could not start.
pid_t Start(const std::vector<std::string>& args, const posix_spawn_file_actions_t& actions)
{
    std::string program = QUILLET_CALC_PATH;
    std::vector<std::string> copies = args;
    std::vector<char*> argv{program.data()};
    for (std::string& arg : copies) argv.push_back(arg.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    return posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) == 0 ? pid : 0;
}

int Wait(pid_t pid)
{
    int status = 0;
    if (pid != 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status)) return WEXITSTATUS(status);
    return -1;
}

void AddOutputFiles(posix_spawn_file_actions_t& actions, const std::string& outPath, const std::string& errPath)
{
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
}

} // namespace

CalcRun RunCalc(const std::vector<std::string>& args, const std::string& input, const std::string& stdoutPath)
{
    const std::string inPath = TempPath("in");
    const std::string outPath = stdoutPath.empty() ? TempPath("out") : stdoutPath;
    const std::string errPath = TempPath("err");
    std::ofstream(inPath, std::ios::binary) << input;

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, inPath.c_str(), O_RDONLY, 0);
    AddOutputFiles(actions, outPath, errPath);
    CalcRun run;
    run.status = Wait(Start(args, actions));
    posix_spawn_file_actions_destroy(&actions);
    if (stdoutPath.empty()) run.out = TakeFile(outPath);
    run.err = TakeFile(errPath);
    std::remove(inPath.c_str());
    return run;
}

CalcRun RunCalcPiped(const std::vector<std::string>& args, const std::vector<std::string>& chunks,
                     bool nonBlockingInput)
{
    // A program that ends early must fail the test, not kill it with SIGPIPE.
    std::signal(SIGPIPE, SIG_IGN);
    int toCalc[2];
    if (pipe(toCalc) != 0) return {};
    // The flag belongs to the pipe itself, so the program inherits it.
    if (nonBlockingInput) fcntl(toCalc[0], F_SETFL, fcntl(toCalc[0], F_GETFL) | O_NONBLOCK);
    const std::string outPath = TempPath("out");
    const std::string errPath = TempPath("err");

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, toCalc[0], 0);
    posix_spawn_file_actions_addclose(&actions, toCalc[1]);
    AddOutputFiles(actions, outPath, errPath);
    const pid_t pid = Start(args, actions);
    posix_spawn_file_actions_destroy(&actions);
    close(toCalc[0]);

    for (const std::string& chunk : chunks) {
        if (pid == 0 || write(toCalc[1], chunk.data(), chunk.size()) != static_cast<ssize_t>(chunk.size())) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    close(toCalc[1]);
    CalcRun run;
    run.status = Wait(pid);
    run.out = TakeFile(outPath);
    run.err = TakeFile(errPath);
    return run;
}

std::vector<std::string> RunCalcLineByLine(const std::vector<std::string>& args,
                                           const std::vector<std::string>& lines)
{
    int toCalc[2];
    int fromCalc[2];
    if (pipe(toCalc) != 0 || pipe(fromCalc) != 0) return {};

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, toCalc[0], 0);
    posix_spawn_file_actions_adddup2(&actions, fromCalc[1], 1);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclose(&actions, toCalc[1]);
    posix_spawn_file_actions_addclose(&actions, fromCalc[0]);
    const pid_t pid = Start(args, actions);
    posix_spawn_file_actions_destroy(&actions);
    close(toCalc[0]);
    close(fromCalc[1]);

    std::vector<std::string> answers;
    for (const std::string& line : lines) {
        if (pid == 0) break;
        const std::string sent = line + "\n";
        if (write(toCalc[1], sent.data(), sent.size()) != static_cast<ssize_t>(sent.size())) break;
        std::string answer;
        char c = 0;
        pollfd ready{fromCalc[0], POLLIN, 0};
        while (poll(&ready, 1, 5000) > 0 && read(fromCalc[0], &c, 1) == 1 && c != '\n') answer += c;
        if (c != '\n') break; // no answer in time
        answers.push_back(answer);
    }
    close(toCalc[1]);
    close(fromCalc[0]);
    Wait(pid);
    return answers;
}
