#pragma once
// Runs a program in a forked child under a resource limit (setrlimit), its standard output
// into a file or discarded, its messages kept (in English), with extra environment variables.
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

struct LimitedRun {
    bool exited = false; // false: ended by a signal
    int status = -1;     // the exit status, or the signal
    std::string err;
};

struct ChildLimit {
    int resource = RLIMIT_FSIZE;
    rlim_t value = RLIM_INFINITY;
};

inline LimitedRun
RunLimitedChild(const std::string& program, const std::vector<std::string>& args, ChildLimit limit,
                const std::string& errPath, const std::string& outPath = "/dev/null",
                const std::vector<std::pair<std::string, std::string>>& env = {}) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        const struct rlimit noCore = {0, 0};
        ::setrlimit(RLIMIT_CORE, &noCore);
        // The messages in English, whatever the test's own locale.
        ::setenv("LC_ALL", "C", 1);
        ::unsetenv("LANGUAGE");
        for (const auto& [name, value] : env) {
            ::setenv(name.c_str(), value.c_str(), 1);
        }
        if (!std::freopen(outPath.c_str(), "w", stdout) ||
            !std::freopen(errPath.c_str(), "w", stderr)) {
            ::_exit(125);
        }
        const struct rlimit r = {limit.value, limit.value};
        ::setrlimit(limit.resource, &r);
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
    std::ifstream in(errPath);
    r.err.assign(std::istreambuf_iterator<char>(in), {});
    return r;
}
