#pragma once
// Reads a named pipe to its end on another thread while a writer (the code under test) may or
// may not open it: the read end is open before the writer starts, and Finish() lets the reader
// go whether a writer came or not.
#include <fcntl.h>
#include <future>
#include <poll.h>
#include <string>
#include <unistd.h>

class FifoReader {
  public:
    explicit FifoReader(const std::string& path)
        : m_fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK)) {
        m_got = std::async(std::launch::async, [fd = m_fd] {
            std::string got;
            char buffer[4096];
            for (;;) {
                pollfd p{fd, POLLIN, 0};
                if (fd < 0 || ::poll(&p, 1, -1) < 0) {
                    break;
                }
                const ssize_t n = ::read(fd, buffer, sizeof buffer);
                if (n > 0) {
                    got.append(buffer, static_cast<size_t>(n));
                } else if (n == 0) {
                    break; // every writer has closed it
                }
            }
            return got;
        });
    }
    ~FifoReader() { Finish(); }

    // What was written into the pipe; call after the writer is done.
    std::string Finish() {
        if (!m_got.valid()) {
            return m_result;
        }
        // A writer that opens and closes it at once: the end for a reader that saw none. Opened
        // through the read end, so that it reaches the pipe even when the path no longer does.
        const std::string self = "/proc/self/fd/" + std::to_string(m_fd);
        if (const int release = ::open(self.c_str(), O_WRONLY | O_NONBLOCK); release >= 0) {
            ::close(release);
        }
        m_result = m_got.get();
        ::close(m_fd);
        return m_result;
    }

  private:
    int m_fd;
    std::future<std::string> m_got;
    std::string m_result;
};
