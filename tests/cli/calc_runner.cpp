#include "calc_runner.h"

#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <sstream>
#include <spawn.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Files rather than pipes: the program may write megabytes before it has
// read all of its input, and files cannot fill up and stall either side.
std::string TempPath(const char* role)
{
    static int counter = 0;
    return "/tmp/quillet_calc_test_" + std::to_string(::getpid()) + "_" + std::to_string(counter++) + "_" + role;
}

std::string ReadAll(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The argument vector of one run; it points into `program` and `args`.
std::vector<char*> Argv(std::string& program, std::vector<std::string>& args)
{
    std::vector<char*> argv{program.data()};
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    return argv;
}

} // namespace

CalcRun RunCalc(const std::vector<std::string>& args, const std::string& input)
{
    const std::string inPath = TempPath("in");
    const std::string outPath = TempPath("out");
    const std::string errPath = TempPath("err");
    std::ofstream(inPath, std::ios::binary) << input;

    std::string program = QUILLET_CALC_PATH;
    std::vector<std::string> copies = args;
    std::vector<char*> argv = Argv(program, copies);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, inPath.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);

    CalcRun run;
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        if (waitpid(pid, &status, 0) == pid && WIFEXITED(status)) run.status = WEXITSTATUS(status);
    }
    posix_spawn_file_actions_destroy(&actions);
    run.out = ReadAll(outPath);
    run.err = ReadAll(errPath);
    std::remove(inPath.c_str());
    std::remove(outPath.c_str());
    std::remove(errPath.c_str());
    return run;
}

std::vector<std::string> RunCalcLineByLine(const std::vector<std::string>& args,
                                           const std::vector<std::string>& lines)
{
    int toCalc[2];
    int fromCalc[2];
    if (pipe(toCalc) != 0 || pipe(fromCalc) != 0) return {};

    std::string program = QUILLET_CALC_PATH;
    std::vector<std::string> copies = args;
    std::vector<char*> argv = Argv(program, copies);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, toCalc[0], 0);
    posix_spawn_file_actions_adddup2(&actions, fromCalc[1], 1);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclose(&actions, toCalc[1]);
    posix_spawn_file_actions_addclose(&actions, fromCalc[0]);
    pid_t pid = 0;
    const bool started = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    close(toCalc[0]);
    close(fromCalc[1]);

    std::vector<std::string> answers;
    for (const std::string& line : lines) {
        if (!started) break;
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
    if (started) waitpid(pid, nullptr, 0);
    return answers;
}
