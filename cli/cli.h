#pragma once
// vexamo-cli as a function: runs one command line and returns its exit status.
#include <ostream>
#include <string>
#include <vector>

// args are the arguments after the program name, e.g. {"eval", "--json", "1", ...}. Results go
// to out, messages to err; a result that cannot be written in full (a full disk, a closed pipe)
// is reported on err and gives exit status 1.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
