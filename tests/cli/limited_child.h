#pragma once
// Runs a program in a forked child under resource limits (setrlimit), its standard output into a
// file or discarded, its messages kept (in English), with extra environment variables.
#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "tests/sanitizer.h"

struct LimitedRun {
    bool exited = false; // false: ended by a signal
    int status = -1;     // the exit status, or the signal
    std::string out;     // what it wrote to outPath (not read for /dev/null)
    std::string err;
    // The status as a shell gives it: the exit status, or 128 + the signal.
    int ShellStatus() const { return exited ? status : 128 + status; }
};

struct ChildLimit {
    int resource = RLIMIT_FSIZE;
    rlim_t value = RLIM_INFINITY;
};

struct ChildSetup {
    std::vector<ChildLimit> limits;
    std::string errPath;
    std::string outPath = "/dev/null";
    std::vector<std::pair<std::string, std::string>> env = {};
};

inline std::string ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The system does not hold the superuser to a process limit (RLIMIT_NPROC): under one, a child
// started by root first becomes a user of its own, with no other processes.
inline LimitedRun RunLimitedChild(const std::string& program, const std::vector<std::string>& args,
                                  const ChildSetup& setup) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        const struct rlimit noCore = {0, 0};
        ::setrlimit(RLIMIT_CORE, &noCore);
        // The messages in English, whatever the test's own locale.
        ::setenv("LC_ALL", "C", 1);
        ::unsetenv("LANGUAGE");
        for (const auto& [name, value] : setup.env) {
            ::setenv(name.c_str(), value.c_str(), 1);
        }
        if (!std::freopen(setup.outPath.c_str(), "w", stdout) ||
            !std::freopen(setup.errPath.c_str(), "w", stderr)) {
            ::_exit(125);
        }
        for (const ChildLimit& limit : setup.limits) {
            if (limit.resource == RLIMIT_NPROC) {
                if (::geteuid() == 0) {
                    const uid_t alone = 61000 + static_cast<uid_t>(::getpid() % 4000);
                    if (::setgroups(0, nullptr) != 0 || ::setgid(alone) != 0 ||
                        ::setuid(alone) != 0) {
                        ::_exit(124);
                    }
                }
#ifdef VEXAMO_UNDER_ASAN
                // The leak check at the end starts a task of its own, which the limit refuses.
                const char* given = std::getenv("ASAN_OPTIONS");
                const std::string options = std::string(given != nullptr ? given : "") +
                                            (given != nullptr ? ":" : "") + "detect_leaks=0";
                ::setenv("ASAN_OPTIONS", options.c_str(), 1);
#endif
            }
            const struct rlimit r = {limit.value, limit.value};
            ::setrlimit(limit.resource, &r);
        }
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const std::string& a : args) {
            argv.push_back(const_cast<char*>(a.c_str()));
        }
        argv.push_back(nullptr);
        ::execv(program.c_str(), argv.data());
        ::_exit(126);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    LimitedRun r;
    r.exited = WIFEXITED(status);
    r.status = r.exited ? WEXITSTATUS(status) : WTERMSIG(status);
    if (setup.outPath != "/dev/null") {
        r.out = ReadWhole(setup.outPath);
    }
    r.err = ReadWhole(setup.errPath);
    return r;
}
