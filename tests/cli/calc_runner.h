#pragma once
// Runs the built quillet-calc with arguments and standard input, and
// collects what it wrote and how it ended (calc_runner_posix.cpp,
// calc_runner_win.cpp).

#include <string>
#include <vector>

struct CalcRun {
    std::string out;
    std::string err;
    int status = -1; // exit status, or -1 when it did not exit normally
};

// Standard input from a file holding `input`. Standard output goes to
// `stdoutPath` when one is given (and `out` stays empty).
CalcRun RunCalc(const std::vector<std::string>& args, const std::string& input = {},
                const std::string& stdoutPath = {});

// Standard input through a pipe that receives `chunks` one by one, with a
// pause after each, so the program reads them apart. POSIX: the pipe is
// left non-blocking when `nonBlockingInput` is set.
CalcRun RunCalcPiped(const std::vector<std::string>& args, const std::vector<std::string>& chunks,
                     bool nonBlockingInput = false);

// Runs quillet-calc with pipes on both ends: each line written is answered
// before the next is sent, as a script driving it line by line would do.
// Returns the answers read, one per line sent; stops early on a timeout.
std::vector<std::string> RunCalcLineByLine(const std::vector<std::string>& args,
                                           const std::vector<std::string>& lines);
