#pragma once
// The seam tests' second process: vexamo-seam-child beside the test program, started with a
// UTF-8 command line turned into UTF-16, as a user's shell starts a program.
#include <string>
#include <vector>
#include <windows.h>

#include "records/utf8_paths.h"

// The folder of the running program, with a separator at the end.
inline std::wstring OwnFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

class ChildProcess {
  public:
    ChildProcess() = default;
    ~ChildProcess() {
        Kill();
        if (m_process != nullptr) {
            ::CloseHandle(m_process);
        }
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Starts the child with the given arguments (each quoted; none may hold a quote).
    bool Start(const std::vector<std::string>& args) {
        std::string line = "\"" + Utf8OfWide(OwnFolder()) + "vexamo-seam-child.exe\"";
        for (const std::string& arg : args) {
            line += " \"" + arg + "\"";
        }
        std::wstring wide;
        if (!WideOfUtf8(line, wide)) {
            return false;
        }
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        if (!::CreateProcessW(nullptr, wide.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &startup, &info)) {
            return false;
        }
        ::CloseHandle(info.hThread);
        m_process = info.hProcess;
        return true;
    }

    // The exit code, or -1 when the child has not ended within ms.
    int Wait(DWORD ms = 60000) {
        if (m_process == nullptr || ::WaitForSingleObject(m_process, ms) != WAIT_OBJECT_0) {
            return -1;
        }
        DWORD code = 0;
        ::GetExitCodeProcess(m_process, &code);
        return static_cast<int>(code);
    }

    // Ends the child at once, wherever it is, as a crash would.
    void Kill() {
        if (m_process != nullptr && ::WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT) {
            ::TerminateProcess(m_process, 99);
            ::WaitForSingleObject(m_process, INFINITE);
        }
    }

  private:
    HANDLE m_process = nullptr;
};

// Modes of vexamo-seam-child and what they give back.
inline constexpr const char* kChildAdd = "add";         // PATH PREFIX ROUNDS: exit 0, nothing lost
inline constexpr const char* kChildHold = "hold";       // PATH EVENT: holds the lock until killed
inline constexpr const char* kChildSaves = "saves";     // PATH: saves two contents by turns
inline constexpr const char* kChildArgs = "args";       // OUT ARGS...: writes its arguments to OUT
inline constexpr const char* kChildConsole = "console"; // OUT TEXT: see console_under_terminal.sh

// What the child's saves write by turns: a megabyte, long enough to be killed within.
inline std::string SavedContent(int turn) {
    return std::string(size_t{1} << 20, turn % 2 == 0 ? 'a' : 'b');
}
