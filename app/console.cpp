#include "app/console.h"

#include <memory>

#ifdef _WIN32
#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <iostream>
#include <windows.h>

#include "records/utf8_paths.h"
#else
#include <unistd.h>
#endif

#ifdef _WIN32
namespace {

// Writes UTF-8 into a console as UTF-16 (WriteConsoleW), whole characters at a time: a console
// takes each write by itself, so a character split between two would be shown as two wrong ones.
class ConsoleBuffer : public std::streambuf {
  public:
    explicit ConsoleBuffer(HANDLE console) : m_console(console) {
        setp(m_bytes, m_bytes + sizeof m_bytes);
    }
    ~ConsoleBuffer() override { Write(true); }

  protected:
    int_type overflow(int_type c) override {
        Write(false);
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    int sync() override { return Write(false) ? 0 : -1; }

  private:
    // The length of the bytes without a character cut off at their end.
    static size_t WholeCharacters(const char* bytes, size_t size) {
        for (size_t back = 1; back <= 3 && back <= size; ++back) {
            const auto byte = static_cast<unsigned char>(bytes[size - back]);
            if ((byte & 0xC0) != 0x80) { // the lead byte of the last character
                const size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
                return length > back ? size - back : size;
            }
        }
        return size;
    }

    // Writes what is buffered; a character cut off at the end waits for its rest unless all.
    bool Write(bool all) {
        const size_t size = static_cast<size_t>(pptr() - pbase());
        const size_t whole = all ? size : WholeCharacters(pbase(), size);
        bool ok = true;
        if (whole > 0) {
            const std::wstring wide = WideOf(std::string_view(pbase(), whole));
            DWORD written = 0;
            for (size_t at = 0; ok && at < wide.size(); at += written) {
                ok = ::WriteConsoleW(m_console, wide.data() + at,
                                     static_cast<DWORD>(wide.size() - at), &written, nullptr) &&
                     written > 0;
            }
        }
        const size_t rest = size - whole;
        std::copy(pbase() + whole, pptr(), m_bytes);
        setp(m_bytes, m_bytes + sizeof m_bytes);
        pbump(static_cast<int>(rest));
        return ok;
    }

    // Malformed bytes become U+FFFD, as a terminal shows them.
    static std::wstring WideOf(std::string_view utf8) {
        const int size = static_cast<int>(utf8.size());
        const int units = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
        std::wstring wide(static_cast<size_t>(units > 0 ? units : 0), L'\0');
        ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), units);
        return wide;
    }

    HANDLE m_console;
    char m_bytes[4096];
};

HANDLE HandleOf(int fd) {
    return reinterpret_cast<HANDLE>(::_get_osfhandle(fd));
}

} // namespace

bool IsTerminal(int fd) {
    const HANDLE handle = HandleOf(fd);
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && ::GetConsoleMode(handle, &mode) != 0;
}

struct Utf8Console::Redirection {
    unsigned codePage = 0;
    std::unique_ptr<ConsoleBuffer> out;
    std::unique_ptr<ConsoleBuffer> err;
    std::streambuf* previousOut = nullptr;
    std::streambuf* previousErr = nullptr;
};

Utf8Console::Utf8Console() : m_redirection(std::make_unique<Redirection>()) {
    Redirection& r = *m_redirection;
    r.codePage = ::GetConsoleOutputCP();
    if (r.codePage != 0 && r.codePage != CP_UTF8) {
        ::SetConsoleOutputCP(CP_UTF8);
    }
    if (IsTerminal(1)) {
        std::cout.flush();
        r.out = std::make_unique<ConsoleBuffer>(HandleOf(1));
        r.previousOut = std::cout.rdbuf(r.out.get());
    }
    if (IsTerminal(2)) {
        std::cerr.flush();
        r.err = std::make_unique<ConsoleBuffer>(HandleOf(2));
        r.previousErr = std::cerr.rdbuf(r.err.get());
    }
}

Utf8Console::~Utf8Console() {
    Redirection& r = *m_redirection;
    if (r.out != nullptr) {
        std::cout.flush();
        std::cout.rdbuf(r.previousOut);
    }
    if (r.err != nullptr) {
        std::cerr.flush();
        std::cerr.rdbuf(r.previousErr);
    }
    r.out.reset(); // writes a character cut off at the end as it is
    r.err.reset();
    if (r.codePage != 0 && r.codePage != CP_UTF8) {
        ::SetConsoleOutputCP(r.codePage);
    }
}

void UseStandardStreamsAsBytes() {
    for (FILE* stream : {stdin, stdout, stderr}) {
        ::_setmode(::_fileno(stream), _O_BINARY);
    }
}

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
    int count = 0;
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (wide == nullptr) {
        return std::vector<std::string>(argv, argv + argc);
    }
    std::vector<std::string> arguments;
    arguments.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        arguments.push_back(Utf8OfWide(wide[i]));
    }
    ::LocalFree(wide);
    return arguments;
}
#else
bool IsTerminal(int fd) {
    return ::isatty(fd) == 1;
}

struct Utf8Console::Redirection {};

Utf8Console::Utf8Console() = default;

Utf8Console::~Utf8Console() = default;

void UseStandardStreamsAsBytes() {}

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
    return std::vector<std::string>(argv, argv + argc);
}
#endif
