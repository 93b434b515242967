#include "cli/standard_streams.h"

#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace quillet::cli {

long long ReadSome(int fd, char* into, std::size_t room) { return ::read(fd, into, room); }

long long WriteSome(int fd, const char* data, std::size_t size) { return ::write(fd, data, size); }

bool InputReadyNow(int fd)
{
    pollfd ready{fd, POLLIN, 0};
    return ::poll(&ready, 1, 0) > 0 && (ready.revents & (POLLIN | POLLHUP | POLLERR | POLLNVAL)) != 0;
}

void WaitForInput(int fd)
{
    pollfd ready{fd, POLLIN, 0};
    while (::poll(&ready, 1, -1) < 0 && errno == EINTR) {
    }
}

void UseBinaryStandardStreams() {}

} // namespace quillet::cli
