#pragma once
// The order of the record list as people read it: names compared case-insensitively by the
// user's locale, ties broken by the stored bytes. The window's list and the sheets of a whole
// file follow it.
#include <QStringList>
#include <cstddef>
#include <functional>
#include <vector>

#include "records/name_key.h"

// The indexes of keys (store keys) in list order; shown[i] is keys[i] as shown.
// progress, when given, is told now and then how many names have been prepared.
std::vector<std::size_t> ListOrder(const QStringList& shown, const std::vector<NameKey>& keys,
                                   const std::function<void(int prepared)>& progress = {});
