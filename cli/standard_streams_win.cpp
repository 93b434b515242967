#include "cli/standard_streams.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <io.h>

namespace quillet::cli {
namespace {

unsigned int ChunkSize(std::size_t size) { return size > INT_MAX ? INT_MAX : static_cast<unsigned int>(size); }

} // namespace

long long ReadSome(int fd, char* into, std::size_t room) { return _read(fd, into, ChunkSize(room)); }

long long WriteSome(int fd, const char* data, std::size_t size) { return _write(fd, data, ChunkSize(size)); }

bool InputReadyNow(int fd)
{
    const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
    switch (GetFileType(handle)) {
    case FILE_TYPE_DISK:
        return true;
    case FILE_TYPE_PIPE: {
        DWORD available = 0;
        // A pipe whose writer is gone cannot be peeked: its read ends at once.
        if (!PeekNamedPipe(handle, nullptr, 0, nullptr, &available, nullptr)) return true;
        return available > 0;
    }
    default:
        // A console has no portable way to ask; its reads wait for a line.
        return false;
    }
}

void WaitForInput(int /*fd*/)
{
    // Reads of standard input on Windows wait by themselves; should one ever
    // refuse to, the caller tries again a little later.
    Sleep(10);
}

void UseBinaryStandardStreams()
{
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

} // namespace quillet::cli
