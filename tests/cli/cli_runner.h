#pragma once
// Runs vexamo-cli in-process and captures its exit status, standard output and messages.
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "cli/cli.h"

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

inline CliResult RunCliCaptured(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    CliResult r;
    r.status = RunCli(args, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

// Runs with the given standard input and, as seen by the tool, stdout and stderr on a terminal
// or not.
inline CliResult RunCliWith(const std::vector<std::string>& args, const std::string& input,
                            bool terminal = false) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    CliResult r;
    r.status = RunCli(args, out, err, CliContext{terminal, terminal, &in});
    r.out = out.str();
    r.err = err.str();
    return r;
}

// An output that takes nothing, like a full disk: every write and every flush fails.
class FullDeviceBuf : public std::streambuf {
  protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
    int sync() override { return -1; }
};

// Runs with standard output on a full device; out stays empty.
inline CliResult RunCliIntoFullDevice(const std::vector<std::string>& args) {
    FullDeviceBuf full;
    std::ostream out(&full);
    std::ostringstream err;
    CliResult r;
    r.status = RunCli(args, out, err);
    r.err = err.str();
    return r;
}
