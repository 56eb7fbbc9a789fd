#include "cli/output.h"

#include "app/text_catalogue.h"
#include "app/text_guards.h"

int WriteOutput(CliStreams& io, std::string_view text) {
    io.out.write(text.data(), static_cast<std::streamsize>(text.size()));
    io.out.flush();
    if (!io.out) {
        return OutputFailed(io);
    }
    return kExitOk;
}

int OutputFailed(CliStreams& io) {
    io.out.clear();
    PrintMessage(io, UserText(TextId::CliOutputFailed));
    return kExitRefused;
}

void PrintMessage(CliStreams& io, std::string_view text) {
    io.err << "vexamo-cli: " << TerminalText(text, io.errTerminal) << "\n";
    io.err.flush();
}

int UsageError(CliStreams& io, std::string_view message) {
    PrintMessage(io, message);
    io.err << UserText(TextId::CliUsageHint) << "\n";
    io.err.flush();
    return kExitUsage;
}
