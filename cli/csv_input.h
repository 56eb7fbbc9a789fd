#pragma once
// The CSV input of batch and import: a file, or standard input for "-", and the messages for
// input that cannot be read or is malformed.
#include <fstream>
#include <istream>
#include <memory>
#include <string>

#include "cli/commands.h"
#include "cli/csv_reader.h"

struct CsvInput {
    std::unique_ptr<std::ifstream> file;
    std::istream* stream = nullptr;
    std::string label; // the file's name, or "-"
};

// Opens path ("-": standard input). Prints why and returns false when the file cannot be read.
bool OpenCsvInput(CliStreams& io, const std::string& command, const std::string& path,
                  CsvInput& input);

// "vexamo-cli: <command>: <label>: line <line>: <what>"; returns kExitUsage.
int CsvFormatError(CliStreams& io, const std::string& command, const CsvInput& input, size_t line,
                   const std::string& what);

// After the reader stopped early: the malformed record, a read error (kExitRefused) or an input
// without a header row.
int CsvInputFailed(CliStreams& io, const std::string& command, const CsvInput& input,
                   const CsvReader& reader);
