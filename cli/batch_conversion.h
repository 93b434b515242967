#pragma once
// Converting the values of standard input, one per line, in order, in
// constant memory: a large read buffer, a large write buffer, one engine.

#include "cli/engine_session.h"
#include "cli/output_buffer.h"

namespace quillet::cli {

struct BatchOutcome {
    bool anyValueInError = false; // some line could not be read, shown, or was not a value
    int readErrno = 0;            // reading the input failed (0: it reached its end)
};

// Reads lines from `inputFd` until its end and appends one result line per
// input line to `output`. A blank line gives a blank line; a line that is
// not a value gives a blank line and a message. Output is flushed before
// every read that may wait, so a pipeline sees results as lines arrive.
BatchOutcome ConvertLines(ConversionSession& session, int inputFd, OutputBuffer& output);

} // namespace quillet::cli
