#pragma once
// The sub-commands of vexamo-cli. Each takes the arguments after its own name and returns the
// process exit status: 0 success, 1 input refused, file unreadable, place or zone unknown or no
// time difference determined, 2 usage error.
#include <ostream>
#include <string>
#include <vector>

using Args = std::vector<std::string>;

inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 1;
inline constexpr int kExitUsage = 2;

// Where a command writes its results and its messages.
struct CliStreams {
    std::ostream& out;
    std::ostream& err;
};

int RunEval(const Args& args, CliStreams& io);
int RunList(const Args& args, CliStreams& io);
int RunShow(const Args& args, CliStreams& io);
int RunAdd(const Args& args, CliStreams& io);
int RunRemove(const Args& args, CliStreams& io);
int RunExport(const Args& args, CliStreams& io);
int RunPlaces(const Args& args, CliStreams& io);
int RunZone(const Args& args, CliStreams& io);

// Prints "vexamo-cli: <message>" and the usage hint on err; returns kExitUsage.
int UsageError(CliStreams& io, const std::string& message);
