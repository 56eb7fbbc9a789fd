#pragma once
// Texts placed on the clipboard and printed by "vexamo-cli export": the line of the person
// shown and the table of all records, both in UTF-8.
#include <string>
#include <string_view>

#include "records/date_store_map.h"

// Turns a name into the text of its table field (for example a guard against control
// characters and formulas); UTF-8 in and out.
using NameField = std::string (*)(std::string_view name);

// "Name:\tTypus:\tGeburtstag:\tMondphase:\tSonnenphase:\n" followed by one line per record,
// in the store's iteration order, each record evaluated afresh. Names pass through
// nameField when one is given, else they are written as held.
std::string CopyAllText(const DateStoreMap& store, NameField nameField = nullptr);

// name \t type \t moon \t sun, without a line end.
std::string CopyLineText(const std::string& name, const std::string& type, const std::string& moon,
                         const std::string& sun);
