#pragma once
// Standard input read as it arrives: each read takes what the descriptor has at hand (never
// waiting for a full buffer), and just before a read that would wait, the owner is told, so
// it can pass on what it holds while a slow producer pauses.
#include <functional>
#include <streambuf>
#include <vector>

class FdInputBuf : public std::streambuf {
  public:
    FdInputBuf(int fd, std::function<void()> onPause);

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
};
