#pragma once
// An input descriptor read as it arrives: each read takes what the descriptor has at hand (never
// waiting for a full buffer), and just before a read that would wait, the owner is told, so
// it can pass on what it holds while a slow producer pauses.
#include <cstdint>
#include <functional>
#include <streambuf>
#include <string_view>
#include <vector>

class FdInputBuf : public std::streambuf {
  public:
    FdInputBuf(int fd, std::function<void()> onPause);

    // The reason (an errno value) of the read that failed, or 0.
    int ReadErrno() const { return m_errno; }

  protected:
    // The bytes at hand, reading (and waiting for) more when none are; -1 at the end.
    std::streamsize showmanyc() override;
    int_type underflow() override;

  private:
    bool Fill();

    int m_fd;
    std::function<void()> m_onPause;
    std::vector<char> m_buffer;
    bool m_end = false;
    int m_errno = 0;
};

// Passes the bytes of the descriptor from offset to its end to take, block by block, without
// moving its position (a regular file's). Returns 0, or the errno value of a failed read.
int ReadEachBlock(int fd, int64_t offset, const std::function<void(std::string_view)>& take);
