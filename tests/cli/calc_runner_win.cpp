#include "calc_runner.h"

#include "controls/link/handler_command.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <thread>

namespace {

std::string TempPath(const char* role)
{
    static int counter = 0;
    char folder[MAX_PATH + 1] = {};
    GetTempPathA(sizeof folder, folder);
    return std::string{folder} + "quillet_calc_test_" + std::to_string(GetCurrentProcessId()) + "_" +
           std::to_string(counter++) + "_" + role;
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

// A handle the program inherits; INVALID_HANDLE_VALUE when the file cannot be opened.
HANDLE InheritedFile(const std::string& path, bool forWriting)
{
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return CreateFileA(path.c_str(), forWriting ? GENERIC_WRITE : GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                       &inherit, forWriting ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// A pipe whose `inheritedEnd` (0 read, 1 write) the program inherits.
bool InheritablePipe(HANDLE ends[2], int inheritedEnd)
{
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    if (!CreatePipe(&ends[0], &ends[1], &inherit, 0)) return false;
    SetHandleInformation(ends[1 - inheritedEnd], HANDLE_FLAG_INHERIT, 0);
    return true;
}

// Starts quillet-calc on the three handles; nullptr when it could not start.
HANDLE Start(const std::vector<std::string>& args, HANDLE in, HANDLE out, HANDLE err)
{
    std::string commandLine = QuoteWindowsArgument(QUILLET_CALC_PATH);
    for (const std::string& arg : args) {
        commandLine += ' ';
        commandLine += QuoteWindowsArgument(arg);
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in;
    startup.hStdOutput = out;
    startup.hStdError = err;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process))
        return nullptr;
    CloseHandle(process.hThread);
    return process.hProcess;
}

// The exit status; -1 for a crash (an exception code) or a process that never started.
int Wait(HANDLE process)
{
    if (process == nullptr) return -1;
    WaitForSingleObject(process, INFINITE);
    DWORD code = 0;
    const bool known = GetExitCodeProcess(process, &code) != 0;
    CloseHandle(process);
    return known && code < 0xC0000000u ? static_cast<int>(code) : -1;
}

void CloseAll(std::initializer_list<HANDLE> handles)
{
    for (HANDLE handle : handles)
        if (handle != nullptr && handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
}

} // namespace

CalcRun RunCalc(const std::vector<std::string>& args, const std::string& input, const std::string& stdoutPath)
{
    const std::string inPath = TempPath("in");
    const std::string outPath = stdoutPath.empty() ? TempPath("out") : stdoutPath;
    const std::string errPath = TempPath("err");
    std::ofstream(inPath, std::ios::binary) << input;

    const HANDLE in = InheritedFile(inPath, false);
    const HANDLE out = InheritedFile(outPath, true);
    const HANDLE err = InheritedFile(errPath, true);
    const HANDLE process = Start(args, in, out, err);
    CloseAll({in, out, err});
    CalcRun run;
    run.status = Wait(process);
    if (stdoutPath.empty()) run.out = TakeFile(outPath);
    run.err = TakeFile(errPath);
    std::remove(inPath.c_str());
    return run;
}

CalcRun RunCalcPiped(const std::vector<std::string>& args, const std::vector<std::string>& chunks,
                     bool /*nonBlockingInput: Windows pipes given to a program always block*/)
{
    HANDLE toCalc[2] = {};
    if (!InheritablePipe(toCalc, 0)) return {};
    const std::string outPath = TempPath("out");
    const std::string errPath = TempPath("err");
    const HANDLE out = InheritedFile(outPath, true);
    const HANDLE err = InheritedFile(errPath, true);
    const HANDLE process = Start(args, toCalc[0], out, err);
    CloseAll({toCalc[0], out, err});

    for (const std::string& chunk : chunks) {
        DWORD written = 0;
        if (process == nullptr || !WriteFile(toCalc[1], chunk.data(), static_cast<DWORD>(chunk.size()), &written, nullptr))
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    CloseHandle(toCalc[1]);
    CalcRun run;
    run.status = Wait(process);
    run.out = TakeFile(outPath);
    run.err = TakeFile(errPath);
    return run;
}

std::vector<std::string> RunCalcLineByLine(const std::vector<std::string>& args,
                                           const std::vector<std::string>& lines)
{
    HANDLE toCalc[2] = {};
    HANDLE fromCalc[2] = {};
    if (!InheritablePipe(toCalc, 0) || !InheritablePipe(fromCalc, 1)) return {};
    const HANDLE err = InheritedFile("NUL", true);
    const HANDLE process = Start(args, toCalc[0], fromCalc[1], err);
    CloseAll({toCalc[0], fromCalc[1], err});

    std::vector<std::string> answers;
    for (const std::string& line : lines) {
        if (process == nullptr) break;
        const std::string sent = line + "\n";
        DWORD written = 0;
        if (!WriteFile(toCalc[1], sent.data(), static_cast<DWORD>(sent.size()), &written, nullptr)) break;
        std::string answer;
        char c = 0;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (std::chrono::steady_clock::now() < deadline) {
            DWORD available = 0;
            if (!PeekNamedPipe(fromCalc[0], nullptr, 0, nullptr, &available, nullptr)) break;
            if (available == 0) {
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
                continue;
            }
            DWORD got = 0;
            if (!ReadFile(fromCalc[0], &c, 1, &got, nullptr) || got != 1 || c == '\n') break;
            answer += c;
        }
        if (c != '\n') break; // no answer in time
        answers.push_back(answer);
    }
    CloseAll({toCalc[1], fromCalc[0]});
    Wait(process);
    return answers;
}
