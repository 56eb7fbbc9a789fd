#include "cli/output.h"

#include "app/text_catalogue.h"

int WriteOutput(CliStreams& io, const std::string& text) {
    io.out.write(text.data(), static_cast<std::streamsize>(text.size()));
    io.out.flush();
    if (!io.out) {
        return OutputFailed(io);
    }
    return kExitOk;
}

int OutputFailed(CliStreams& io) {
    io.out.clear();
    io.err << "vexamo-cli: " << UserText(TextId::CliOutputFailed) << "\n";
    io.err.flush();
    return kExitRefused;
}
