// Where report and diagram write, and how they end when vexamo-sheet does not end on its own
// terms: devices and named pipes written into, never replaced; one line for every abnormal
// end, and nothing left beside the output.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "records/side_files.h"
#include "tests/cli/limited_child.h"
#include "tests/records/fifo_reader.h"
#include "tests/sheet/sheet_cli_run.h"

namespace {

const std::vector<std::string> kBirth{"1", "2", "2000", "3", "4"};

struct SheetKind {
    const char* command;
    const char* format;
    std::string magic; // how the output begins
};
const SheetKind kKinds[] = {
    {"report", "pdf", "%PDF-"},
    {"diagram", "png", "\x89PNG"},
    {"diagram", "svg", "<"},
};

class SheetOutput : public SheetCliTest {
  protected:
    static std::vector<std::string> Words(const SheetKind& kind, const std::string& out) {
        std::vector<std::string> words{kind.command, "-o", out, "--format", kind.format};
        words.insert(words.end(), kBirth.begin(), kBirth.end());
        return words;
    }

    static bool Is(const std::string& path, mode_t type) {
        struct stat st {};
        return ::lstat(path.c_str(), &st) == 0 && (st.st_mode & S_IFMT) == type;
    }

    // A stand-in for vexamo-sheet: a shell script with the body.
    std::string StandIn(const std::string& name, const std::string& body) const {
        std::filesystem::create_directories(Path("bin"));
        const std::string path = Path("bin/" + name);
        std::ofstream(path) << "#!/bin/sh\n" << body << "\n";
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
        return path;
    }
};

TEST_F(SheetOutput, ANamedPipeGetsTheOutputAndStaysAPipe) {
    ASSERT_EQ(::mkfifo(Path("pipe").c_str(), 0600), 0);
    for (const SheetKind& kind : kKinds) {
        SCOPED_TRACE(kind.format);
        FifoReader reader(Path("pipe"));
        const CliRun run = Cli(Words(kind, Path("pipe")));
        const std::string got = reader.Finish();
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(got.rfind(kind.magic, 0), 0u) << got.size() << " bytes";
        EXPECT_TRUE(Is(Path("pipe"), S_IFIFO));
        EXPECT_EQ(Written(), std::vector<std::string>{"pipe"});
    }
}

TEST_F(SheetOutput, ADeviceIsWrittenIntoAndStandardOutputByItsName) {
    ASSERT_EQ(::symlink("/dev/null", Path("null").c_str()), 0);
    for (const SheetKind& kind : kKinds) {
        SCOPED_TRACE(kind.format);
        for (const std::string& out : {Path("null"), std::string("/dev/null")}) {
            const CliRun run = Cli(Words(kind, out));
            EXPECT_EQ(run.status, 0) << run.err;
            EXPECT_EQ(run.out, "");
            EXPECT_TRUE(Is("/dev/null", S_IFCHR));
            EXPECT_TRUE(Is(Path("null"), S_IFLNK));
        }
        // Standard output is a pipe here: the output goes through it as for "-o -".
        const CliRun run = Cli(Words(kind, "/dev/stdout"));
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out.rfind(kind.magic, 0), 0u);
    }
    EXPECT_EQ(Written(), std::vector<std::string>{"null"});
    for (const auto& entry : std::filesystem::directory_iterator("/dev")) {
        EXPECT_NE(entry.path().filename().string().rfind(".vx", 0), 0u) << entry.path();
    }
}

TEST_F(SheetOutput, ReportAndDiagramGiveTheSameAnswerForAProtectedFileAndAFolder) {
    std::ofstream(Path("protected.out")) << "kept";
    std::filesystem::permissions(Path("protected.out"), std::filesystem::perms::owner_read);
    std::filesystem::create_directory(Path("folder.out"));
    struct Case {
        const char* out;
        const char* reason;
    };
    for (const Case c : {Case{"protected.out", "the file is write-protected"},
                         Case{"folder.out", "it is a folder, not a file"}}) {
        for (const SheetKind& kind : kKinds) {
            SCOPED_TRACE(std::string(c.out) + " " + kind.format);
            const CliRun run = Cli(Words(kind, Path(c.out)));
            EXPECT_EQ(run.status, 1);
            EXPECT_EQ(run.err, "vexamo-cli: The file \u201C" + Path(c.out) +
                                   "\u201D cannot be saved: " + c.reason + ".\n");
        }
    }
    EXPECT_EQ(ReadFile(Path("protected.out")), "kept");
    EXPECT_TRUE(std::filesystem::is_directory(Path("folder.out")));
    EXPECT_EQ(Written().size(), 2u);
}

TEST_F(SheetOutput, EveryEndOfTheDrawingProgramIsOneLineAndLeavesNothingBehind) {
    struct Case {
        const char* title;
        std::string body; // of the stand-in; "" for none at all
        std::string says; // after "The drawing program “NAME” "
    };
    const std::string loader = "echo \"$0: error while loading shared libraries: libQt6Gui.so.6: "
                               "cannot open shared object file: No such file or directory\" >&2";
    const Case cases[] = {
        {"segv", "kill -SEGV $$",
         "was ended by the signal SIGSEGV (invalid memory access, for instance for lack of "
         "memory); the output is not written."},
        {"kill", "echo half >&2; kill -KILL $$",
         "was ended by the signal SIGKILL (killed, for instance for lack of memory); the output "
         "is not written."},
        {"library", loader + "; exit 127",
         "cannot be started: the library libQt6Gui.so.6 cannot be loaded; reinstall Vexamo."},
        {"no-word", "exit 127",
         "cannot be started: a library it needs cannot be loaded; reinstall Vexamo."},
        {"memory",
         "echo \"terminate called after throwing an instance of 'std::bad_alloc'\" >&2; "
         "exit 3",
         "ran out of memory; the output is not written."},
        {"status", "exit 9", "ended unexpectedly (exit status 9); the output is not written."},
        {"missing", "", "cannot be started: the file or folder does not exist."},
    };
    const std::string out = Path("out.png");
    const std::string temp = Path(SideFileStem(out) + "-0badf00d");
    const std::string lock = LockFilePath(out);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        // What a drawing program killed while it wrote leaves beside the output.
        std::ofstream(temp) << "half a picture";
        std::ofstream(lock) << "";
        const std::string program =
            c.body.empty() ? Path("bin/" + std::string(c.title)) : StandIn(c.title, c.body);
        std::vector<std::string> words{"diagram", "-o", out};
        words.insert(words.end(), kBirth.begin(), kBirth.end());
        const CliRun run = Cli(words, program);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, "vexamo-cli: The drawing program \u201C" + std::string(c.title) +
                               "\u201D " + c.says + "\n");
        EXPECT_FALSE(std::filesystem::exists(temp));
        EXPECT_FALSE(std::filesystem::exists(lock));
        EXPECT_FALSE(std::filesystem::exists(out));
    }
}

TEST_F(SheetOutput, APictureOrSheetBeyondTheFileSizeLimitIsRefusedWithTheReason) {
    std::ofstream(Path("old.out")) << "kept";
    for (const SheetKind& kind : kKinds) {
        SCOPED_TRACE(kind.format);
        for (const char* out : {"new.out", "old.out"}) {
            const LimitedRun run =
                RunLimitedChild(VEXAMO_CLI_PATH, Words(kind, Path(out)),
                                {{{RLIMIT_FSIZE, 512}}, (m_dir / "stderr.txt").string()});
            ASSERT_TRUE(run.exited) << "ended by signal " << run.status;
            EXPECT_EQ(run.status, 1);
            EXPECT_EQ(run.err, "vexamo-cli: The file \u201C" + Path(out) +
                                   "\u201D cannot be saved: the file would exceed the size "
                                   "limit.\n");
            EXPECT_EQ(Written(), std::vector<std::string>{"old.out"});
            EXPECT_EQ(ReadFile(Path("old.out")), "kept");
        }
    }
}

TEST_F(SheetOutput, TheNameOnASheetPassesTheRuleOfARecordsName) {
    struct Case {
        std::string name;
        const char* says;
    };
    const Case cases[] = {
        {"Eva\x1b]0;title\x07", "holds a control character (U+001B)"},
        {"Eva\xff", "is not valid UTF-8 (invalid byte at position 4)"},
        {"Eva\xc2\x9b", "holds a control character (U+009B)"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> words{"report", "-o", Path("named.pdf"), "--name", c.name};
        words.insert(words.end(), kBirth.begin(), kBirth.end());
        const CliRun run = Cli(words);
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        EXPECT_TRUE(Written().empty());
    }
    std::vector<std::string> words{"report", "-o", Path("named.pdf"), "--name", "Zoë"};
    words.insert(words.end(), kBirth.begin(), kBirth.end());
    EXPECT_EQ(Cli(words).status, 0);
}

} // namespace
