// "vexamo-cli report" and "vexamo-cli diagram": drawn by the separate program vexamo-sheet, so
// that vexamo-cli itself never loads the graphics libraries and every other command starts as
// quickly as before. vexamo-sheet runs with the same arguments; its output and messages pass
// through to this command's streams and its exit status is this command's. The Windows build
// draws both itself with GDI: the diagram in cli/diagram_windows.cpp, the sheets through the
// system's PDF printer in cli/report_windows.cpp.
#ifdef _WIN32
#include "cli/commands.h"
#include "cli/report_windows.h"

int RunReport(const Args& args, CliStreams& io) {
    return RunWindowsReport(args, io);
}

#else
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "app/file_messages.h"
#include "app/text_catalogue.h"
#include "cli/commands.h"
#include "cli/option_table.h"
#include "cli/output.h"
#include "cli/record_file_access.h"
#include "cli/sheet_exit.h"
#include "records/file_replacement.h"

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

// The program named by kSheetProgramVariable, else vexamo-sheet beside this program (the build
// tree), or where the package installs it.
std::string FindSheetProgram() {
    if (const char* named = std::getenv(kSheetProgramVariable); named != nullptr && *named) {
        return named;
    }
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

// The first messages of the program are held back until it has ended, so that an abnormal end
// replaces them (the dynamic loader's complaint, a runtime's abort notice) by one line of its
// own; beyond this much they pass through as they come.
constexpr size_t kHeldMessageBytes = 1 << 16;

struct Relayed {
    bool outOk = true;
    int outErrno = 0;     // why io.out took less than it was given, when known
    std::string held;     // messages not passed on yet
    bool passing = false; // messages pass through as they come
};

// Copies what the child writes on out to io.out and holds what it writes on err (see
// kHeldMessageBytes), until both are closed.
Relayed Relay(Pipe& out, Pipe& err, CliStreams& io) {
    Relayed r;
    std::vector<char> buffer(1 << 16);
    while (out.read >= 0 || err.read >= 0) {
        pollfd fds[2] = {{out.read, POLLIN, 0}, {err.read, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            r.outOk = false;
            return r;
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
            if (k == 1) {
                r.held.append(buffer.data(), static_cast<size_t>(n));
                if (r.passing || r.held.size() > kHeldMessageBytes) {
                    io.err << r.held;
                    io.err.flush();
                    r.held.clear();
                    r.passing = true;
                }
                continue;
            }
            // After a failed write the rest is still read, so that the child can finish.
            if (r.outOk) {
                errno = 0;
                io.out.write(buffer.data(), n);
                if (!io.out) {
                    r.outOk = false;
                    r.outErrno = errno;
                }
            }
        }
    }
    errno = 0;
    io.out.flush();
    if (r.outOk && !io.out) {
        r.outOk = false;
        r.outErrno = errno;
    }
    return r;
}

// The path after -o or --output, or "" when there is none or the arguments do not parse.
std::string OutputPath(const std::string& command, const Args& args) {
    ParsedArgs parsed;
    if (ParseArgs(args, command == "report" ? kReportSyntax : kDiagramSyntax, parsed)) {
        return {};
    }
    std::string output;
    for (const ParsedOption& option : parsed.options) {
        if (option.spec->name == std::string_view("-o") ||
            option.spec->name == std::string_view("--output")) {
            output = option.value;
        }
    }
    return output == "-" ? std::string() : output;
}

std::string FileNameOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string NotStarted(const std::string& program, int errnoValue) {
    const std::string reason =
        errnoValue == EAGAIN ? UserText(TextId::SheetStartNoProcess) : ErrnoText(errnoValue);
    return UserText(TextId::CliSheetNotStarted, {FileNameOf(program), reason});
}

// What the dynamic loader says in "...: error while loading shared libraries: NAME: REASON".
struct LoaderComplaint {
    std::string library; // "" when the loader said nothing recognisable
    bool memory = false; // the library was found but could not be mapped into memory
};

LoaderComplaint LoaderComplaintIn(const std::string& messages) {
    static constexpr std::string_view kLead = "error while loading shared libraries: ";
    LoaderComplaint complaint;
    const size_t at = messages.find(kLead);
    if (at == std::string::npos) {
        return complaint;
    }
    const size_t from = at + kLead.size();
    const size_t colon = messages.find_first_of(":\n", from);
    if (colon == std::string::npos || messages[colon] != ':') {
        return complaint;
    }
    complaint.library = messages.substr(from, colon - from);
    const std::string reason = messages.substr(colon, messages.find('\n', colon) - colon);
    complaint.memory = reason.find("failed to map segment") != std::string::npos ||
                       reason.find("Cannot allocate memory") != std::string::npos;
    return complaint;
}

std::string SignalMessage(const std::string& program, int signalNumber) {
    TextId meaning = TextId::SignalOther;
    switch (signalNumber) {
    case SIGSEGV:
    case SIGBUS:
        meaning = TextId::SignalMemoryAccess;
        break;
    case SIGKILL:
        meaning = TextId::SignalKilled;
        break;
    case SIGXFSZ:
        meaning = TextId::SignalFileSize;
        break;
    case SIGABRT:
        meaning = TextId::SignalAborted;
        break;
    default:
        break;
    }
    const char* abbreviation = ::sigabbrev_np(signalNumber);
    const std::string name =
        abbreviation != nullptr ? std::string("SIG") + abbreviation : std::to_string(signalNumber);
    return UserText(TextId::CliSheetSignal, {FileNameOf(program), name, UserText(meaning)});
}

// Why the program ended as status says, when that is not one of the endings whose messages
// it printed itself (0, 1, 2); "" for those.
std::string AbnormalEnd(const std::string& program, int status, const std::string& messages) {
    if (WIFSIGNALED(status)) {
        return SignalMessage(program, WTERMSIG(status));
    }
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    switch (code) {
    case kExitOk:
    case kExitRefused:
    case kExitUsage:
        return {};
    case kSheetExitOutOfMemory:
        return UserText(TextId::CliSheetOutOfMemory, {FileNameOf(program)});
    case 127: {
        // The dynamic loader's status when a library is missing or cannot be loaded.
        const LoaderComplaint complaint = LoaderComplaintIn(messages);
        if (complaint.memory) {
            return NotStarted(program, ENOMEM);
        }
        return complaint.library.empty()
                   ? UserText(TextId::CliSheetLibrariesMissing, {FileNameOf(program)})
                   : UserText(TextId::CliSheetLibraryMissing,
                              {FileNameOf(program), complaint.library});
    }
    default:
        return UserText(TextId::CliSheetEndedUnexpectedly,
                        {FileNameOf(program), std::to_string(code)});
    }
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
        const int why = errno;
        out.Close();
        PrintMessage(io, NotStarted(program, why));
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
    // A program ended midway leaves its temporary file and the output's lock file.
    auto removeLeftovers = [&] {
        if (const std::string output = OutputPath(command, args); !output.empty()) {
            RemoveInterruptedSave(output);
        }
    };
    if (spawned != 0) {
        out.Close();
        err.Close();
        removeLeftovers();
        PrintMessage(io, NotStarted(program, spawned));
        return kExitRefused;
    }
    const Relayed relayed = Relay(out, err, io);
    out.Close();
    err.Close();
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    const std::string abnormal = AbnormalEnd(program, status, relayed.held);
    if (abnormal.empty()) {
        io.err << relayed.held;
        io.err.flush();
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != kExitOk) {
        removeLeftovers();
    }
    if (!abnormal.empty()) {
        PrintMessage(io, abnormal);
        return kExitRefused;
    }
    if (!relayed.outOk) {
        return OutputFailedBecause(io, relayed.outErrno);
    }
    return WEXITSTATUS(status);
}

} // namespace

int RunReport(const Args& args, CliStreams& io) {
    return RunSheetProgram("report", args, io);
}

int RunDiagram(const Args& args, CliStreams& io) {
    return RunSheetProgram("diagram", args, io);
}
#endif
