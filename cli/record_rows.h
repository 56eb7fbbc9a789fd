#pragma once
// Stored records in the machine-readable outputs: show --json, list --json, export --format
// csv|jsonl. The stored fields use the column names that batch and import read (name, day,
// month, year, hour, minute, tz, southern, const_zone), so an export imports again.
#include <string>

#include <nlohmann/json.hpp>

#include "records/date_store_map.h"

// The JSON text of a document with its line end; for a terminal every character beyond ASCII
// is escaped as well, so nothing in a name can act on the terminal.
std::string JsonDocument(const nlohmann::ordered_json& document, bool terminal);

// {"format": 1, "name": ..., "day": ..., ..., "const_zone": ...}
nlohmann::ordered_json StoredRecordJson(const std::string& utf8Name, const VXDateStore& r);

// Header and one line per record in the store's order: the stored fields, then the result
// columns of batch (empty for a record that cannot be evaluated).
std::string RecordsCsv(const DateStoreMap& store);

// One JSON object per line and record: the stored fields, then the result keys of batch
// (absent for a record that cannot be evaluated).
std::string RecordsJsonl(const DateStoreMap& store, bool terminal);
