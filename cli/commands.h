#pragma once
// The sub-commands of vexamo-cli. Each takes the arguments after its own name and returns the
// process exit status: 0 success, 1 input refused or file unreadable, 2 usage error.
#include <string>
#include <vector>

using Args = std::vector<std::string>;

inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 1;
inline constexpr int kExitUsage = 2;

int RunEval(const Args& args);
int RunList(const Args& args);
int RunShow(const Args& args);
int RunAdd(const Args& args);
int RunRemove(const Args& args);
int RunExport(const Args& args);

// Prints "vexamo-cli: <message>" and the usage hint on stderr; returns kExitUsage.
int UsageError(const std::string& message);
