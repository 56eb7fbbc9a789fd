// vexamo-cli import: adds the births of a CSV file to a record file in one load-change-save
// under the file's writer lock; one refused row refuses the whole import.
#include <string>
#include <vector>

#include "app/text_guards.h"
#include "cli/arg_scan.h"
#include "cli/birth_rows.h"
#include "cli/commands.h"
#include "cli/csv_input.h"
#include "cli/record_common.h"

namespace {

struct ImportRow {
    size_t line = 0;
    std::string name;
    BirthInput input;
};

std::string LinePrefix(size_t line) {
    return "import: line " + std::to_string(line) + ": ";
}

} // namespace

int RunImport(const Args& args, CliStreams& io) {
    ScannedArgs a;
    std::string error;
    if (!ScanArgs(args, {"import", {"--replace"}, {}}, a, error)) {
        return UsageError(io, error);
    }
    if (a.positionals.size() != 2) {
        return UsageError(io, "import: expects FILE CSV");
    }
    const std::string& file = a.positionals[0];
    const AddMode mode = a.Has("--replace") ? AddMode::ReplaceExisting : AddMode::RefuseExisting;

    // The whole CSV is read and checked before the record file is locked, so that a slow
    // input keeps no other writer waiting.
    CsvInput input;
    if (!OpenCsvInput(io, "import", a.positionals[1], input)) {
        return kExitRefused;
    }
    CsvReader reader(*input.stream);
    CsvRecord header;
    BirthColumns columns;
    if (!reader.Next(header)) {
        return CsvInputFailed(io, "import", input, reader);
    }
    if (!MapBirthColumns(header.fields, true, columns, error)) {
        return CsvFormatError(io, "import", input, header.line, error);
    }
    std::vector<ImportRow> rows;
    DateStoreMap probe; // every name is checked here before the file is touched
    CsvRecord record;
    while (reader.Next(record)) {
        if (record.fields.size() != columns.count) {
            return CsvFormatError(io, "import", input, record.line,
                                  std::to_string(record.fields.size()) +
                                      " fields where the header has " +
                                      std::to_string(columns.count));
        }
        ImportRow row;
        row.line = record.line;
        row.name = std::move(record.fields[static_cast<size_t>(columns.name)]);
        if (!ReadBirthRow(record, columns, row.input, error) ||
            !ResolveRowZone(record, columns, row.input, error)) {
            PrintError(io, LinePrefix(row.line) + error);
            return kExitRefused;
        }
        if (const RecordRefusal refusal =
                AddRecord(probe, row.name, row.input, AddMode::ReplaceExisting);
            refusal != RecordRefusal::None) {
            PrintRefusal(io, refusal, row.name, LinePrefix(row.line));
            return kExitRefused;
        }
        rows.push_back(std::move(row));
    }
    if (reader.Failed() || reader.ReadFailed()) {
        return CsvInputFailed(io, "import", input, reader);
    }

    return ChangeRecordFile(io, file, true, [&](DateStoreMap& store) {
        for (const ImportRow& row : rows) {
            if (const RecordRefusal refusal = AddRecord(store, row.name, row.input, mode);
                refusal != RecordRefusal::None) {
                PrintRefusal(io, refusal, row.name, LinePrefix(row.line));
                return false;
            }
        }
        return true;
    });
}
