#pragma once
// Texts placed on the clipboard: the line of the person shown and the table of all records.
// Both are built from Windows-1252 bytes as held by the store and the form.
#include <string>
#include <string_view>

#include "records/date_store_map.h"

// Turns a name into the text of its table field (for example a guard against control
// characters and formulas); Windows-1252 in and out.
using NameField = std::string (*)(std::string_view name);

// "Name:\tTypus:\tGeburtstag:\tMondphase:\tSonnenphase:\n" followed by one line per record,
// in the store's iteration order, each record evaluated afresh. Names pass through
// nameField when one is given, else they are written as held.
std::string CopyAllText(const DateStoreMap& store, NameField nameField = nullptr);

// name \t type \t moon \t sun, without a line end.
std::string CopyLineText(const std::string& name, const std::string& type, const std::string& moon,
                         const std::string& sun);
