#pragma once
// The CSV input of batch and import: a file, or standard input for "-", the --delimiter option
// of batch, import and export (with --bom and --spreadsheet, the CSV options), and the messages for
// input that cannot be read or is malformed.
#include <cstdint>
#include <functional>
#include <istream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>

#include "app/csv_text.h"
#include "cli/commands.h"
#include "cli/csv_reader.h"
#include "cli/fd_input.h"
#include "cli/option_table.h"

// A file, or the process's standard input, is read through its descriptor as the bytes arrive,
// so that a pipe, a FIFO or a terminal streams; a regular file can be read twice (its encoding
// decided on the whole content first). A stream given in-process is read as it is.
struct CsvInput {
    CsvInput() = default;
    CsvInput(const CsvInput&) = delete;
    CsvInput& operator=(const CsvInput&) = delete;
    ~CsvInput();

    std::istream* stream = nullptr;
    std::string label; // the file's name, or "-"
    CsvEncoding encoding = CsvEncoding::Stream;
    // Called just before a read from the descriptor that would wait for the producer.
    std::function<void()> onPause;

    int fd = -1;
    bool ownsFd = false;
    bool regular = false; // a regular file, read from offset
    int64_t offset = 0;
    std::unique_ptr<FdInputBuf> buffer;
    std::unique_ptr<std::istream> fdStream;
    std::unique_ptr<std::istringstream> whole; // the input read into memory
};

// The option specs of --delimiter (batch reads and writes CSV, import reads it, export writes
// it) and of --bom (batch and export).
inline constexpr OptionSpec kDelimiterOption{
    "--delimiter", ValueKind::Text, "D",
    "the CSV delimiter: , or ; or tab (default: the header line's for input,\n"
    "a comma for output)"};
inline constexpr OptionSpec kDelimiterInputOption{
    "--delimiter", ValueKind::Text, "D",
    "the CSV delimiter: , or ; or tab (default: the header line's)"};
inline constexpr OptionSpec kDelimiterOutputOption{
    "--delimiter", ValueKind::Text, "D", "the CSV delimiter: , or ; or tab (default: a comma)"};
inline constexpr OptionSpec kBomOption{
    "--bom", ValueKind::None, {}, "begin a CSV or TSV output with the UTF-8 byte order mark"};

// --spreadsheet: the CSV written for the user's spreadsheet (export, batch), and read back
// (import).
inline constexpr OptionSpec kSpreadsheetOption{
    "--spreadsheet",
    ValueKind::None,
    {},
    "write CSV as the spreadsheet reads it: under a German or French locale,\n"
    "or with --delimiter ';', semicolons and a decimal comma, else commas and\n"
    "a decimal point; the UTF-8 byte order mark; and an apostrophe before\n"
    "a text that begins with =, +, -, @, a tab, a carriage return or an apostrophe"};
inline constexpr OptionSpec kSpreadsheetInputOption{
    "--spreadsheet",
    ValueKind::None,
    {},
    "read CSV written with --spreadsheet: the one apostrophe guarding a text\n"
    "that begins with =, +, -, @, a tab, a carriage return or an apostrophe\n"
    "is dropped"};

// The delimiter given with --delimiter: ',', ';' or a tab ("tab" or the character itself); 0
// when not given. A usage message for any other value.
std::optional<std::string> CsvDelimiter(const ParsedArgs& a, const CommandSyntax& syntax,
                                        char& delimiter);

// With --spreadsheet, the dialect it writes in (SpreadsheetDialectOfEnvironment with the
// --delimiter given, or 0); a usage message when format, the --format given or the command's
// default, is not csv.
std::optional<std::string> SpreadsheetOption(const ParsedArgs& a, const CommandSyntax& syntax,
                                             const std::string& format, char delimiter,
                                             std::optional<SpreadsheetDialect>& dialect);

// Opens path ("-": standard input). Returns kExitOk, or prints why and returns the exit status
// when it cannot be read: kExitRefused for a file, kExitUsage for standard input that is a
// folder or closed.
int OpenCsvInput(CliStreams& io, const std::string& command, const std::string& path,
                 CsvInput& input);

// Decides the encoding of the whole input before a row is read: a regular file is checked where
// it lies, and with wholeStream (import, all or none) any other input is first read into
// memory; else a stream is judged as it comes. Returns kExitOk, or prints why the input cannot
// be read and returns kExitUsage.
int DecideCsvEncoding(CliStreams& io, CsvInput& input, bool wholeStream);

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
