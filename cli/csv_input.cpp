#include "cli/csv_input.h"

#include <cerrno>
#include <sys/stat.h>

#include "app/file_messages.h"
#include "app/text_catalogue.h"
#include "cli/output.h"

bool OpenCsvInput(CliStreams& io, const std::string&, const std::string& path, CsvInput& input) {
    input.label = path;
    if (path == "-") {
        input.stream = io.in;
        return true;
    }
    struct stat st {};
    int error = 0;
    if (::stat(path.c_str(), &st) != 0) {
        error = errno;
    } else if (S_ISDIR(st.st_mode)) {
        error = EISDIR;
    } else {
        input.file = std::make_unique<std::ifstream>(path, std::ios::binary);
        if (!*input.file) {
            error = errno != 0 ? errno : EIO;
        }
    }
    if (error != 0) {
        PrintMessage(io, UserText(TextId::FileNotRead, {path, ErrnoText(error)}));
        return false;
    }
    input.stream = input.file.get();
    return true;
}

int CsvFormatError(CliStreams& io, const std::string& command, const CsvInput& input, size_t line,
                   const std::string& what) {
    PrintMessage(io, command + ": " + input.label + ": " +
                         UserText(TextId::CliLineMessage, {std::to_string(line), what}));
    return kExitUsage;
}

int CsvInputFailed(CliStreams& io, const std::string& command, const CsvInput& input,
                   const CsvReader& reader) {
    if (reader.Failed()) {
        return CsvFormatError(io, command, input, reader.ErrorLine(), reader.Error());
    }
    if (reader.ReadFailed()) {
        PrintMessage(io, UserText(TextId::FileNotRead, {input.label, ErrnoText(EIO)}));
        return kExitRefused;
    }
    return CsvFormatError(io, command, input, 1, UserText(TextId::CsvNoHeader));
}
