#pragma once
// The fields of a stored record as every output and input names them: the key of the JSON
// outputs and the CSV column (the columns that batch and import read, so an export imports
// again), the label of "vexamo-cli show", and where the value lives. Outputs and the CSV input
// are written from this one table, so a new field is one more entry.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "app/birth_input.h"
#include "app/csv_text.h"
#include "app/json_writer.h"
#include "app/text_catalogue.h"
#include "records/vx_date_store.h"

enum class RecordFieldKind { Name, Integer, Flag };

struct RecordField {
    const char* key; // "const_zone"
    RecordFieldKind kind;
    TextId showLabel; // with its separator: "Année : "
    int showOrder;    // the place of the line in "vexamo-cli show" (the form's order)
    int32_t VXDateStore::*stored = nullptr; // not for the name
    int32_t BirthInput::*integer = nullptr; // an Integer field of the input
    bool BirthInput::*flag = nullptr;       // a Flag field of the input
    bool requiredColumn = false;            // a birth row needs it (the name: import only)
    bool emptyIsDefault = false;            // an empty field keeps the input's default
};

// name, day, month, year, hour, minute, tz, southern, const_zone.
std::span<const RecordField> RecordFields();

// The field of a column name; nothing for any other name.
const RecordField* FindRecordField(std::string_view key);

// "name,day,...,const_zone" (no line end).
void AppendRecordCsvHeader(std::string& out, char delimiter = ',');
// The record's values in column order (no line end); the stored numbers as they are.
void AppendRecordCsv(std::string& out, std::string_view utf8Name, const VXDateStore& r,
                     char delimiter = ',');

// The same in a spreadsheet's dialect: the name guarded against formulas (AppendGuardedCsvField).
void AppendRecordCsv(std::string& out, std::string_view utf8Name, const VXDateStore& r,
                     const SpreadsheetDialect& dialect);

// A column of a birth in the CSV that batch and import read: the key the programs write, and
// the German and French headers a spreadsheet may carry instead.
struct InputColumn {
    std::string_view key;       // "day"
    std::string_view german[2]; // "Tag"; empty where there is none
    std::string_view french;    // "Jour"
    const RecordField* field;   // nullptr for place, zone, round and dst, which are not stored
};

// The stored fields' columns in the table's order, then place, zone, round and dst.
std::span<const InputColumn> InputColumns();

// The column a header means: any of its names, regardless of case and surrounding blanks.
const InputColumn* FindInputColumn(std::string_view header);
// The same for a header already folded (FoldedHeader()).
const InputColumn* FindFoldedInputColumn(const std::string& folded);

// A header as it is compared: without surrounding blanks, letters in lower case (ASCII and the
// Latin-1 letters, which is what the accepted names use).
std::string FoldedHeader(std::string_view header);

// "name (Name, Nom), day (Tag, Jour), ..." for messages.
std::string AcceptedColumnNames();
// The record's fields as keys of the object being written.
void WriteRecordJson(JsonWriter& json, std::string_view utf8Name, const VXDateStore& r);
// "Nom : <name>\nAnnée : 2000\n..." in the form's order; the name as given.
std::string RecordShowText(std::string_view name, const VXDateStore& r);

// Sets an input field (not the name) from its CSV text: an integer (ParseInteger), or a flag
// "0", "1" or empty (0). Returns the refusal's text id (FieldNotInteger, FieldNotFlag; the field's
// key is its argument), or nothing when the text was taken.
std::optional<TextId> ReadRecordField(const RecordField& field, std::string_view text,
                                      BirthInput& in);
