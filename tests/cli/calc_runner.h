#pragma once
// Runs the built quillet-calc with arguments and standard input, and
// collects what it wrote and how it ended.

#include <string>
#include <vector>

struct CalcRun {
    std::string out;
    std::string err;
    int status = -1; // exit status, or -1 when it did not exit normally
};

CalcRun RunCalc(const std::vector<std::string>& args, const std::string& input = {});

// Runs quillet-calc with pipes on both ends: each line written is answered
// before the next is sent, as a script driving it line by line would do.
// Returns the answers read, one per line sent; stops early on a timeout.
std::vector<std::string> RunCalcLineByLine(const std::vector<std::string>& args,
                                           const std::vector<std::string>& lines);
