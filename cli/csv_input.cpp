#include "cli/csv_input.h"

#include <cerrno>
#include <iostream>
#include <sys/stat.h>
#include <unistd.h>

#include "app/file_messages.h"
#include "app/text_catalogue.h"
#include "cli/output.h"

std::optional<std::string> CsvDelimiter(const ParsedArgs& a, const CommandSyntax& syntax,
                                        char& delimiter) {
    delimiter = 0;
    const ParsedOption* const option = a.Last(kDelimiterOption.name);
    if (option == nullptr) {
        return std::nullopt;
    }
    if (option->value == "," || option->value == ";" || option->value == "\t") {
        delimiter = option->value[0];
    } else if (option->value == "tab") {
        delimiter = '\t';
    } else {
        return CommandMessage(syntax, TextId::CsvDelimiterChoice, {option->value});
    }
    return std::nullopt;
}

int OpenCsvInput(CliStreams& io, const std::string&, const std::string& path, CsvInput& input) {
    input.label = path;
    if (path == "-") {
        input.stream = io.in;
        // The process's own standard input can be a folder or closed, which reads as empty.
        struct stat st {};
        if (io.in == &std::cin) {
            const int error = ::fstat(STDIN_FILENO, &st) != 0 ? errno
                              : S_ISDIR(st.st_mode)           ? EISDIR
                                                              : 0;
            if (error != 0) {
                PrintMessage(io, UserText(TextId::StdinNotRead, {ErrnoText(error)}));
                return kExitUsage;
            }
        }
        return kExitOk;
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
        return kExitRefused;
    }
    input.stream = input.file.get();
    return kExitOk;
}

std::unique_ptr<CsvReader> MakeCsvReader(CliStreams& io, const CsvInput& input, char delimiter) {
    return std::make_unique<CsvReader>(*input.stream, delimiter, [&io, label = input.label] {
        PrintMessage(io, UserText(TextId::CsvReadAsCp1252, {label}));
    });
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
        const std::string reason = ErrnoText(reader.ReadErrno());
        PrintMessage(io, input.label == "-" ? UserText(TextId::StdinNotRead, {reason})
                                            : UserText(TextId::FileNotRead, {input.label, reason}));
        return kExitUsage;
    }
    return CsvFormatError(io, command, input, 1, UserText(TextId::CsvNoHeader));
}
