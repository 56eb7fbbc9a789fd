#include "ui/record_list.h"

#include <QCollator>
#include <QListWidget>
#include <QSignalBlocker>

#include "app/record_commands.h"

namespace {

constexpr int kKeyRole = Qt::UserRole;

std::string KeyOf(const QListWidgetItem* item) {
    return item->data(kKeyRole).toByteArray().toStdString();
}

} // namespace

int AddRecordName(QListWidget& list, const std::string& key) {
    const QString shown = QString::fromStdString(NameOfKey(key));
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    // First row whose name sorts after the new one.
    int low = 0;
    int high = list.count();
    while (low < high) {
        const int mid = (low + high) / 2;
        const QListWidgetItem* item = list.item(mid);
        int order = collator.compare(item->text(), shown);
        if (order == 0) {
            order = KeyOf(item).compare(key);
        }
        if (order <= 0) {
            low = mid + 1;
        } else {
            high = mid;
        }
    }
    auto* item = new QListWidgetItem(shown);
    item->setData(kKeyRole, QByteArray::fromStdString(key));
    const QSignalBlocker blocker(list);
    list.insertItem(low, item);
    return low;
}

std::string RecordKeyAt(const QListWidget& list, int row) {
    const QListWidgetItem* item = list.item(row);
    return item ? KeyOf(item) : std::string();
}

int SelectedRecordRow(const QListWidget& list) {
    const QList<QListWidgetItem*> selected = list.selectedItems();
    return selected.isEmpty() ? -1 : list.row(selected.constFirst());
}

void SelectRecordRow(QListWidget& list, int row) {
    const QSignalBlocker blocker(list);
    if (row < 0 || row >= list.count()) {
        list.clearSelection();
        list.setCurrentRow(-1);
        return;
    }
    list.setCurrentRow(row);
}

void DeleteRecordRow(QListWidget& list, int row) {
    const QSignalBlocker blocker(list);
    delete list.takeItem(row);
    list.clearSelection();
    list.setCurrentRow(-1);
}

void ResetRecordList(QListWidget& list) {
    const QSignalBlocker blocker(list);
    list.clear();
}
