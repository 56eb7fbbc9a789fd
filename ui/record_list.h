#pragma once
// The list of stored names: shown in Unicode, sorted for people (case-insensitive and
// locale-aware, ties broken by the stored bytes), each item keeping its store key.
#include <string>

class QListWidget;
class QString;

// Inserts the name stored as key (Windows-1252) at its sorted place; returns its row.
int AddRecordName(QListWidget& list, const std::string& key);

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
