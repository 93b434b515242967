#include "cli/output_buffer.h"

#include "cli/standard_streams.h"

#include <cerrno>

namespace quillet::cli {

OutputBuffer::OutputBuffer(int fd, std::size_t capacity)
    : m_fd(fd), m_capacity(capacity), m_data(new char[capacity])
{
}

void OutputBuffer::Flush()
{
    WriteAll(m_data.get(), m_used);
    m_used = 0;
}

void OutputBuffer::WriteAll(const char* data, std::size_t size)
{
    while (size > 0 && m_failedErrno == 0) {
        const long long written = WriteSome(m_fd, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            m_failedErrno = errno;
            return;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
}

} // namespace quillet::cli
