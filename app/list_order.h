#pragma once
// The order of a record list as people read it, the same in both programs: names compared
// case-insensitively by the user's locale, ties broken by the stored key (so "Muster" comes
// before "muster"). How the locale compares two names is the program's own collation.
#include <cstddef>
#include <functional>
#include <vector>

#include "records/name_key.h"

// The user's locale's comparison of shown names, case ignored, over names it was given by
// index (a program makes sort keys once per name, then compares them).
class NameCollation {
  public:
    virtual ~NameCollation() = default;
    // Prepares name i for comparing; called once for every name, in ascending order.
    virtual void Prepare(std::size_t i) = 0;
    // Below, at or above zero when prepared name a sorts before, with or after name b.
    virtual int Compare(std::size_t a, std::size_t b) const = 0;
};

// The indexes of keys in list order, by collation over the keys' shown names (index i is
// keys[i]). progress, when given, is told now and then how many names have been prepared.
std::vector<std::size_t> ListOrder(const std::vector<NameKey>& keys, NameCollation& collation,
                                   const std::function<void(int prepared)>& progress = {});

// The row at which key goes into a list of rows rows in list order: the first row whose name
// sorts after key's (after), or the first not before it (!after). collateWithRow(row) is the
// collation of that row's shown name against key's (below zero: the row's sorts first);
// keyAt(row) is the row's key.
std::size_t ListRowBound(std::size_t rows, const NameKey& key,
                         const std::function<int(std::size_t row)>& collateWithRow,
                         const std::function<NameKey(std::size_t row)>& keyAt, bool after);
