#pragma once
// Texts placed on the clipboard and printed by "vexamo-cli export": the line of the person
// shown and the table of all records, both in UTF-8; and the tables of all records for other
// programs (export --format csv|jsonl). Each name passes through
// SpreadsheetField (app/text_guards.h): a control character becomes a blank and a leading
// '=', '+', '-' or '@' gets an apostrophe, so every line keeps its columns and no name turns
// into a formula; any other name is written byte for byte. For a terminal (RecordsStyle::terminal)
// each name is escaped as well (TerminalText), in the csv table too.
#include <functional>
#include <string>
#include <string_view>

#include "records/date_store_map.h"

class ExportHeadStart;

// The three tables of all records.
enum class RecordsFormat { Tsv, Csv, Jsonl };

// Writes the table of all records in the given format and style
// to sink in pieces of bounded size, evaluating the records of each piece on up to jobs threads;
// the pieces join to the text a single thread writes. Stops when sink returns false, and
// returns false then. The tsv table takes the results headStart has ready.
struct RecordsStyle {
    bool asciiOnly = false;     // jsonl: as for JsonLayout
    char delimiter = ',';       // csv
    bool byteOrderMark = false; // csv: a UTF-8 byte-order mark first, for spreadsheets
    bool terminal = false;      // tsv, csv: each name escaped for a terminal (TerminalText)
    // csv: the spreadsheet dialect (--spreadsheet): the byte-order mark, numbers with decimal as
    // their separator, and every text guarded against formulas (AppendGuardedCsvField).
    bool spreadsheet = false;
    char decimal = '.';
};
bool WriteRecords(const DateStoreMap& store, RecordsFormat format, const RecordsStyle& style,
                  unsigned jobs, const std::function<bool(std::string_view piece)>& sink,
                  const ExportHeadStart* headStart = nullptr);

// "Name:\tTypus:\tGeburtstag:\tMondphase:\tSonnenphase:\n" followed by one line per record,
// in the store's iteration order, each record evaluated afresh (on every core).
std::string CopyAllText(const DateStoreMap& store);

// name \t type \t moon \t sun, without a line end.
std::string CopyLineText(const std::string& name, const std::string& type, const std::string& moon,
                         const std::string& sun);

// Header and one CSV line per record in the store's order: the stored fields (names as they
// are, quoted where CSV needs it), then the results (empty for a record that cannot be
// evaluated). A spreadsheet in a German or French locale wants ';' and the byte-order mark.
std::string RecordsCsv(const DateStoreMap& store, char delimiter = ',', bool byteOrderMark = false);

// One JSON object per line and record: "format", the stored fields, then the results (absent
// for a record that cannot be evaluated). asciiOnly as for JsonLayout.
std::string RecordsJsonl(const DateStoreMap& store, bool asciiOnly);
