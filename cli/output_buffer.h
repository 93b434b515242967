#pragma once
// A large output buffer written to a file descriptor in few system calls,
// so a batch of millions of lines is not slowed down by per-line writes.

#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>

namespace quillet::cli {

class OutputBuffer {
public:
    explicit OutputBuffer(int fd, std::size_t capacity = std::size_t{1} << 20);

    void Append(std::string_view text)
    {
        if (text.size() > m_capacity - m_used) Flush();
        if (text.size() > m_capacity) {
            WriteAll(text.data(), text.size());
            return;
        }
        std::memcpy(m_data.get() + m_used, text.data(), text.size());
        m_used += text.size();
    }
    void AppendLine(std::string_view text)
    {
        Append(text);
        Append("\n");
    }
    // Writes out what is buffered. After a failed write the buffer drops
    // everything and Failed() stays true, with the reason in FailureErrno().
    void Flush();
    bool Failed() const { return m_failedErrno != 0; }
    int FailureErrno() const { return m_failedErrno; }

private:
    void WriteAll(const char* data, std::size_t size);

    int m_fd;
    std::size_t m_capacity;
    std::size_t m_used = 0;
    std::unique_ptr<char[]> m_data;
    int m_failedErrno = 0;
};

} // namespace quillet::cli
