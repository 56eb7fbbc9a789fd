#pragma once
// A stream buffer that has `piece` bytes at hand at a time, as a pipe fed by a slow producer:
// what a reader gets from one read depends on where the pieces end. Used by the CSV reader's
// tests and its fuzzer.
#include <algorithm>
#include <cstring>
#include <streambuf>
#include <string_view>

class PieceInput : public std::streambuf {
  public:
    PieceInput(std::string_view bytes, size_t piece) : m_bytes(bytes), m_piece(piece) {}

  protected:
    std::streamsize showmanyc() override {
        return m_pos < m_bytes.size()
                   ? static_cast<std::streamsize>(std::min(m_piece, m_bytes.size() - m_pos))
                   : -1;
    }
    std::streamsize xsgetn(char* out, std::streamsize n) override {
        const size_t count = std::min({static_cast<size_t>(n), m_piece, m_bytes.size() - m_pos});
        std::memcpy(out, m_bytes.data() + m_pos, count);
        m_pos += count;
        return static_cast<std::streamsize>(count);
    }
    int_type underflow() override {
        return m_pos < m_bytes.size() ? traits_type::to_int_type(m_bytes[m_pos])
                                      : traits_type::eof();
    }
    int_type uflow() override {
        return m_pos < m_bytes.size() ? traits_type::to_int_type(m_bytes[m_pos++])
                                      : traits_type::eof();
    }

  private:
    std::string_view m_bytes;
    size_t m_piece;
    size_t m_pos = 0;
};
