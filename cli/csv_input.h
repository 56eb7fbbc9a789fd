#pragma once
// The CSV input of batch and import: a file, or standard input for "-", the --delimiter option
// of batch, import and export (with --bom, the CSV options), and the messages for input that
// cannot be read or is malformed.
#include <fstream>
#include <istream>
#include <memory>
#include <optional>
#include <string>

#include "cli/commands.h"
#include "cli/csv_reader.h"
#include "cli/option_table.h"

struct CsvInput {
    std::unique_ptr<std::ifstream> file;
    std::istream* stream = nullptr;
    std::string label; // the file's name, or "-"
};

// The option specs of --delimiter and of --bom (batch and export).
inline constexpr OptionSpec kDelimiterOption{
    "--delimiter", ValueKind::Text, "D",
    "the CSV delimiter: , or ; or tab (default: the header line's for input,\n"
    "a comma for output)"};
inline constexpr OptionSpec kBomOption{
    "--bom", ValueKind::None, {}, "begin a CSV or TSV output with the UTF-8 byte order mark"};

// The delimiter given with --delimiter: ',', ';' or a tab ("tab" or the character itself); 0
// when not given. A usage message for any other value.
std::optional<std::string> CsvDelimiter(const ParsedArgs& a, const CommandSyntax& syntax,
                                        char& delimiter);

// Opens path ("-": standard input). Returns kExitOk, or prints why and returns the exit status
// when it cannot be read: kExitRefused for a file, kExitUsage for standard input that is a
// folder or closed.
int OpenCsvInput(CliStreams& io, const std::string& command, const std::string& path,
                 CsvInput& input);

// A reader of the input with the delimiter (0: from the header line) that says once on the
// message stream when the input is read as Windows-1252.
std::unique_ptr<CsvReader> MakeCsvReader(CliStreams& io, const CsvInput& input, char delimiter);

// "vexamo-cli: <command>: <label>: line <line>: <what>"; returns kExitUsage.
int CsvFormatError(CliStreams& io, const std::string& command, const CsvInput& input, size_t line,
                   const std::string& what);

// After the reader stopped early: the malformed record, a read error or an input without a
// header row; returns kExitUsage.
int CsvInputFailed(CliStreams& io, const std::string& command, const CsvInput& input,
                   const CsvReader& reader);
