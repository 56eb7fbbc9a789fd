#pragma once
// Births as CSV rows for batch and import: the columns are found by their header names, the
// stored fields' keys (day, month, year, hour, minute required; tz, southern, const_zone, name
// optional) and instead of tz a place or zone with round and dst, in any order, or the German and
// French names of these (InputColumns()); other columns are passed through by batch and ignored by
// import.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/birth_input.h"
#include "app/zone_resolution.h"
#include "cli/csv_reader.h"

struct BirthColumns {
    size_t count = 0;        // fields per row
    std::vector<int> fields; // the column of each stored field (RecordFields()), or -1
    int place = -1;
    int zone = -1;
    int name = -1;
    int round = -1; // 1: accept the nearest whole hour for this row's place or zone
    int dst = -1;   // for a time that occurs twice there: 1 summer time, 0 standard time
    std::vector<std::string> names; // each column's name as the header writes it, for messages
};

// Finds the columns of the header row. Returns false with the reason when a required column
// (or, with needName, the name column) is missing, when two headers name one column or are the
// same name (FoldedHeader()), or when reserved takes a header's folded name (a column the output
// writes itself).
bool MapBirthColumns(const std::vector<std::string>& header, bool needName, BirthColumns& columns,
                     std::string& error,
                     const std::function<bool(std::string_view)>& reserved = nullptr);

// The birth of a row, without range checks: every number must be an integer (an empty tz is
// the form's 1), southern and const_zone 0 or 1 (empty is 0). Returns false with the message
// of the first field that fails, which names the column as the header does.
bool ReadBirthRow(const CsvRecord& row, const BirthColumns& columns, BirthInput& in,
                  std::string& error);

// A place or zone filled instead of tz (at most one of the three) sets the time difference in
// force there at the row's local date and time, as eval --place/--zone does; nothing to do when
// neither is filled. choice holds the command's --round and --dst or --no-dst; the row's round
// and dst columns, when filled (0 or 1), stand over them. A dst for a time that does not occur
// twice is ignored, as eval ignores --dst. Returns false with the reason when none is
// determined; used, when given, receives the resolution.
bool ResolveRowZone(const CsvRecord& row, const BirthColumns& columns, BirthInput& in,
                    std::string& error, ZoneChoice choice = {}, ZoneResolution* used = nullptr);

// For each column, whether it holds text (the name, a place, a zone, a column of the user's own)
// rather than one of the birth's numbers or flags.
std::vector<bool> TextColumns(const BirthColumns& columns);
