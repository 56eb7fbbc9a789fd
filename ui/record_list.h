#pragma once
// The list of stored names: shown in Unicode, sorted for people (case-insensitive and
// locale-aware, ties broken by the stored bytes). An item's text converts back to its store
// key (Windows-1252) without loss.
#include <functional>
#include <string>
#include <vector>

class QListWidget;
class QString;

// The name stored as key (Windows-1252), as shown.
QString ShownRecordName(const std::string& key);

// Inserts the name stored as key (Windows-1252) at its sorted place; returns its row.
int AddRecordName(QListWidget& list, const std::string& key);

// Fills the empty list with the names stored as keys, in the order AddRecordName gives them:
// one sort and one insertion. progress, when given, is told how many names have been
// prepared, now and then while the sort keys are made. Does not notify.
void FillRecordNames(QListWidget& list, const std::vector<std::string>& keys,
                     const std::function<void(int prepared)>& progress = {});

// The store key of the item at row; empty for a row that does not exist.
std::string RecordKeyAt(const QListWidget& list, int row);

// The row of the selected item, or -1 when nothing is selected.
int SelectedRecordRow(const QListWidget& list);

// Selects row (-1: selects nothing), without notifying.
void SelectRecordRow(QListWidget& list, int row);

// Removes the item at row; afterwards nothing is selected. Does not notify.
void DeleteRecordRow(QListWidget& list, int row);

// Removes every item, without notifying.
void ResetRecordList(QListWidget& list);
