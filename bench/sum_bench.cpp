// quillet-calc sum ndf on 1,000,000 lines of durations: how many lines a
// second it adds up, and whether its total is what the keypad gives when
// every value is typed after '+'. Prints the best of three runs; with
// --check, exits 1 when the totals differ or fewer than 1,000,000 lines a
// second were added.

#include "engine/calculator_engine.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr int kLines = 1'000'000;
constexpr int kNtscNd = 1;

struct DisplayText final : quillet::DisplaySink {
    void Invalidate() override {}
};

// Durations of up to four frames, so that the total of a million of them
// still fits a day of time code.
std::string Durations()
{
    std::mt19937 random(15);
    std::string lines;
    lines.reserve(kLines * 12);
    for (int i = 0; i < kLines; ++i) {
        lines += "00:00:00:0";
        lines += static_cast<char>('0' + random() % 5);
        lines += '\n';
    }
    return lines;
}

std::string KeypadTotal(const std::string& lines)
{
    quillet::CalculatorEngine engine;
    DisplayText display;
    engine.AttachDisplay(quillet::kIn, &display);
    engine.SetRegisterFormat(quillet::kIn, kNtscNd);
    for (std::size_t at = 0; at < lines.size(); at += 12) {
        for (std::size_t i = at; i < at + 11; ++i)
            if (lines[i] != ':') engine.KeyIn(lines[i]);
        engine.ApplyOperator(at + 12 < lines.size() ? '+' : '=', false);
    }
    return display.m_text.substr(0, display.m_text.size() - 1);
}

// Runs quillet-calc sum ndf on `inputPath`; returns what it printed, without its line end.
std::string RunSum(const char* inputPath, double& seconds)
{
    int output[2];
    if (pipe(output) != 0) std::exit(2);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, inputPath, O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, output[1], 1);
    posix_spawn_file_actions_addclose(&actions, output[0]);
    char program[] = QUILLET_CALC_PATH;
    char sum[] = "sum";
    char format[] = "ndf";
    char* argv[] = {program, sum, format, nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, program, &actions, nullptr, argv, environ) != 0) std::exit(2);
    close(output[1]);
    std::string printed;
    char block[256];
    for (ssize_t got; (got = read(output[0], block, sizeof block)) > 0;) printed.append(block, static_cast<std::size_t>(got));
    int status = 0;
    waitpid(child, &status, 0);
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    close(output[0]);
    posix_spawn_file_actions_destroy(&actions);
    if (!printed.empty() && printed.back() == '\n') printed.pop_back();
    return printed;
}

} // namespace

int main(int argc, char** argv)
{
    const bool check = argc > 1 && std::strcmp(argv[1], "--check") == 0;
    const std::string lines = Durations();
    char inputPath[] = "/tmp/quillet-sum-bench-XXXXXX";
    const int fd = mkstemp(inputPath);
    if (fd < 0 || write(fd, lines.data(), lines.size()) != static_cast<ssize_t>(lines.size())) return 2;
    close(fd);

    double best = 1e9;
    std::string printed;
    for (int run = 0; run < 3; ++run) {
        double seconds = 0;
        printed = RunSum(inputPath, seconds);
        if (seconds < best) best = seconds;
    }
    unlink(inputPath);
    const std::string keypad = KeypadTotal(lines);
    const double linesPerSecond = kLines / best;
    std::printf("quillet-calc sum ndf, %d lines: %.3f s, %.2f M lines/s; total %s, keypad %s\n", kLines, best,
                linesPerSecond / 1e6, printed.c_str(), keypad.c_str());
    return check && (printed != keypad || linesPerSecond < 1e6) ? 1 : 0;
}
