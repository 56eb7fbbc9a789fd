#pragma once
// The arguments of "report" and "diagram": where the output goes, in which format, and the
// births to draw, either one given on the command line or records of a ".dat" file.
#include <string>
#include <vector>

#include "cli/commands.h"
#include "records/file_replacement.h"
#include "sheet/sheet_content.h"

enum class SheetFormat { Pdf, Png, Svg };

struct SheetRequest {
    std::string output; // a path, or "-" for standard output
    SheetFormat format = SheetFormat::Pdf;
    int scale = 1;
    std::vector<SheetBirth> births; // in the order drawn
};

// What a command accepts.
struct SheetCommand {
    std::string name;                 // "report", "diagram"
    const CommandSyntax* syntax;      // its options
    std::vector<SheetFormat> formats; // the first is the default for standard output
    bool several = false;             // any number of records of a file (else exactly one)
    bool takesScale = false;          // --scale N
    bool takesName = false;           // --name TEXT
};

// What "report" and "diagram" accept.
extern const SheetCommand kReportCommand;
extern const SheetCommand kDiagramCommand;

// Parses args, checks the births as the form does and reads the records. Returns kExitOk with
// request filled, or the exit status after printing why (kExitUsage for a usage error).
int ReadSheetRequest(const Args& args, const SheetCommand& command, CliStreams& io,
                     SheetRequest& request);

// "pdf", "png", "svg".
const char* SheetFormatName(SheetFormat format);

// Opens output (a path, not "-") for writing: a file is replaced whole when complete (written
// beside it and renamed); a device or a named pipe is written into; a terminal, a folder, a
// socket are refused. Returns false with status set after printing why.
bool OpenSheetOutput(CliStreams& io, const SheetCommand& command, const std::string& output,
                     FileReplacement& file, int& status);

// Writes bytes to output ("-" for standard output, else as OpenSheetOutput), so that a failure
// leaves no partial file. Returns the exit status after printing any failure.
int WriteSheetOutput(CliStreams& io, const SheetCommand& command, const std::string& output,
                     const std::string& bytes);

// Prints that output could not be saved and why; returns kExitRefused.
int FileNotSaved(CliStreams& io, const std::string& output, const FileFault& fault);
