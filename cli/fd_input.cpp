#include "cli/fd_input.h"

#include <cerrno>
#include <system_error>
#include <unistd.h>

#include "cli/input_descriptors.h"

namespace {

constexpr size_t kReadSize = 1 << 16;

} // namespace

FdInputBuf::FdInputBuf(int fd, std::function<void()> onPause)
    : m_fd(fd), m_onPause(std::move(onPause)), m_buffer(kReadSize) {
    setg(m_buffer.data(), m_buffer.data(), m_buffer.data());
}

bool FdInputBuf::Fill() {
    if (m_end) {
        return false;
    }
    if (m_onPause && ReadWouldWait(m_fd)) {
        m_onPause();
    }
    ssize_t got = 0;
    do {
        got = ::read(m_fd, m_buffer.data(), m_buffer.size());
    } while (got < 0 && errno == EINTR);
    if (got < 0) {
        m_errno = errno;
        // The stream turns this into its bad state: a read error, not an end.
        throw std::system_error(errno, std::generic_category());
    }
    if (got == 0) {
        m_end = true;
        return false;
    }
    setg(m_buffer.data(), m_buffer.data(), m_buffer.data() + got);
    return true;
}

std::streamsize FdInputBuf::showmanyc() {
    if (gptr() == egptr() && !Fill()) {
        return -1;
    }
    return egptr() - gptr();
}

FdInputBuf::int_type FdInputBuf::underflow() {
    if (gptr() == egptr() && !Fill()) {
        return traits_type::eof();
    }
    return traits_type::to_int_type(*gptr());
}

int ReadEachBlock(int fd, int64_t offset, const std::function<void(std::string_view)>& take) {
    std::vector<char> block(kReadSize);
    for (;;) {
        int err = 0;
        const int64_t got = ReadAt(fd, block.data(), block.size(), offset, err);
        if (got < 0) {
            return err;
        }
        if (got == 0) {
            return 0;
        }
        take(std::string_view(block.data(), static_cast<size_t>(got)));
        offset += got;
    }
}
