// vexamo-cli list, show and export: reading ".dat" record files.
#include <string>

#include "app/export_head_start.h"
#include "app/export_text.h"
#include "app/json_writer.h"
#include "app/list_text.h"
#include "app/record_commands.h"
#include "app/record_fields.h"
#include "app/result_fields.h"
#include "app/text_guards.h"
#include "cli/commands.h"
#include "cli/csv_input.h"
#include "cli/job_option.h"
#include "cli/option_table.h"
#include "cli/output.h"
#include "cli/record_file_access.h"

namespace {

const OptionSpec kListOptions[] = {
    {"--json", ValueKind::None, {}, "print the names as one JSON array"}};
const OptionSpec kShowOptions[] = {
    {"--json", ValueKind::None, {}, "print the record as one JSON object"}};
const OptionSpec kExportOptions[] = {
    {"--format", ValueKind::Text, "FORMAT", "tsv (the default), csv or jsonl"},
    kDelimiterOutputOption,
    kBomOption,
    kSpreadsheetOption,
    kJobsOption};
const std::string_view kListSynopsis[] = {"FILE [--json]"};
const std::string_view kShowSynopsis[] = {"FILE NAME [--json]"};
const std::string_view kExportSynopsis[] = {
    "FILE [--format tsv|csv|jsonl] [--delimiter ,|;|tab] [--bom] [--spreadsheet]", "[--jobs N]"};

// The compact JSON of a whole output, for a terminal with every character beyond ASCII escaped.
JsonLayout DocumentLayout(const CliStreams& io) {
    return JsonLayout{-1, 1 << 30, io.outTerminal};
}

} // namespace

const CommandSyntax kListSyntax{"list", "Lists the names of the records of FILE.", kListOptions,
                                kListSynopsis};
const CommandSyntax kShowSyntax{"show", "Shows the record NAME of FILE.", kShowOptions,
                                kShowSynopsis};
const CommandSyntax kExportSyntax{"export", "Writes every record of FILE with its results.",
                                  kExportOptions, kExportSynopsis};

int RunList(const Args& args, CliStreams& io) {
    ParsedArgs a;
    if (const auto error = ParseArgs(args, kListSyntax, a, 1, "FILE")) {
        return UsageError(io, *error);
    }
    CVexamoDoc doc;
    if (!LoadRecordFile(io, a.words[0], doc, false)) {
        return kExitRefused;
    }
    const std::vector<std::string> names = RecordNames(doc.m_mapDateStore);
    std::string text;
    if (a.Has("--json")) {
        JsonWriter json(text, DocumentLayout(io));
        json.Strings(names.data(), names.size());
        text.push_back('\n');
    } else {
        for (const std::string& name : names) {
            text.append(TerminalText(name, io.outTerminal)).append("\n");
        }
    }
    return WriteOutput(io, text);
}

int RunShow(const Args& args, CliStreams& io) {
    ParsedArgs a;
    if (const auto error = ParseArgs(args, kShowSyntax, a, 2, "FILE NAME")) {
        return UsageError(io, *error);
    }
    const std::string& name = a.words[1];
    // The name is checked before the file is read.
    if (NameRefused(io, name, NameUse::ExistingEntry)) {
        return kExitRefused;
    }
    CVexamoDoc doc;
    if (!LoadRecordFile(io, a.words[0], doc, false)) {
        return kExitRefused;
    }
    VXDateStore r;
    if (PrintRefusal(io, LookupRecord(doc.m_mapDateStore, name, r), name)) {
        return kExitRefused;
    }
    if (!a.Has("--json")) {
        return WriteOutput(io, RecordShowText(TerminalText(name, io.outTerminal), r));
    }
    std::string text;
    JsonWriter json(text, DocumentLayout(io));
    json.BeginObject();
    json.Key("format").Integer(kOutputFormatVersion);
    WriteRecordJson(json, name, r);
    json.EndObject();
    return WriteOutput(io, text + "\n");
}

int RunExport(const Args& args, CliStreams& io) {
    ParsedArgs a;
    if (const auto error = ParseArgs(args, kExportSyntax, a, 1, "FILE")) {
        return UsageError(io, *error);
    }
    // --spreadsheet alone asks for its CSV.
    const ParsedOption* formatOption = a.Last("--format");
    const std::string format = formatOption != nullptr  ? formatOption->value
                               : a.Has("--spreadsheet") ? "csv"
                                                        : "tsv";
    if (format != "tsv" && format != "csv" && format != "jsonl") {
        return UsageError(
            io, CommandMessage(kExportSyntax, TextId::CliFormatChoice,
                               {ListText({"tsv", "csv", "jsonl"}, TextId::CliListOr), format}));
    }
    unsigned jobs = 1;
    if (const auto error = JobsOption(a, kExportSyntax, jobs)) {
        return UsageError(io, *error);
    }
    char delimiter = 0;
    if (const auto usage = CsvDelimiter(a, kExportSyntax, delimiter)) {
        return UsageError(io, *usage);
    }
    std::optional<SpreadsheetDialect> sheet;
    if (const auto usage = SpreadsheetOption(a, kExportSyntax, format, delimiter, sheet)) {
        return UsageError(io, *usage);
    }
    const RecordsFormat kind = format == "tsv"   ? RecordsFormat::Tsv
                               : format == "csv" ? RecordsFormat::Csv
                                                 : RecordsFormat::Jsonl;
    // With a thread to spare, the table's evaluation starts while the file is still parsed.
    ExportHeadStart headStart;
    const bool headStarted = kind == RecordsFormat::Tsv && jobs > 1;
    CVexamoDoc doc;
    if (!LoadRecordFile(io, a.words[0], doc, false, headStarted ? &headStart : nullptr)) {
        return kExitRefused;
    }
    RecordsStyle style{io.outTerminal, delimiter != 0 ? delimiter : ',', a.Has("--bom"),
                       io.outTerminal};
    if (sheet) {
        style.spreadsheet = true;
        style.delimiter = sheet->delimiter;
        style.decimal = sheet->decimal;
    }
    const bool written = WriteRecords(
        doc.m_mapDateStore, kind, style, jobs,
        [&](std::string_view piece) {
            io.out.write(piece.data(), static_cast<std::streamsize>(piece.size()));
            return static_cast<bool>(io.out);
        },
        &headStart);
    io.out.flush();
    return written && io.out ? kExitOk : OutputFailed(io);
}
