// vexamo-cli batch: evaluates births read as CSV, one result row per input row, streaming and
// in input order. A row that fails the form's checks is reported in its own output row.
#include <fstream>
#include <memory>
#include <string>

#include "app/csv_text.h"
#include "app/input_check.h"
#include "app/json_writer.h"
#include "app/result_fields.h"
#include "app/text_catalogue.h"
#include "app/text_guards.h"
#include "cli/birth_rows.h"
#include "cli/commands.h"
#include "cli/csv_input.h"
#include "cli/option_table.h"
#include "cli/output.h"

namespace {

constexpr size_t kFlushSize = 1 << 16;

// Collects output and hands it on in large pieces.
class ChunkWriter {
  public:
    explicit ChunkWriter(CliStreams& io) : m_io(io) { m_text.reserve(2 * kFlushSize); }
    std::string& Text() { return m_text; }
    // Writes what has gathered once it is large (or always with force); false when the output
    // failed.
    bool Flush(bool force = false) {
        if (!force && m_text.size() < kFlushSize) {
            return true;
        }
        m_io.out.write(m_text.data(), static_cast<std::streamsize>(m_text.size()));
        m_text.clear();
        if (force) {
            m_io.out.flush();
        }
        return static_cast<bool>(m_io.out);
    }

  private:
    CliStreams& m_io;
    std::string m_text;
};

struct BatchRow {
    bool ok = false;
    std::string error;
    BirthEvaluation result;
};

BatchRow EvaluateRow(const CsvRecord& row, const BirthColumns& columns, bool before1900) {
    BatchRow out;
    BirthInput in;
    if (!ReadBirthRow(row, columns, in, out.error)) {
        return out;
    }
    // The form's checks come first, so that a place is only looked up for a valid moment.
    const auto check = [&] {
        if (const auto refusal = InputRefusal(in, [&] { return before1900; })) {
            out.error = ProblemMessage(*refusal, in);
            return false;
        }
        return true;
    };
    if (!check() || !ResolveRowZone(row, columns, in, out.error) || !check()) {
        return out;
    }
    out.ok = true;
    out.result = Evaluate(in);
    return out;
}

void AppendCsvRow(std::string& out, const CsvRecord& row, const BatchRow& r, bool terminal) {
    for (size_t i = 0; i < row.fields.size(); ++i) {
        if (i > 0) {
            out.push_back(',');
        }
        AppendCsvField(out, terminal ? TerminalText(row.fields[i], true) : row.fields[i]);
    }
    if (r.ok) {
        AppendResultCsv(out, r.result);
        out.append(",ok,\r\n");
    } else {
        AppendEmptyResultCsv(out);
        out.append(",error,");
        // The message may quote the row's own text.
        AppendCsvField(out, TerminalText(r.error, terminal));
        out.append("\r\n");
    }
}

void AppendJsonRow(std::string& out, const std::vector<std::string>& header, const CsvRecord& row,
                   const BatchRow& r, bool terminal) {
    JsonWriter json(out, JsonLayout{-1, 1 << 30, terminal});
    json.BeginObject();
    for (size_t i = 0; i < row.fields.size(); ++i) {
        json.Key(header[i]).String(row.fields[i]);
    }
    if (r.ok) {
        json.Key("format").Integer(kOutputFormatVersion);
        WriteResultJson(json, r.result);
        json.Key("status").String("ok");
    } else {
        json.Key("status").String("error");
        json.Key("error").String(r.error);
    }
    json.EndObject();
    out.push_back('\n');
}

const OptionSpec kBatchOptions[] = {{"--format", ValueKind::Text}, {"--before-1900"}};
const std::string_view kBatchSynopsis[] = {"[--format csv|jsonl] [--before-1900] [FILE | -]"};

} // namespace

const CommandSyntax kBatchSyntax{"batch", kBatchOptions, kBatchSynopsis};

int RunBatch(const Args& args, CliStreams& io) {
    ParsedArgs a;
    std::optional<std::string> usage = ParseArgs(args, kBatchSyntax, a);
    if (!usage && a.words.size() > 1) {
        usage = CommandMessage(kBatchSyntax, TextId::CliExpects, {"at most one FILE"});
    }
    const ParsedOption* formatOption = a.Last("--format");
    const std::string format = formatOption != nullptr ? formatOption->value : "csv";
    if (!usage && format != "csv" && format != "jsonl") {
        usage = CommandMessage(kBatchSyntax, TextId::CliFormatChoice, {"csv or jsonl", format});
    }
    if (usage) {
        return UsageError(io, *usage);
    }
    std::string error;
    const bool json = format == "jsonl";
    const bool before1900 = a.Has("--before-1900");

    CsvInput input;
    if (!OpenCsvInput(io, "batch", a.words.empty() ? "-" : a.words[0], input)) {
        return kExitRefused;
    }
    CsvReader reader(*input.stream);
    CsvRecord header;
    BirthColumns columns;
    if (!reader.Next(header)) {
        return CsvInputFailed(io, "batch", input, reader);
    }
    if (!MapBirthColumns(header.fields, false, columns, error)) {
        return CsvFormatError(io, "batch", input, header.line, error);
    }

    ChunkWriter writer(io);
    if (!json) {
        for (size_t i = 0; i < header.fields.size(); ++i) {
            if (i > 0) {
                writer.Text().push_back(',');
            }
            AppendCsvField(writer.Text(), TerminalText(header.fields[i], io.outTerminal));
        }
        AppendResultCsvHeader(writer.Text());
        writer.Text().append(",status,error\r\n");
    }
    bool anyRefused = false;
    CsvRecord row;
    while (reader.Next(row)) {
        if (row.fields.size() != columns.count) {
            writer.Flush(true);
            return CsvFormatError(
                io, "batch", input, row.line,
                UserText(TextId::CsvFieldCount,
                         {std::to_string(row.fields.size()), std::to_string(columns.count)}));
        }
        const BatchRow r = EvaluateRow(row, columns, before1900);
        anyRefused = anyRefused || !r.ok;
        if (json) {
            AppendJsonRow(writer.Text(), header.fields, row, r, io.outTerminal);
        } else {
            AppendCsvRow(writer.Text(), row, r, io.outTerminal);
        }
        if (!writer.Flush()) {
            return OutputFailed(io);
        }
    }
    if (!writer.Flush(true)) {
        return OutputFailed(io);
    }
    if (reader.Failed() || reader.ReadFailed()) {
        return CsvInputFailed(io, "batch", input, reader);
    }
    return anyRefused ? kExitRefused : kExitOk;
}
