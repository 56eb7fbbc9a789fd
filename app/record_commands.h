#pragma once
// The record commands of both programs on a store, with names in UTF-8. The store keeps
// names in Windows-1252; the conversion happens here and nowhere else.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/birth_input.h"
#include "records/date_store_map.h"

enum class RecordRefusal {
    None,
    EmptyName,
    NameNotStorable,         // not valid UTF-8, or a character Windows-1252 cannot write
    NameHasControlCharacter, // adding only: U+0000..U+001F, U+007F or U+0080..U+009F
    NameExists,              // adding without replacing: the user must confirm (or pass --replace)
    NotFound,
};

enum class AddMode { RefuseExisting, ReplaceExisting };

// The name as the store keys it, or the refusal (EmptyName, NameNotStorable).
RecordRefusal StoreKey(std::string_view utf8Name, std::string& key);

// The UTF-8 text of a stored key.
std::string NameOfKey(NameKeyView key);

// Stores the input under the name. A name with a control character is refused
// (NameHasControlCharacter) before anything changes; existing entries with such names, read
// from files written elsewhere, can still be looked up, replaced and removed. An existing entry is
// refused with NameExists, or with ReplaceExisting removed first, so that the replacement moves to
// the head of its chain. replaced (optional) tells whether an entry was replaced.
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
