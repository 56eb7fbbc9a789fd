#pragma once
// vexamo-cli in a process of its own, its standard input written and its standard output read by
// the test as they go, as a producer and a consumer on a pipe would: fork and pipes on POSIX,
// CreateProcessW and anonymous pipes on Windows. Its messages go where the test's go.
#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#ifdef _WIN32
#include <windows.h>

#include "places/program_folder.h"
#include "records/utf8_paths.h"
#else
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

// The vexamo-cli of this build: on Windows found from the test program, which cannot start a
// program by the build machine's path.
inline std::string CliProgram() {
#ifdef _WIN32
    return Utf8OfPath((places::ProgramFile().parent_path() / VEXAMO_CLI_FROM_TESTS)
                          .lexically_normal()
                          .make_preferred());
#else
    return VEXAMO_CLI_PATH;
#endif
}

class PipedChild {
  public:
    PipedChild() = default;
    ~PipedChild() {
        CloseInput();
        Wait();
    }
    PipedChild(const PipedChild&) = delete;
    PipedChild& operator=(const PipedChild&) = delete;

    bool Start(const std::string& program, const std::vector<std::string>& args);
    bool Write(std::string_view bytes);
    void CloseInput();
    // Appends to `into` what the child writes within ms; false at the end of its output or when
    // nothing came in time.
    bool ReadSome(std::string& into, int ms);
    // The exit status, or -1 when the child ended otherwise (a signal) or was never started.
    int Wait();

    // The next line of output (without its end), read within ms; empty when none came.
    std::string ReadLine(std::string& rest, int ms) {
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        for (;;) {
            if (const size_t end = rest.find('\n'); end != std::string::npos) {
                std::string line = rest.substr(0, end);
                rest.erase(0, end + 1);
                return line;
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                until - std::chrono::steady_clock::now());
            if (left.count() <= 0 || !ReadSome(rest, static_cast<int>(left.count()))) {
                return {};
            }
        }
    }

  private:
#ifdef _WIN32
    HANDLE m_process = nullptr;
    HANDLE m_input = nullptr;
    HANDLE m_output = nullptr;
#else
    pid_t m_pid = -1;
    int m_input = -1;
    int m_output = -1;
#endif
    int m_status = -1;
};

#ifdef _WIN32
inline bool PipedChild::Start(const std::string& program, const std::vector<std::string>& args) {
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    HANDLE childInput = nullptr;
    HANDLE childOutput = nullptr;
    if (!::CreatePipe(&childInput, &m_input, &inherited, 0) ||
        !::CreatePipe(&m_output, &childOutput, &inherited, 0)) {
        return false;
    }
    // The test's own ends stay with the test.
    ::SetHandleInformation(m_input, HANDLE_FLAG_INHERIT, 0);
    ::SetHandleInformation(m_output, HANDLE_FLAG_INHERIT, 0);
    std::string line = "\"" + program + "\"";
    for (const std::string& arg : args) {
        line += " \"" + arg + "\""; // none of the tests' arguments holds a quote
    }
    std::wstring wide;
    WideOfUtf8(line, wide);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = childInput;
    startup.hStdOutput = childOutput;
    startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION info{};
    const bool started = ::CreateProcessW(nullptr, wide.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                          nullptr, &startup, &info) != 0;
    ::CloseHandle(childInput);
    ::CloseHandle(childOutput);
    if (!started) {
        return false;
    }
    ::CloseHandle(info.hThread);
    m_process = info.hProcess;
    return true;
}

inline bool PipedChild::Write(std::string_view bytes) {
    DWORD written = 0;
    return m_input != nullptr &&
           ::WriteFile(m_input, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                       nullptr) &&
           written == bytes.size();
}

inline void PipedChild::CloseInput() {
    if (m_input != nullptr) {
        ::CloseHandle(m_input);
        m_input = nullptr;
    }
}

// Anonymous pipes have no waiting with a time limit: what is there is looked at until it comes.
inline bool PipedChild::ReadSome(std::string& into, int ms) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (m_output != nullptr) {
        DWORD ready = 0;
        if (!::PeekNamedPipe(m_output, nullptr, 0, nullptr, &ready, nullptr)) {
            return false; // the child's end is closed
        }
        if (ready > 0) {
            std::string buffer(ready, '\0');
            DWORD got = 0;
            if (!::ReadFile(m_output, buffer.data(), ready, &got, nullptr) || got == 0) {
                return false;
            }
            into.append(buffer, 0, got);
            return true;
        }
        if (std::chrono::steady_clock::now() >= until) {
            return false;
        }
        ::Sleep(5);
    }
    return false;
}

inline int PipedChild::Wait() {
    if (m_process != nullptr) {
        DWORD code = 0;
        if (::WaitForSingleObject(m_process, 60000) == WAIT_OBJECT_0 &&
            ::GetExitCodeProcess(m_process, &code)) {
            m_status = static_cast<int>(code);
        } else {
            ::TerminateProcess(m_process, 99);
        }
        ::CloseHandle(m_process);
        m_process = nullptr;
    }
    if (m_output != nullptr) {
        ::CloseHandle(m_output);
        m_output = nullptr;
    }
    return m_status;
}
#else
inline bool PipedChild::Start(const std::string& program, const std::vector<std::string>& args) {
    int toChild[2];
    int fromChild[2];
    if (::pipe(toChild) != 0) {
        return false;
    }
    if (::pipe(fromChild) != 0) {
        ::close(toChild[0]);
        ::close(toChild[1]);
        return false;
    }
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& a : args) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);
    m_pid = ::fork();
    if (m_pid == 0) {
        ::dup2(toChild[0], STDIN_FILENO);
        ::dup2(fromChild[1], STDOUT_FILENO);
        ::close(toChild[0]);
        ::close(toChild[1]);
        ::close(fromChild[0]);
        ::close(fromChild[1]);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    ::close(toChild[0]);
    ::close(fromChild[1]);
    m_input = toChild[1];
    m_output = fromChild[0];
    return m_pid > 0;
}

inline bool PipedChild::Write(std::string_view bytes) {
    return m_input >= 0 &&
           ::write(m_input, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
}

inline void PipedChild::CloseInput() {
    if (m_input >= 0) {
        ::close(m_input);
        m_input = -1;
    }
}

inline bool PipedChild::ReadSome(std::string& into, int ms) {
    pollfd ready{m_output, POLLIN, 0};
    if (m_output < 0 || ::poll(&ready, 1, ms) <= 0) {
        return false;
    }
    char buffer[4096];
    const ssize_t got = ::read(m_output, buffer, sizeof buffer);
    if (got <= 0) {
        return false;
    }
    into.append(buffer, static_cast<size_t>(got));
    return true;
}

inline int PipedChild::Wait() {
    if (m_pid > 0) {
        int status = 0;
        ::waitpid(m_pid, &status, 0);
        m_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        m_pid = -1;
    }
    if (m_output >= 0) {
        ::close(m_output);
        m_output = -1;
    }
    return m_status;
}
#endif
