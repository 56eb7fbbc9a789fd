#pragma once
// The births of a document of sheets made of a record file: one per record, in the order the
// record list shows them, each checked as the form checks it; those before 1900 are marked, so
// that the user can be asked once about all of them.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "app/input_check.h"
#include "records/name_key.h"
#include "records/vexamo_doc.h"
#include "sheet/sheet_content.h"

struct RecordBirths {
    std::vector<SheetBirth> births;
    std::vector<bool> earlier; // births[i] is before 1900
    // The first record the form refuses (the births then stop before it).
    std::optional<std::string> refusedName;
    std::optional<InputProblem> refusal;

    std::size_t EarlierCount() const;
    // The births to print: all, or those from 1900 on.
    std::vector<SheetBirth> Chosen(bool withEarlier) const;
};

// The births of the records of store under keys, in that order.
RecordBirths CheckedRecordBirths(const DateStoreMap& store, const std::vector<NameKey>& keys);
