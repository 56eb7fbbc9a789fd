#include "cli/sheet_request.h"

#include <algorithm>
#include <cerrno>
#include <numeric>
#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "app/file_messages.h"
#include "app/input_check.h"
#include "app/list_text.h"
#include "app/number_text.h"
#include "app/record_commands.h"
#include "app/text_catalogue.h"
#include "app/text_guards.h"
#include "cli/birth_options.h"
#include "cli/option_table.h"
#include "cli/output.h"
#include "cli/record_file_access.h"
#include "cli/zone_output.h"
#include "records/file_io.h"

namespace {

constexpr int kMaxScale = 16;

#ifdef _WIN32
// Where a path's folders end: either slash.
constexpr const char* kFolderSeparators = "/\\";
#else
constexpr const char* kFolderSeparators = "/";
#endif

// The command's own options, as parsed.
struct OwnOptions {
    std::string output;
    bool outputGiven = false;
    std::string format;
    std::string file;
    bool fileGiven = false;
    std::string name;
    bool nameGiven = false;
    std::string scale;
    bool scaleGiven = false;
};

OwnOptions OwnOptionsOf(const ParsedArgs& parsed) {
    OwnOptions own;
    for (const ParsedOption& option : parsed.options) {
        const std::string_view name = option.spec->name;
        if (name == "-o" || name == "--output") {
            own.output = option.value;
            own.outputGiven = true;
        } else if (name == "--format") {
            own.format = option.value;
        } else if (name == "--file") {
            own.file = option.value;
            own.fileGiven = true;
        } else if (name == "--name") {
            own.name = option.value;
            own.nameGiven = true;
        } else if (name == "--scale") {
            own.scale = option.value;
            own.scaleGiven = true;
        }
    }
    return own;
}

// Whether an option that describes a birth was given (they have no use beside --file).
const ParsedOption* BirthOptionGiven(const ParsedArgs& parsed) {
    for (const ParsedOption& option : parsed.options) {
        const std::string_view name = option.spec->name;
        if (name != "-o" && name != "--output" && name != "--format" && name != "--file" &&
            name != "--before-1900" && name != "--scale") {
            return &option;
        }
    }
    return nullptr;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string FormatList(const SheetCommand& command) {
    std::vector<std::string_view> names;
    for (const SheetFormat format : command.formats) {
        names.emplace_back(SheetFormatName(format));
    }
    return ListText(names, TextId::CliListAnd);
}

// The format named by --format, or by the output's extension; standard output takes the
// command's first format.
bool ChooseFormat(const OwnOptions& own, const SheetCommand& command, SheetFormat& format) {
    std::string name = Lower(own.format);
    if (name.empty()) {
        if (own.output == "-") {
            format = command.formats.front();
            return true;
        }
        const size_t slash = own.output.find_last_of(kFolderSeparators);
        const size_t dot = own.output.rfind('.');
        if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
            return false;
        }
        name = Lower(own.output.substr(dot + 1));
    }
    for (const SheetFormat f : command.formats) {
        if (name == SheetFormatName(f)) {
            format = f;
            return true;
        }
    }
    return false;
}

// Whether path names the stream open as fd (a pipe or a terminal, not a file): /dev/stdout,
// /dev/fd/1 and the like. Such a path is written as the stream itself is.
bool NamesStream(const std::string& path, int fd) {
#ifdef _WIN32
    // No such names there (and no file numbers to compare).
    (void)path;
    (void)fd;
    return false;
#else
    struct stat named {};
    struct stat open {};
    return ::stat(path.c_str(), &named) == 0 && ::fstat(fd, &open) == 0 && !S_ISREG(open.st_mode) &&
           named.st_dev == open.st_dev && named.st_ino == open.st_ino;
#endif
}

constexpr int kStandardOutput = 1;
constexpr int kStandardError = 2;

// Whether the file opened for writing is a terminal (a console).
bool IsTerminal(NativeFile::Handle file) {
#ifdef _WIN32
    DWORD mode = 0;
    return GetFileType(file) == FILE_TYPE_CHAR && GetConsoleMode(file, &mode) != 0;
#else
    return ::isatty(file) == 1;
#endif
}

int Usage(CliStreams& io, const std::string& message) {
    return UsageError(io, message);
}

// The form's checks; a year before 1900 passes only with --before-1900. who names the record
// (empty for a birth given on the command line).
bool PassesChecks(CliStreams& io, const BirthInput& input, bool before1900,
                  const std::string& who) {
    const auto refusal = InputRefusal(input, [&] { return before1900; });
    if (!refusal) {
        return true;
    }
    PrintMessage(io, (who.empty() ? "" : who + ": ") + ProblemMessage(*refusal, input));
    if (*refusal == InputProblem::EarlierCentury) {
        PrintMessage(io, UserText(TextId::CliBefore1900Hint));
    }
    return false;
}

const BirthWording kWording{TextId::CliBirthValueCount, TextId::CliNotInteger, 0};

int ReadBirth(const ParsedArgs& parsed, const SheetCommand& command, const OwnOptions& own,
              CliStreams& io, SheetRequest& request) {
    BirthArgs a;
    if (const auto error = ReadBirthArgs(parsed, *command.syntax, kWording, a)) {
        return Usage(io, *error);
    }
    if (!PassesChecks(io, a.input, parsed.Has("--before-1900"), {})) {
        return kExitRefused;
    }
    SheetBirth birth{own.name, a.input, std::nullopt};
    if (a.zone) {
        ZoneResolution zone;
        if (!ApplyBirthZone(*a.zone, a.zoneChoice, birth.input, io, zone)) {
            return kExitRefused;
        }
        birth.zone = zone;
    }
    request.births.push_back(std::move(birth));
    return kExitOk;
}

int ReadRecords(const ParsedArgs& parsed, const SheetCommand& command, const OwnOptions& own,
                CliStreams& io, SheetRequest& request) {
    if (const ParsedOption* birth = BirthOptionGiven(parsed)) {
        return Usage(io, CommandMessage(*command.syntax, TextId::CliSheetBirthOptionWithFile,
                                        {birth->spec->name}));
    }
    if (!command.several && parsed.words.size() != 1) {
        return Usage(io, CommandMessage(*command.syntax, TextId::CliSheetFileOneName));
    }
    CVexamoDoc doc;
    if (!LoadRecordFile(io, own.file, doc, false)) {
        return kExitRefused;
    }
    const DateStoreMap& store = doc.m_mapDateStore;
    std::vector<std::string> names = parsed.words;
    if (names.empty()) {
        names = RecordNames(store);
    }
    // Every name is looked up before anything is drawn; each record once.
    std::vector<NameKey> keys;
    std::vector<std::string> found;
    std::vector<VXDateStore> records;
    for (const std::string& name : names) {
        VXDateStore record;
        if (const RecordRefusal refusal = LookupRecord(store, name, record);
            refusal != RecordRefusal::None) {
            PrintRefusal(io, refusal, name);
            return kExitRefused;
        }
        NameKey key;
        CheckName(name, NameUse::ExistingEntry, &key);
        if (std::find(keys.begin(), keys.end(), key) != keys.end()) {
            continue;
        }
        keys.push_back(key);
        found.push_back(name);
        records.push_back(record);
    }
    std::vector<std::size_t> order(found.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    if (command.order != nullptr && found.size() > 1) {
        order = command.order(found, keys);
    }
    for (const std::size_t i : order) {
        const BirthInput input = FromRecord(records[i]);
        if (!PassesChecks(io, input, parsed.Has("--before-1900"), found[i])) {
            return kExitRefused;
        }
        request.births.push_back({found[i], input, std::nullopt});
    }
    return kExitOk;
}

} // namespace

const SheetCommand kDiagramCommand{
    "diagram", &kDiagramSyntax, {SheetFormat::Png, SheetFormat::Svg}, false, true, false};

const char* SheetFormatName(SheetFormat format) {
    switch (format) {
    case SheetFormat::Pdf:
        return "pdf";
    case SheetFormat::Png:
        return "png";
    case SheetFormat::Svg:
        return "svg";
    }
    return "";
}

int ReadSheetRequest(const Args& args, const SheetCommand& command, CliStreams& io,
                     SheetRequest& request) {
    ParsedArgs parsed;
    if (const auto error = ParseArgs(args, *command.syntax, parsed)) {
        return Usage(io, *error);
    }
    OwnOptions own = OwnOptionsOf(parsed);
    if (!own.outputGiven || own.output.empty()) {
        return Usage(io, CommandMessage(*command.syntax, TextId::CliSheetOutputRequired));
    }
    if (own.output != "-" && NamesStream(own.output, kStandardOutput)) {
        own.output = "-";
    }
    if (!ChooseFormat(own, command, request.format)) {
        return Usage(
            io, CommandMessage(*command.syntax, TextId::CliSheetFormats, {FormatList(command)}));
    }
    if ((own.output == "-" && io.outTerminal) ||
        (io.errTerminal && NamesStream(own.output, kStandardError))) {
        return Usage(io, CommandMessage(*command.syntax, TextId::CliSheetNoTerminal));
    }
    request.output = own.output;
    if (own.scaleGiven) {
        const std::optional<int32_t> scale = ParseInteger(own.scale);
        if (!scale || *scale < 1 || *scale > kMaxScale) {
            return Usage(io, CommandMessage(*command.syntax, TextId::CliSheetScale, {own.scale}));
        }
        request.scale = *scale;
    }
    if (own.fileGiven) {
        if (own.nameGiven) {
            return Usage(io, CommandMessage(*command.syntax, TextId::CliSheetNameAndFile));
        }
        return ReadRecords(parsed, command, own, io, request);
    }
    // The name on the sheet passes the rule of a record's name (an empty one is no name).
    if (own.nameGiven && !own.name.empty() && NameRefused(io, own.name, NameUse::NewEntry)) {
        return kExitRefused;
    }
    return ReadBirth(parsed, command, own, io, request);
}

bool OpenSheetOutput(CliStreams& io, const SheetCommand& command, const std::string& output,
                     FileReplacement& file, int& status) {
    FileFault fault;
    SaveOptions options;
    options.intoDevices = true;
    if (!file.Open(output, fault, options)) {
        status = FileNotSaved(io, output, fault);
        return false;
    }
    if (file.IsDirect() && IsTerminal(file.Descriptor())) {
        file.Cancel();
        status = Usage(io, CommandMessage(*command.syntax, TextId::CliSheetNoTerminal));
        return false;
    }
    return true;
}

int WriteSheetOutput(CliStreams& io, const SheetCommand& command, const std::string& output,
                     const std::string& bytes) {
    if (output == "-") {
        return WriteOutput(io, bytes);
    }
    FileReplacement file;
    if (int status = kExitOk; !OpenSheetOutput(io, command, output, file, status)) {
        return status;
    }
    file.Write(bytes);
    FileFault fault;
    if (!file.Commit(fault)) {
        return FileNotSaved(io, output, fault);
    }
    return kExitOk;
}

int FileNotSaved(CliStreams& io, const std::string& output, const FileFault& fault) {
    PrintMessage(io, UserText(TextId::FileNotSaved, {output, FileFaultText(fault)}));
    return kExitRefused;
}
