#pragma once
// The record commands of both programs on a store, with names in UTF-8. The store keeps
// names as NameKeys; the conversion happens here and nowhere else.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/birth_input.h"
#include "app/name_rules.h"
#include "records/date_store_map.h"

enum class AddMode { RefuseExisting, ReplaceExisting };

// The UTF-8 text of a stored key.
std::string NameOfKey(NameKeyView key);

// Stores the input under the name, after CheckName for a new entry: a name with a control
// character is refused (NameHasControlCharacter) before anything changes; existing entries with
// such names, read from files written elsewhere, can still be looked up and removed. An existing
// entry is refused with NameExists, or with ReplaceExisting removed first, so that the replacement
// moves to the head of its chain. replaced (optional) tells whether an entry was replaced.
RecordRefusal AddRecord(DateStoreMap& store, std::string_view utf8Name, const BirthInput& in,
                        AddMode mode, bool* replaced = nullptr);

// The same for a record taken as stored (an import): no range checks, as for BirthInput.
RecordRefusal AddStoredRecord(DateStoreMap& store, std::string_view utf8Name,
                              const VXDateStore& record, AddMode mode, bool* replaced = nullptr);

// The stored record of the name.
RecordRefusal LookupRecord(const DateStoreMap& store, std::string_view utf8Name,
                           VXDateStore& record);

RecordRefusal RemoveRecord(DateStoreMap& store, std::string_view utf8Name);

void RemoveAllRecords(DateStoreMap& store);

// The stored names in UTF-8, in the store's iteration order.
std::vector<std::string> RecordNames(const DateStoreMap& store);
