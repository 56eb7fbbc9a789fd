// "vexamo-cli report" and "vexamo-cli diagram": drawn by the separate program vexamo-sheet, so
// that vexamo-cli itself never loads the graphics libraries and every other command starts as
// quickly as before. vexamo-sheet runs with the same arguments; its output and messages pass
// through to this command's streams and its exit status is this command's.
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "app/text_catalogue.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "cli/record_file_access.h"

extern char** environ;

namespace {

constexpr const char* kSheetProgram = "vexamo-sheet";

// The folder of the running program.
std::string ProgramFolder() {
    std::vector<char> path(PATH_MAX + 1);
    const ssize_t n = ::readlink("/proc/self/exe", path.data(), path.size() - 1);
    if (n <= 0) {
        return {};
    }
    std::string text(path.data(), static_cast<size_t>(n));
    const size_t slash = text.rfind('/');
    return slash == std::string::npos ? std::string() : text.substr(0, slash);
}

// vexamo-sheet beside this program (the build tree), or where the package installs it.
std::string FindSheetProgram() {
    const std::string folder = ProgramFolder();
    if (folder.empty()) {
        return {};
    }
    for (const std::string& candidate :
         {folder + "/" + kSheetProgram, folder + "/../libexec/vexamo/" + kSheetProgram}) {
        if (::access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
    }
    return {};
}

struct Pipe {
    int read = -1;
    int write = -1;
    bool Open() {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0) {
            return false;
        }
        read = fds[0];
        write = fds[1];
        return true;
    }
    void Close() {
        for (int* fd : {&read, &write}) {
            if (*fd >= 0) {
                ::close(*fd);
                *fd = -1;
            }
        }
    }
};

// Copies what the child writes on out and err to the command's streams until both are closed.
// Returns false when io.out took less than it was given.
bool Relay(Pipe& out, Pipe& err, CliStreams& io) {
    bool outOk = true;
    std::vector<char> buffer(1 << 16);
    while (out.read >= 0 || err.read >= 0) {
        pollfd fds[2] = {{out.read, POLLIN, 0}, {err.read, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        for (int k = 0; k < 2; ++k) {
            Pipe& pipe = k == 0 ? out : err;
            if (pipe.read < 0 || fds[k].revents == 0) {
                continue;
            }
            const ssize_t n = ::read(pipe.read, buffer.data(), buffer.size());
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                pipe.Close();
                continue;
            }
            std::ostream& to = k == 0 ? io.out : io.err;
            // After a failed write the rest is still read, so that the child can finish.
            if (k == 1 || outOk) {
                to.write(buffer.data(), n);
                outOk = k == 1 ? outOk : static_cast<bool>(to);
            }
        }
    }
    io.err.flush();
    io.out.flush();
    return outOk && static_cast<bool>(io.out);
}

int RunSheetProgram(const std::string& command, const Args& args, CliStreams& io) {
    const std::string program = FindSheetProgram();
    if (program.empty()) {
        PrintMessage(io, UserText(TextId::CliSheetMissing, {kSheetProgram}));
        return kExitRefused;
    }
    std::vector<std::string> words{program};
    // Whether this command's streams are terminals: names in messages are then escaped, and
    // no PDF or picture is written to a terminal.
    if (io.outTerminal) {
        words.emplace_back("--out-terminal");
    }
    if (io.errTerminal) {
        words.emplace_back("--err-terminal");
    }
    words.push_back(command);
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);

    Pipe out;
    Pipe err;
    if (!out.Open() || !err.Open()) {
        out.Close();
        PrintMessage(io, UserText(TextId::CliSheetMissing, {kSheetProgram}));
        return kExitRefused;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, out.write, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err.write, STDERR_FILENO);
    pid_t pid = -1;
    const int spawned =
        ::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out.write);
    out.write = -1;
    ::close(err.write);
    err.write = -1;
    if (spawned != 0) {
        out.Close();
        err.Close();
        PrintMessage(io, UserText(TextId::CliSheetMissing, {kSheetProgram}));
        return kExitRefused;
    }
    const bool written = Relay(out, err, io);
    out.Close();
    err.Close();
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (!written) {
        return OutputFailed(io);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : kExitRefused;
}

} // namespace

int RunReport(const Args& args, CliStreams& io) {
    return RunSheetProgram("report", args, io);
}

int RunDiagram(const Args& args, CliStreams& io) {
    return RunSheetProgram("diagram", args, io);
}
