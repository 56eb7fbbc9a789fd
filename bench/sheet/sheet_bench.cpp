// vexamo-cli report and diagram as the user runs them, program start included: one sheet, a
// record file of 1,000 people to PDF (time, PDF size, peak memory of the drawing program), and
// the start of "eval" beside them, which must not pay for the drawing.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

// Runs vexamo-cli with the words, output and messages thrown away; returns the exit status.
int RunCli(std::vector<std::string> words) {
    words.insert(words.begin(), VEXAMO_CLI_PATH);
    std::vector<char*> argv;
    for (std::string& w : words) {
        argv.push_back(w.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        return -1;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string TempDir() {
    static std::string dir = [] {
        char pattern[] = "/tmp/vexamo-sheet-bench-XXXXXX";
        return std::string(mkdtemp(pattern));
    }();
    return dir;
}

const std::vector<std::string> kBirth{"14", "3", "1985", "7", "30"};

void BM_EvalStart(benchmark::State& state) {
    std::vector<std::string> words{"eval"};
    words.insert(words.end(), kBirth.begin(), kBirth.end());
    for (auto _ : state) {
        if (RunCli(words) != 0) {
            state.SkipWithError("eval failed");
        }
    }
}
BENCHMARK(BM_EvalStart)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

void BM_ReportOneSheet(benchmark::State& state) {
    std::vector<std::string> words{"report", "-o", TempDir() + "/one.pdf", "--name", "Eva"};
    words.insert(words.end(), kBirth.begin(), kBirth.end());
    for (auto _ : state) {
        if (RunCli(words) != 0) {
            state.SkipWithError("report failed");
        }
    }
}
BENCHMARK(BM_ReportOneSheet)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

void BM_DiagramPng(benchmark::State& state) {
    std::vector<std::string> words{"diagram", "-o", TempDir() + "/d.png"};
    words.insert(words.end(), kBirth.begin(), kBirth.end());
    for (auto _ : state) {
        if (RunCli(words) != 0) {
            state.SkipWithError("diagram failed");
        }
    }
}
BENCHMARK(BM_DiagramPng)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

void BM_ReportThousandRecords(benchmark::State& state) {
    const std::string dir = TempDir();
    const std::string csv = dir + "/people.csv";
    const std::string dat = dir + "/people.dat";
    const std::string pdf = dir + "/people.pdf";
    {
        std::ofstream out(csv);
        out << "name,day,month,year,hour,minute,tz,southern,const_zone\n";
        for (int i = 0; i < 1000; ++i) {
            out << "Person " << i << "," << 1 + i % 28 << "," << 1 + i % 12 << "," << 1900 + i % 120
                << "," << i % 24 << "," << i % 60 << "," << i % 25 - 12 << "," << i % 2 << ","
                << (i / 2) % 2 << "\n";
        }
    }
    std::remove(dat.c_str());
    if (RunCli({"import", dat, csv}) != 0) {
        state.SkipWithError("import failed");
        return;
    }
    for (auto _ : state) {
        if (RunCli({"report", "-o", pdf, "--file", dat}) != 0) {
            state.SkipWithError("report failed");
        }
    }
    struct stat st {};
    stat(pdf.c_str(), &st);
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    state.counters["pdf_MB"] = static_cast<double>(st.st_size) / 1e6;
    state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1e3;
}
BENCHMARK(BM_ReportThousandRecords)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

} // namespace

BENCHMARK_MAIN();
