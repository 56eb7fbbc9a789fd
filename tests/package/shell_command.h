#pragma once
// Runs a shell command line for the packaging tests: its standard output and exit status.
#include <sys/wait.h>

#include <cstdio>
#include <string>

struct ShellResult {
    int status = -1; // the exit status, -1 when the command did not exit normally
    std::string out;
};

inline ShellResult RunShell(const std::string& command) {
    ShellResult result;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return result;
    }
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        result.out.append(buffer, n);
    }
    const int raw = pclose(pipe);
    result.status = raw != -1 && WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return result;
}

// arg in single quotes for the shell.
inline std::string ShellQuote(const std::string& arg) {
    std::string quoted = "'";
    for (const char c : arg) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}
