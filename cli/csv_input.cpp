#include "cli/csv_input.h"

#include <cerrno>
#include <iostream>
#include <unistd.h>

#include "app/file_messages.h"
#include "app/text_catalogue.h"
#include "cli/input_descriptors.h"
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

std::optional<std::string> SpreadsheetOption(const ParsedArgs& a, const CommandSyntax& syntax,
                                             const std::string& format, char delimiter,
                                             std::optional<SpreadsheetDialect>& dialect) {
    dialect.reset();
    if (!a.Has("--spreadsheet")) {
        return std::nullopt;
    }
    if (format != "csv") {
        return CommandMessage(syntax, TextId::CliSpreadsheetCsvOnly, {format});
    }
    dialect = SpreadsheetDialectOfEnvironment(delimiter);
    return std::nullopt;
}

CsvInput::~CsvInput() {
    if (ownsFd) {
        ::close(fd);
    }
}

namespace {

// "cannot read standard input: <reason>" or "The file ... cannot be read: <reason>."
std::string ReadFailure(const CsvInput& input, int error) {
    if (input.label != "-") {
        return UserText(TextId::FileNotRead, {input.label, ErrnoText(error)});
    }
    // Standard input left open for writing only, as "batch 0>file" gives it.
    return UserText(TextId::StdinNotRead,
                    {error == EBADF ? UserText(TextId::StdinWriteOnly) : ErrnoText(error)});
}

} // namespace

int OpenCsvInput(CliStreams& io, const std::string&, const std::string& path, CsvInput& input) {
    input.label = path;
    if (path == "-") {
        if (io.in != &std::cin) {
            input.stream = io.in;
            return kExitOk;
        }
        if (const int error = StandardInputFault(); error != 0) {
            PrintMessage(io, ReadFailure(input, error));
            return kExitUsage;
        }
        input.fd = 0;
    } else {
        const int error = OpenInputFile(path, input.fd);
        input.ownsFd = input.fd >= 0;
        if (error != 0) {
            PrintMessage(io, ReadFailure(input, error));
            return kExitRefused;
        }
    }
    // A regular file is read from where its descriptor stands ("batch < file" after a reader
    // before it).
    input.offset = RegularFileOffset(input.fd);
    input.regular = input.offset >= 0;
    input.buffer = std::make_unique<FdInputBuf>(input.fd, [&input] {
        if (input.onPause) {
            input.onPause();
        }
    });
    input.fdStream = std::make_unique<std::istream>(input.buffer.get());
    input.stream = input.fdStream.get();
    return kExitOk;
}

int DecideCsvEncoding(CliStreams& io, CsvInput& input, bool wholeStream) {
    Utf8Check check;
    if (input.regular) {
        // A read error here comes again when the rows are read, and is reported there.
        if (ReadEachBlock(input.fd, input.offset, [&](std::string_view b) { check.Add(b); }) != 0) {
            return kExitOk;
        }
    } else if (wholeStream) {
        std::string bytes;
        std::string block(1 << 16, '\0');
        while (*input.stream) {
            input.stream->read(block.data(), static_cast<std::streamsize>(block.size()));
            bytes.append(block, 0, static_cast<size_t>(input.stream->gcount()));
        }
        if (input.stream->bad()) {
            const int error =
                input.buffer && input.buffer->ReadErrno() != 0 ? input.buffer->ReadErrno() : EIO;
            PrintMessage(io, ReadFailure(input, error));
            return kExitUsage;
        }
        check.Add(bytes);
        input.whole = std::make_unique<std::istringstream>(std::move(bytes));
        input.stream = input.whole.get();
    } else {
        return kExitOk;
    }
    input.encoding = check.Valid() ? CsvEncoding::Stream : CsvEncoding::Cp1252;
    return kExitOk;
}

std::unique_ptr<CsvReader> MakeCsvReader(CliStreams& io, const CsvInput& input, char delimiter) {
    return std::make_unique<CsvReader>(
        *input.stream, delimiter,
        [&io, label = input.label] {
            PrintMessage(io, UserText(TextId::CsvReadAsCp1252, {label}));
        },
        input.encoding);
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
        const int status = CsvFormatError(io, command, input, reader.ErrorLine(), reader.Error());
        return reader.EncodingChanged() ? kExitRefused : status;
    }
    if (reader.ReadFailed()) {
        const int error = input.buffer && input.buffer->ReadErrno() != 0 ? input.buffer->ReadErrno()
                                                                         : reader.ReadErrno();
        PrintMessage(io, ReadFailure(input, error));
        return kExitUsage;
    }
    return CsvFormatError(io, command, input, 1, UserText(TextId::CsvNoHeader));
}
