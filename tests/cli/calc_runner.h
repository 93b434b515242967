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
