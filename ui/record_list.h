#pragma once
// The list of stored names: shown in Unicode, sorted for people (case-insensitive and
// locale-aware, ties broken by the stored key). An item's text converts back to its store
// key, or the item holds the key where it cannot (a name read from a file with a lone half of
// a surrogate pair, shown as U+FFFD).
#include <functional>
#include <vector>

#include "app/shown_name_keys.h"

class QListWidget;
class QString;

// The name stored as key, as shown.
QString ShownRecordName(NameKeyView key);

// Inserts the name stored as key at its sorted place; returns its row.
int AddRecordName(QListWidget& list, const NameKey& key);

// Fills the empty list with the names stored as keys, in the order AddRecordName gives them:
// one sort and one insertion. progress, when given, is told how many names have been
// prepared, now and then while the sort keys are made. Does not notify.
void FillRecordNames(QListWidget& list, const std::vector<NameKey>& keys,
                     const std::function<void(int prepared)>& progress = {});

// The row of the name stored as key, or -1 when the list does not hold it.
int RecordRowOf(const QListWidget& list, const NameKey& key);

// The store key of the item at row; empty for a row that does not exist.
NameKey RecordKeyAt(const QListWidget& list, int row);

// The row of the selected item, or -1 when nothing is selected.
int SelectedRecordRow(const QListWidget& list);

// Selects row (-1: selects nothing), without notifying.
void SelectRecordRow(QListWidget& list, int row);

// Removes the item at row; afterwards nothing is selected. Does not notify.
void DeleteRecordRow(QListWidget& list, int row);

// Removes every item, without notifying.
void ResetRecordList(QListWidget& list);
