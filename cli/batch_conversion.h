#pragma once
// Converting the values of standard input, one per line, in order and in
// constant memory: a large read buffer, a large write buffer, and two
// engines that each take half of every large block of lines, one of them on
// a second thread.

#include "cli/engine_session.h"
#include "cli/output_buffer.h"

namespace quillet::cli {

struct BatchOutcome {
    bool anyValueInError = false; // some line could not be read, shown, or was not a value
    int readErrno = 0;            // reading the input failed (0: it reached its end)
};

// Reads lines from `inputFd` until its end and appends one result line per
// input line to `output`, messages going to standard error. The two sessions
// must convert between the same formats with the same options. Output is
// flushed before every read that may wait, so a pipeline sees results as
// lines arrive.
BatchOutcome ConvertLines(ConversionSession& first, ConversionSession& second, int inputFd, OutputBuffer& output);

} // namespace quillet::cli
