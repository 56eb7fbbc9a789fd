#pragma once
// vexamo-cli as a function: runs one command line and returns its exit status.
#include <istream>
#include <ostream>
#include <string>
#include <vector>

// args are the arguments after the program name, e.g. {"eval", "--json", "1", ...}. Results go
// to out, messages to err; a result that cannot be written in full (a full disk, a closed pipe)
// is reported on err and gives exit status 1, as does running out of memory (never an abort).
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// What the process gives a command besides its arguments: whether standard output and standard
// error are terminals (main asks isatty; a terminal gets names and paths with their control
// characters escaped, anything else the exact bytes), and standard input (std::cin when null).
struct CliContext {
    bool outTerminal = false;
    bool errTerminal = false;
    std::istream* in = nullptr;
};
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const CliContext& context);
