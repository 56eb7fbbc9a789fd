#pragma once
// The list order (app/list_order.h) with the Qt program's collation: the user's locale through
// QCollator, case ignored. The window's list and the sheets of a whole file follow it.
#include <QCollator>
#include <QStringList>
#include <cstddef>
#include <functional>
#include <vector>

#include "app/list_order.h"

// The collator of the list: the user's locale, case ignored.
QCollator ListCollator();

// The indexes of keys (store keys) in list order; shown[i] is keys[i] as shown.
// progress, when given, is told now and then how many names have been prepared.
std::vector<std::size_t> ListOrder(const QStringList& shown, const std::vector<NameKey>& keys,
                                   const std::function<void(int prepared)>& progress = {});
