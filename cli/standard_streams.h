#pragma once
// The few calls on standard input and output that differ between POSIX and
// Windows (standard_streams_posix.cpp, standard_streams_win.cpp).

#include <cstddef>

namespace quillet::cli {

inline constexpr int kStandardInput = 0;
inline constexpr int kStandardOutput = 1;

// Reads up to `room` bytes, like read(2): the count read, 0 at the end of
// the input, or -1 with errno set.
long long ReadSome(int fd, char* into, std::size_t room);

// Writes up to `size` bytes, like write(2): the count written, or -1 with errno set.
long long WriteSome(int fd, const char* data, std::size_t size);

// True when a read of `fd` would return at once (data, its end, or an error).
bool InputReadyNow(int fd);

// Waits until a read of `fd` would return at once; for input that was left
// in non-blocking mode, whose reads fail with EAGAIN instead of waiting.
void WaitForInput(int fd);

// Windows translates line ends on its standard streams unless told not to:
// results must be byte for byte the same everywhere. Elsewhere nothing to do.
void UseBinaryStandardStreams();

} // namespace quillet::cli
