#include "cli/output.h"

#include <cerrno>

#include "app/file_messages.h"
#include "app/text_catalogue.h"
#include "app/text_guards.h"

int WriteOutput(CliStreams& io, std::string_view text) {
    errno = 0;
    io.out.write(text.data(), static_cast<std::streamsize>(text.size()));
    io.out.flush();
    if (!io.out) {
        return OutputFailed(io);
    }
    return kExitOk;
}

int OutputFailed(CliStreams& io) {
    return OutputFailedBecause(io, errno);
}

int OutputFailedBecause(CliStreams& io, int errnoValue) {
    io.out.clear();
    // Only the reasons that a write alone gives: a value left over from something else the
    // command did must not be taken for one.
    if (errnoValue == EFBIG || errnoValue == ENOSPC) {
        PrintMessage(io, UserText(TextId::CliOutputFailedBecause, {ErrnoText(errnoValue)}));
    } else {
        PrintMessage(io, UserText(TextId::CliOutputFailed));
    }
    return kExitRefused;
}

void PrintMessage(CliStreams& io, std::string_view text) {
    io.err << "vexamo-cli: " << TerminalText(text, io.errTerminal) << "\n";
    io.err.flush();
}

int PrintOutOfMemory(std::ostream& err) {
    err.clear();
    err << "vexamo-cli: " << UserText(TextId::CliOutOfMemory) << "\n";
    err.flush();
    return kExitRefused;
}

int UsageError(CliStreams& io, std::string_view message) {
    PrintMessage(io, message);
    io.err << UserText(TextId::CliUsageHint) << "\n";
    io.err.flush();
    return kExitUsage;
}
