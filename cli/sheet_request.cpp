#include "cli/sheet_request.h"

#include <QString>
#include <QStringList>
#include <algorithm>
#include <cerrno>

#include "app/file_messages.h"
#include "app/input_check.h"
#include "app/record_commands.h"
#include "app/text_catalogue.h"
#include "app/text_guards.h"
#include "cli/arg_scan.h"
#include "cli/birth_args.h"
#include "cli/int_arg.h"
#include "cli/output.h"
#include "cli/record_common.h"
#include "cli/zone_output.h"
#include "records/file_io.h"
#include "sheet/list_order.h"

namespace {

constexpr int kMaxScale = 16;

// The options of these commands that take a value, before the birth options are read.
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

bool IsOption(const std::string& arg, const std::string& name) {
    return arg == name || arg.rfind(name + "=", 0) == 0;
}

// Takes the command's own value options out of args (up to "--"); the rest stays in rest.
bool TakeOwnOptions(const Args& args, const SheetCommand& command, OwnOptions& own, Args& rest,
                    std::string& error) {
    struct Slot {
        const char* name;
        const char* alias;
        std::string* value;
        bool* given;
        bool accepted;
    };
    bool formatGiven = false;
    const Slot known[] = {
        {"--output", "-o", &own.output, &own.outputGiven, true},
        {"--format", nullptr, &own.format, &formatGiven, true},
        {"--file", nullptr, &own.file, &own.fileGiven, true},
        {"--name", nullptr, &own.name, &own.nameGiven, command.takesName},
        {"--scale", nullptr, &own.scale, &own.scaleGiven, command.takesScale},
    };
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--") {
            optionsEnded = true;
        }
        const Slot* slot = nullptr;
        for (const Slot& s : known) {
            if (!optionsEnded && s.accepted &&
                (IsOption(arg, s.name) || (s.alias != nullptr && arg == s.alias))) {
                slot = &s;
            }
        }
        if (slot == nullptr) {
            rest.push_back(arg);
            continue;
        }
        const size_t eq = arg.find('=');
        if (eq != std::string::npos && arg.rfind("--", 0) == 0) {
            *slot->value = arg.substr(eq + 1);
        } else if (i + 1 < args.size()) {
            *slot->value = args[++i];
        } else {
            error = command.name + ": " + slot->name + " needs a value";
            return false;
        }
        *slot->given = true;
    }
    return true;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string FormatList(const SheetCommand& command) {
    std::string list;
    for (size_t i = 0; i < command.formats.size(); ++i) {
        list += i == 0 ? "" : (i + 1 == command.formats.size() ? " et " : ", ");
        list += SheetFormatName(command.formats[i]);
    }
    return list;
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
        const size_t slash = own.output.rfind('/');
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
    io.err << (who.empty() ? "" : TerminalText(who, io.errTerminal) + ": ")
           << ProblemMessage(*refusal, input) << "\n";
    if (*refusal == InputProblem::EarlierCentury) {
        io.err << "vexamo-cli: " << UserText(TextId::CliBefore1900Hint) << "\n";
    }
    io.err.flush();
    return false;
}

const BirthSyntax& BirthSyntaxOf(const std::string& command) {
    static const BirthSyntax report{"report",
                                    {"--before-1900"},
                                    {},
                                    "--tz needs a value",
                                    "--tz needs an integer, got ",
                                    "expected DAY MONTH YEAR HOUR MINUTE, got %n value(s)",
                                    " must be an integer, got ",
                                    true,
                                    0};
    static const BirthSyntax diagram{"diagram",
                                     {"--before-1900"},
                                     {},
                                     "--tz needs a value",
                                     "--tz needs an integer, got ",
                                     "expected DAY MONTH YEAR HOUR MINUTE, got %n value(s)",
                                     " must be an integer, got ",
                                     true,
                                     0};
    return command == "report" ? report : diagram;
}

int ReadBirth(const Args& rest, const SheetCommand& command, const OwnOptions& own, CliStreams& io,
              SheetRequest& request) {
    BirthArgs a;
    std::string error;
    if (!ParseBirthArgs(rest, 0, BirthSyntaxOf(command.name), a, error)) {
        return Usage(io, error);
    }
    if (!PassesChecks(io, a.input, a.Has("--before-1900"), {})) {
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

int ReadRecords(const Args& rest, const SheetCommand& command, const OwnOptions& own,
                CliStreams& io, SheetRequest& request) {
    ScannedArgs a;
    std::string error;
    if (!ScanArgs(rest, {command.name, {"--before-1900"}, {}}, a, error)) {
        return Usage(io, error);
    }
    if (!command.several && a.positionals.size() != 1) {
        return Usage(io, command.name + ": --file expects one NAME");
    }
    CVexamoDoc doc;
    if (!LoadRecordFile(io, own.file, doc, false)) {
        return kExitRefused;
    }
    const DateStoreMap& store = doc.m_mapDateStore;
    std::vector<std::string> names = a.positionals;
    if (names.empty()) {
        names = RecordNames(store);
    }
    // Every name is looked up before anything is drawn; each record once.
    std::vector<std::string> keys;
    std::vector<std::string> found;
    std::vector<VXDateStore> records;
    for (const std::string& name : names) {
        VXDateStore record;
        if (const RecordRefusal refusal = LookupRecord(store, name, record);
            refusal != RecordRefusal::None) {
            PrintRefusal(io, refusal, name);
            return kExitRefused;
        }
        std::string key;
        StoreKey(name, key);
        if (std::find(keys.begin(), keys.end(), key) != keys.end()) {
            continue;
        }
        keys.push_back(key);
        found.push_back(name);
        records.push_back(record);
    }
    QStringList shown;
    shown.reserve(static_cast<qsizetype>(found.size()));
    for (const std::string& name : found) {
        shown.append(QString::fromStdString(name));
    }
    for (const std::size_t i : ListOrder(shown, keys)) {
        const BirthInput input = FromRecord(records[i]);
        if (!PassesChecks(io, input, a.Has("--before-1900"), found[i])) {
            return kExitRefused;
        }
        request.births.push_back({found[i], input, std::nullopt});
    }
    return kExitOk;
}

} // namespace

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
    OwnOptions own;
    Args rest;
    std::string error;
    if (!TakeOwnOptions(args, command, own, rest, error)) {
        return Usage(io, error);
    }
    if (!own.outputGiven || own.output.empty()) {
        return Usage(io, command.name + ": -o OUT is required");
    }
    if (!ChooseFormat(own, command, request.format)) {
        return Usage(io, command.name + ": " +
                             UserText(TextId::CliSheetFormats, {FormatList(command)}));
    }
    if (own.output == "-" && io.outTerminal) {
        return Usage(io, command.name + ": " + UserText(TextId::CliSheetNoTerminal));
    }
    request.output = own.output;
    if (own.scaleGiven) {
        const std::optional<int32_t> scale = ParseInt32(own.scale);
        if (!scale || *scale < 1 || *scale > kMaxScale) {
            return Usage(io, command.name + ": " + UserText(TextId::CliSheetScale, {own.scale}));
        }
        request.scale = *scale;
    }
    if (own.fileGiven) {
        if (own.nameGiven) {
            return Usage(io, command.name + ": --name and --file exclude each other");
        }
        return ReadRecords(rest, command, own, io, request);
    }
    return ReadBirth(rest, command, own, io, request);
}

int WriteSheetOutput(CliStreams& io, const std::string& output, const std::string& bytes) {
    if (output == "-") {
        return WriteOutput(io, bytes);
    }
    FileFault fault;
    if (!WriteFileAtomically(output, bytes, fault)) {
        PrintError(io, UserText(TextId::FileNotSaved, {output, FileFaultText(fault)}));
        return kExitRefused;
    }
    return kExitOk;
}

int FileNotSaved(CliStreams& io, const std::string& output, int errnoValue) {
    PrintError(io, UserText(TextId::FileNotSaved,
                            {output, ErrnoText(errnoValue != 0 ? errnoValue : EIO)}));
    return kExitRefused;
}
