// quillet-calc on whole files, best of three runs each:
// - convert df ntsc-frames on every label of a 29.97 drop-frame day, beside a
//   batch converter on FFmpeg's libavutil (av_timecode_init_from_string);
// - sum ndf on 1,000,000 lines of durations, beside the keypad's total when
//   every value is typed after '+'.
// With --check, runs each once and exits 1 when the results differ from the
// peer's; speed is only reported.

#include "engine/calculator_engine.h"

extern "C" {
#include <libavutil/timecode.h>
}

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr int kLines = 1'000'000;
constexpr int kNtscNd = 1;
constexpr int kFramesPerDay = 2'589'408; // 29.97 drop frame

// Every label of the day, "HH:MM:SS;FF", one a line, as FFmpeg writes them.
std::string DropFrameDay()
{
    AVTimecode tc;
    av_timecode_init(&tc, AVRational{30000, 1001}, AV_TIMECODE_FLAG_DROPFRAME, 0, nullptr);
    char label[AV_TIMECODE_STR_SIZE];
    std::string lines;
    lines.reserve(static_cast<std::size_t>(kFramesPerDay) * 12);
    for (int frame = 0; frame < kFramesPerDay; ++frame) {
        lines += av_timecode_make_string(&tc, label, frame);
        lines += '\n';
    }
    return lines;
}

// Processor seconds this process has used, or its finished children have.
double ProcessorSeconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The peer: each line read by libavutil and written as its frame number.
// `processor`: its processor seconds, which a machine shared with other work
// inflates far less than its wall-clock time.
std::string ConvertWithFFmpeg(const std::string& lines, double& seconds, double& processor)
{
    const double processorStart = ProcessorSeconds(RUSAGE_SELF);
    const auto start = std::chrono::steady_clock::now();
    std::string output;
    output.reserve(lines.size() / 12 * 9);
    std::string line;
    char number[16];
    for (std::size_t at = 0; at < lines.size();) {
        const std::size_t end = lines.find('\n', at);
        line.assign(lines, at, end - at);
        at = end + 1;
        AVTimecode tc;
        if (av_timecode_init_from_string(&tc, AVRational{30000, 1001}, line.c_str(), nullptr) != 0) std::exit(2);
        output.append(number, static_cast<std::size_t>(std::snprintf(number, sizeof number, "%08d\n", tc.start)));
    }
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    processor = ProcessorSeconds(RUSAGE_SELF) - processorStart;
    return output;
}

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
    engine.SetRegisterFormat(quillet::kIn, kNtscNd);
    for (std::size_t at = 0; at < lines.size(); at += 12) {
        for (std::size_t i = at; i < at + 11; ++i)
            if (lines[i] != ':') engine.KeyIn(lines[i]);
        engine.ApplyOperator(at + 12 < lines.size() ? '+' : '=', false);
    }
    const std::string_view shown = engine.ShownText(quillet::kIn);
    return std::string{shown.substr(0, shown.size() - 1)};
}

// Runs quillet-calc with `arguments` on `inputPath`; returns what it printed.
std::string RunCalc(const char* inputPath, std::vector<std::string> arguments, double& seconds, double& processor)
{
    const double processorStart = ProcessorSeconds(RUSAGE_CHILDREN);
    int output[2];
    if (pipe(output) != 0) std::exit(2);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, inputPath, O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, output[1], 1);
    posix_spawn_file_actions_addclose(&actions, output[0]);
    char program[] = QUILLET_CALC_PATH;
    std::vector<char*> argv{program};
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, program, &actions, nullptr, argv.data(), environ) != 0) std::exit(2);
    close(output[1]);
    std::string printed;
    char block[1 << 16];
    for (ssize_t got; (got = read(output[0], block, sizeof block)) > 0;) printed.append(block, static_cast<std::size_t>(got));
    int status = 0;
    waitpid(child, &status, 0);
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    processor = ProcessorSeconds(RUSAGE_CHILDREN) - processorStart;
    close(output[0]);
    posix_spawn_file_actions_destroy(&actions);
    return printed;
}

// Writes `text` to a temporary file and returns its path.
std::string TemporaryFile(const std::string& text)
{
    char path[] = "/tmp/quillet-cli-bench-XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0 || write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size())) std::exit(2);
    close(fd);
    return path;
}

// The best time of `runs` runs of quillet-calc; `printed` gets the last output.
double BestRun(int runs, const std::string& inputPath, const std::vector<std::string>& arguments, std::string& printed,
               double& bestProcessor)
{
    double best = 1e9;
    bestProcessor = 1e9;
    for (int run = 0; run < runs; ++run) {
        double seconds = 0;
        double processor = 0;
        printed = RunCalc(inputPath.c_str(), arguments, seconds, processor);
        best = std::min(best, seconds);
        bestProcessor = std::min(bestProcessor, processor);
    }
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    const bool check = argc > 1 && std::strcmp(argv[1], "--check") == 0;
    const int runs = check ? 1 : 3;
    bool agree = true;

    const std::string day = DropFrameDay();
    const std::string dayPath = TemporaryFile(day);
    std::string converted;
    double convertProcessor = 0;
    const double convertSeconds = BestRun(runs, dayPath, {"convert", "df", "ntsc-frames"}, converted, convertProcessor);
    unlink(dayPath.c_str());
    double peerSeconds = 1e9;
    double peerProcessor = 1e9;
    std::string peer;
    for (int run = 0; run < runs; ++run) {
        double seconds = 0;
        double processor = 0;
        peer = ConvertWithFFmpeg(day, seconds, processor);
        peerSeconds = std::min(peerSeconds, seconds);
        peerProcessor = std::min(peerProcessor, processor);
    }
    agree = agree && converted == peer;
    std::printf("quillet-calc convert df ntsc-frames, %d lines: %.3f s; libavutil in one process: %.3f s (%.2fx); "
                "processor time %.3f s against %.3f s (%.2fx); %s\n",
                kFramesPerDay, convertSeconds, peerSeconds, peerSeconds / convertSeconds, convertProcessor, peerProcessor,
                peerProcessor / convertProcessor, converted == peer ? "every frame number agrees" : "FRAME NUMBERS DIFFER");

    const std::string lines = Durations();
    const std::string sumPath = TemporaryFile(lines);
    std::string printed;
    double sumProcessor = 0;
    const double sumSeconds = BestRun(runs, sumPath, {"sum", "ndf"}, printed, sumProcessor);
    unlink(sumPath.c_str());
    if (!printed.empty() && printed.back() == '\n') printed.pop_back();
    const std::string keypad = KeypadTotal(lines);
    agree = agree && printed == keypad;
    std::printf("quillet-calc sum ndf, %d lines: %.3f s, %.2f M lines/s (processor time %.3f s); total %s, keypad %s\n",
                kLines, sumSeconds, kLines / sumSeconds / 1e6, sumProcessor, printed.c_str(), keypad.c_str());
    return check && !agree ? 1 : 0;
}
