// vexamo-cli batch: evaluates births read as CSV, one result row per input row, streaming and
// in input order. A row that fails the form's checks is reported in its own output row.
#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "app/csv_text.h"
#include "app/input_check.h"
#include "app/json_writer.h"
#include "app/list_text.h"
#include "app/ordered_blocks.h"
#include "app/result_fields.h"
#include "app/text_catalogue.h"
#include "app/text_guards.h"
#include "app/zone_text.h"
#include "astro/vector_state.h"
#include "cli/birth_options.h"
#include "cli/birth_rows.h"
#include "cli/commands.h"
#include "cli/csv_input.h"
#include "cli/job_option.h"
#include "cli/option_table.h"
#include "cli/output.h"

namespace {

// Rows gathered before they are evaluated together: enough to keep every thread busy, few
// enough to bound memory whatever the input's size.
constexpr size_t kBlockRows = 4096;
// About what a result row takes.
constexpr size_t kRowBytes = 512;

struct BatchRow {
    CsvRecord row;
    bool prepared = false; // its zone was resolved while reading
    bool ok = false;
    std::string error;
    BirthInput in;
    ZoneUse zone;
};

struct BatchSettings {
    const BirthColumns& columns;
    const std::vector<std::string>& header;
    bool before1900;
    ZoneChoice choice; // --round, --dst, --no-dst
    bool json;
    bool terminal;
    char delimiter; // of the output
    // --spreadsheet: the output's decimal separator, and which input columns hold text.
    std::optional<SpreadsheetDialect> sheet;
    std::vector<bool> textColumns;
};

// Whether the row names a place or zone (looked up on the reading thread, as the place list
// and the time-zone data are read on first use).
bool NeedsZone(const CsvRecord& row, const BirthColumns& columns) {
    const auto filled = [&](int column) {
        return column >= 0 && !row.fields[static_cast<size_t>(column)].empty();
    };
    return filled(columns.place) || filled(columns.zone);
}

// Reads and checks the row; the form's checks come first, so that a place is only looked up
// for a valid moment. False with r.error set when the row is refused.
bool PrepareRow(BatchRow& r, const BatchSettings& s) {
    if (!ReadBirthRow(r.row, s.columns, r.in, r.error)) {
        return false;
    }
    const auto check = [&] {
        if (const auto refusal = InputRefusal(r.in, [&] { return s.before1900; })) {
            r.error = ProblemMessage(*refusal, r.in);
            return false;
        }
        return true;
    };
    if (!check()) {
        return false;
    }
    if (NeedsZone(r.row, s.columns)) {
        ZoneResolution used;
        if (!ResolveRowZone(r.row, s.columns, r.in, r.error, s.choice, &used)) {
            return false;
        }
        r.zone.place = used.place ? PlaceText(*used.place) : std::string();
        r.zone.zone = used.zone;
        if (used.offset) {
            r.zone.utcOffsetMinutes = used.offset->utcOffsetSeconds / 60;
        }
        return check();
    }
    return true;
}

// A row in a spreadsheet's dialect: the input's text columns and every text written guarded.
void AppendSheetRow(std::string& out, const BatchRow& r, const BirthEvaluation* result,
                    const BatchSettings& s) {
    const SpreadsheetDialect& d = *s.sheet;
    const std::vector<std::string>& fields = r.row.fields;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            out.push_back(d.delimiter);
        }
        if (!s.textColumns[i]) {
            AppendCsvField(out, TerminalText(fields[i], s.terminal), d.delimiter);
        } else if (s.terminal) {
            AppendCsvField(out, TerminalText(GuardedText(fields[i]), true), d.delimiter);
        } else {
            AppendGuardedCsvField(out, fields[i], d.delimiter);
        }
    }
    if (result != nullptr) {
        AppendResultCsv(out, *result, d);
        AppendZoneUseCsv(out, r.zone, d);
        out.append(1, d.delimiter).append("ok").append(1, d.delimiter).append("\r\n");
    } else {
        AppendEmptyResultCsv(out, d.delimiter);
        AppendZoneUseCsv(out, r.zone, d);
        out.append(1, d.delimiter).append("error").append(1, d.delimiter);
        AppendCsvField(out, TerminalText(GuardedText(r.error), s.terminal), d.delimiter);
        out.append("\r\n");
    }
}

void AppendCsvRow(std::string& out, const BatchRow& r, const BirthEvaluation* result, bool terminal,
                  char delimiter) {
    const std::vector<std::string>& fields = r.row.fields;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            out.push_back(delimiter);
        }
        if (terminal) {
            AppendCsvField(out, TerminalText(fields[i], true), delimiter);
        } else {
            AppendCsvField(out, fields[i], delimiter); // without a copy
        }
    }
    if (result != nullptr) {
        AppendResultCsv(out, *result, delimiter);
        AppendZoneUseCsv(out, r.zone, delimiter);
        out.append(1, delimiter).append("ok").append(1, delimiter).append("\r\n");
    } else {
        AppendEmptyResultCsv(out, delimiter);
        AppendZoneUseCsv(out, r.zone, delimiter);
        out.append(1, delimiter).append("error").append(1, delimiter);
        // The message may quote the row's own text.
        AppendCsvField(out, TerminalText(r.error, terminal), delimiter);
        out.append("\r\n");
    }
}

// Whether an input column would share its name with one the output writes itself.
bool OutputKey(std::string_view foldedName) {
    static const auto keys = [] {
        std::unordered_set<std::string_view> names{"status", "error", "format"};
        for (const ResultField& field : ResultFields()) {
            names.insert(field.key);
        }
        for (const std::string_view key : ZoneUseKeys()) {
            names.insert(key);
        }
        return names;
    }();
    return keys.contains(foldedName);
}

void AppendJsonRow(std::string& out, const std::vector<std::string>& header, const BatchRow& r,
                   const BirthEvaluation* result, bool terminal) {
    JsonWriter json(out, JsonLayout{-1, 1 << 30, terminal});
    json.BeginObject();
    for (size_t i = 0; i < r.row.fields.size(); ++i) {
        json.Key(header[i]).String(r.row.fields[i]);
    }
    if (result != nullptr) {
        json.Key("format").Integer(kOutputFormatVersion);
        WriteResultJson(json, *result);
        WriteZoneUseJson(json, r.zone);
        json.Key("status").String("ok");
    } else {
        json.Key("status").String("error");
        json.Key("error").String(r.error);
    }
    json.EndObject();
    out.push_back('\n');
}

// Evaluates and writes rows [begin, end) of the block.
void EvaluateRows(std::vector<BatchRow>& block, size_t begin, size_t end, const BatchSettings& s,
                  std::string& out) {
    ClearUpperVectorState();
    // Room for the rows at once, instead of copying the text as it grows.
    out.reserve(out.size() + (end - begin) * kRowBytes);
    for (size_t i = begin; i < end; ++i) {
        BatchRow& r = block[i];
        if (!r.prepared) {
            r.ok = PrepareRow(r, s);
        }
        // One per thread, so that its texts keep their storage from row to row.
        thread_local BirthEvaluation evaluation;
        const BirthEvaluation* result = nullptr;
        if (r.ok) {
            EvaluateInto(r.in, evaluation);
            result = &evaluation;
        }
        if (s.json) {
            AppendJsonRow(out, s.header, r, result, s.terminal);
        } else if (s.sheet) {
            AppendSheetRow(out, r, result, s);
        } else {
            AppendCsvRow(out, r, result, s.terminal, s.delimiter);
        }
    }
}

const OptionSpec kBatchOptions[] = {
    {"--format", ValueKind::Text, "FORMAT", "csv (the default) or jsonl"},
    kBefore1900Option,
    kDstOption,
    kNoDstOption,
    kRoundOption,
    {"--no-header", ValueKind::None, {}, "write no header row (csv)"},
    kJobsOption,
    kDelimiterOption,
    kBomOption,
    kSpreadsheetOption};
const std::string_view kBatchSynopsis[] = {
    "[--format csv|jsonl] [--before-1900] [--dst | --no-dst] [--round]",
    "[--no-header] [--jobs N] [--delimiter ,|;|tab] [--bom] [--spreadsheet] [FILE | -]"};

} // namespace

const CommandSyntax kBatchSyntax{
    "batch",       "Evaluates the births of a CSV file, or of standard input, one result row each.",
    kBatchOptions, kBatchSynopsis,
    false,         kBirthGroups};

int RunBatch(const Args& args, CliStreams& io) {
    ParsedArgs a;
    std::optional<std::string> usage = ParseArgs(args, kBatchSyntax, a);
    if (!usage && a.words.size() > 1) {
        usage = CommandMessage(kBatchSyntax, TextId::CliAtMostOneFile);
    }
    const ParsedOption* formatOption = a.Last("--format");
    const std::string format = formatOption != nullptr ? formatOption->value : "csv";
    if (!usage && format != "csv" && format != "jsonl") {
        usage = CommandMessage(kBatchSyntax, TextId::CliFormatChoice,
                               {ListText({"csv", "jsonl"}, TextId::CliListOr), format});
    }
    unsigned jobs = 1;
    if (!usage) {
        usage = JobsOption(a, kBatchSyntax, jobs);
    }
    char delimiter = 0;
    if (!usage) {
        usage = CsvDelimiter(a, kBatchSyntax, delimiter);
    }
    std::optional<SpreadsheetDialect> sheet;
    if (!usage) {
        usage = SpreadsheetOption(a, kBatchSyntax, format, delimiter, sheet);
    }
    if (usage) {
        return UsageError(io, *usage);
    }
    std::string error;
    const std::string path = a.words.empty() ? "-" : a.words[0];

    // The input's delimiter is the header line's unless given; the output's is the one given,
    // else the spreadsheet's with --spreadsheet, else a comma.
    const char outDelimiter = sheet ? sheet->delimiter : delimiter != 0 ? delimiter : ',';

    CsvInput input;
    if (const int opened = OpenCsvInput(io, "batch", path, input); opened != kExitOk) {
        return opened;
    }
    // A regular file is decided UTF-8 or Windows-1252 on its whole content; a stream as it comes.
    if (const int decided = DecideCsvEncoding(io, input, false); decided != kExitOk) {
        return decided;
    }
    const std::unique_ptr<CsvReader> readerOwner = MakeCsvReader(io, input, delimiter);
    CsvReader& reader = *readerOwner;
    CsvRecord header;
    BirthColumns columns;
    if (!reader.Next(header)) {
        return CsvInputFailed(io, "batch", input, reader);
    }
    if (!MapBirthColumns(header.fields, false, columns, error, OutputKey)) {
        return CsvFormatError(io, "batch", input, header.line, error);
    }
    const ZoneChoice choice{.dst = DstOptionChoice(a), .round = a.Has("--round")};
    const BatchSettings settings{columns,
                                 header.fields,
                                 a.Has("--before-1900"),
                                 choice,
                                 format == "jsonl",
                                 io.outTerminal,
                                 outDelimiter,
                                 sheet,
                                 sheet ? TextColumns(columns) : std::vector<bool>()};

    std::string text;
    if (!settings.json && (a.Has("--bom") || sheet)) {
        text.append(kUtf8ByteOrderMark);
    }
    if (!settings.json && !a.Has("--no-header")) {
        for (size_t i = 0; i < header.fields.size(); ++i) {
            if (i > 0) {
                text.push_back(outDelimiter);
            }
            const std::string& name = header.fields[i];
            AppendCsvField(text, TerminalText(sheet ? GuardedText(name) : name, io.outTerminal),
                           outDelimiter);
        }
        AppendResultCsvHeader(text, outDelimiter);
        AppendZoneUseCsvHeader(text, outDelimiter);
        text.append(1, outDelimiter).append("status").append(1, outDelimiter).append("error\r\n");
    }
    bool anyRefused = false;
    bool outputFailed = false;
    const auto write = [&](std::string& piece) {
        if (!piece.empty()) {
            io.out.write(piece.data(), static_cast<std::streamsize>(piece.size()));
            piece.clear();
        }
        outputFailed = outputFailed || !io.out;
    };
    const auto countRefused = [&](const std::vector<BatchRow>& rows) {
        for (const BatchRow& r : rows) {
            anyRefused = anyRefused || !r.ok;
        }
    };
    // A full block is evaluated on the worker threads while this thread reads the next one; its
    // text is written before the next block starts, so the output keeps the input's order.
    std::vector<BatchRow> block;
    block.reserve(kBlockRows);
    std::vector<BatchRow> evaluating;
    evaluating.reserve(kBlockRows);
    std::string evaluated;
    OrderedWork background; // declared last: waited for before the rows it reads go away
    bool running = false;
    const auto finishBackground = [&] {
        if (running) {
            running = false;
            background.Finish();
            countRefused(evaluating);
            evaluating.clear();
            write(evaluated);
        }
    };
    // Evaluates the rows held and writes them (and the header before the first): in the
    // background while reading goes on, or at once and flushed when the input pauses or ends.
    const auto writeBlock = [&](bool flush) {
        finishBackground();
        write(text);
        if (!flush) {
            std::swap(block, evaluating);
            running = background.Start(
                evaluating.size(), jobs,
                [&](size_t begin, size_t end, std::string& part) {
                    EvaluateRows(evaluating, begin, end, settings, part);
                },
                evaluated);
            if (!running) { // evaluated at once
                countRefused(evaluating);
                evaluating.clear();
                write(evaluated);
            }
            return;
        }
        AppendInOrder(
            block.size(), jobs,
            [&](size_t begin, size_t end, std::string& part) {
                EvaluateRows(block, begin, end, settings, part);
            },
            text);
        countRefused(block);
        block.clear();
        write(text);
        io.out.flush();
        outputFailed = outputFailed || !io.out;
    };
    // A stream is read as it arrives; what is held is written out whenever the producer pauses.
    input.onPause = [&] {
        if (!outputFailed) {
            writeBlock(true);
        }
    };
    CsvRecord row;
    while (!outputFailed && reader.Next(row)) {
        if (row.fields.size() != columns.count) {
            input.onPause = nullptr;
            writeBlock(true);
            return CsvFormatError(
                io, "batch", input, row.line,
                UserText(TextId::CsvFieldCount,
                         {std::to_string(row.fields.size()), std::to_string(columns.count)}));
        }
        BatchRow& r = block.emplace_back();
        r.row = std::move(row);
        if (NeedsZone(r.row, columns)) {
            r.prepared = true;
            r.ok = PrepareRow(r, settings);
        }
        if (block.size() == kBlockRows) {
            writeBlock(false);
        }
    }
    input.onPause = nullptr;
    if (!outputFailed) {
        writeBlock(true);
    }
    if (outputFailed) {
        return OutputFailed(io);
    }
    if (reader.Failed() || reader.ReadFailed()) {
        return CsvInputFailed(io, "batch", input, reader);
    }
    return anyRefused ? kExitRefused : kExitOk;
}
