// vexamo-cli import: adds the births of a CSV file to a record file in one load-change-save
// under the file's writer lock; one refused row refuses the whole import.
#include <string>
#include <vector>

#include "app/csv_text.h"
#include "app/name_rules.h"
#include "app/record_commands.h"
#include "app/text_catalogue.h"
#include "cli/birth_options.h"
#include "cli/birth_rows.h"
#include "cli/commands.h"
#include "cli/csv_input.h"
#include "cli/option_table.h"
#include "cli/output.h"
#include "cli/record_file_access.h"

namespace {

struct ImportRow {
    size_t line = 0;
    std::string name;
    BirthInput input;
};

const OptionSpec kImportOptions[] = {kReplaceOption, kDstOption, kNoDstOption,
                                     kDelimiterInputOption, kSpreadsheetInputOption};
const std::string_view kImportSynopsis[] = {
    "FILE CSV [--replace] [--dst | --no-dst] [--delimiter ,|;|tab]", "[--spreadsheet]"};

} // namespace

const CommandSyntax kImportSyntax{
    "import",       "Adds the named births of the CSV file CSV to FILE, all or none.",
    kImportOptions, kImportSynopsis,
    false,          kBirthGroups};

namespace {

// "import: line 4: " before the reason of a refused row.
std::string LinePrefix(size_t line) {
    return CommandMessage(kImportSyntax, TextId::CliLineMessage, {std::to_string(line), ""});
}

} // namespace

int RunImport(const Args& args, CliStreams& io) {
    ParsedArgs a;
    std::optional<std::string> usage = ParseArgs(args, kImportSyntax, a, 2, "FILE CSV");
    char delimiter = 0;
    if (!usage) {
        usage = CsvDelimiter(a, kImportSyntax, delimiter);
    }
    if (usage) {
        return UsageError(io, *usage);
    }
    std::string error;
    const std::string& file = a.words[0];
    const AddMode mode = a.Has("--replace") ? AddMode::ReplaceExisting : AddMode::RefuseExisting;
    const bool sheet = a.Has("--spreadsheet");
    const ZoneChoice choice{.dst = DstOptionChoice(a)};

    // The whole CSV is read and checked before the record file is locked, so that a slow
    // input keeps no other writer waiting.
    CsvInput input;
    if (const int opened = OpenCsvInput(io, "import", a.words[1], input); opened != kExitOk) {
        return opened;
    }
    // All rows or none: the encoding is decided on the whole input, a stream's too.
    if (const int decided = DecideCsvEncoding(io, input, true); decided != kExitOk) {
        return decided;
    }
    const std::unique_ptr<CsvReader> readerOwner = MakeCsvReader(io, input, delimiter);
    CsvReader& reader = *readerOwner;
    CsvRecord header;
    BirthColumns columns;
    if (!reader.Next(header)) {
        return CsvInputFailed(io, "import", input, reader);
    }
    if (!MapBirthColumns(header.fields, true, columns, error)) {
        return CsvFormatError(io, "import", input, header.line, error);
    }
    std::vector<ImportRow> rows;
    CsvRecord record;
    while (reader.Next(record)) {
        if (record.fields.size() != columns.count) {
            return CsvFormatError(
                io, "import", input, record.line,
                UserText(TextId::CsvFieldCount,
                         {std::to_string(record.fields.size()), std::to_string(columns.count)}));
        }
        if (sheet) {
            // What --spreadsheet guarded comes back as it was.
            for (std::string& field : record.fields) {
                if (UnguardedField(field).size() < field.size()) {
                    field.erase(0, 1);
                }
            }
        }
        ImportRow row;
        row.line = record.line;
        row.name = std::move(record.fields[static_cast<size_t>(columns.name)]);
        if (!ReadBirthRow(record, columns, row.input, error) ||
            !ResolveRowZone(record, columns, row.input, error, choice)) {
            PrintMessage(io, LinePrefix(row.line) + error);
            return kExitRefused;
        }
        // Every name is checked here, before the file is touched. A control character, legal
        // in older files and kept by export, is refused with the reason why.
        const RecordRefusal nameRefusal = CheckName(row.name, NameUse::NewEntry).refusal;
        if (nameRefusal == RecordRefusal::NameHasControlCharacter) {
            PrintMessage(io, LinePrefix(row.line) + RecordRefusalText(nameRefusal, row.name) +
                                 UserText(TextId::CsvImportControlName));
            return kExitRefused;
        }
        if (PrintRefusal(io, nameRefusal, row.name, LinePrefix(row.line))) {
            return kExitRefused;
        }
        rows.push_back(std::move(row));
    }
    if (reader.Failed() || reader.ReadFailed()) {
        return CsvInputFailed(io, "import", input, reader);
    }

    return ChangeRecordFile(io, file, true, [&](DateStoreMap& store) {
        for (const ImportRow& row : rows) {
            if (PrintRefusal(io, AddRecord(store, row.name, row.input, mode), row.name,
                             LinePrefix(row.line))) {
                return false;
            }
        }
        return true;
    });
}
