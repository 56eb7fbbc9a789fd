#include "cli/output.h"

#include <cstdio>

#include "cli/commands.h"

int WriteOutput(const std::string& text) {
    const bool written =
        text.empty() || std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    if (!written || std::fflush(stdout) != 0) {
        std::fprintf(stderr, "vexamo-cli: Die Ausgabe kann nicht geschrieben werden.\n");
        return kExitRefused;
    }
    return kExitOk;
}
