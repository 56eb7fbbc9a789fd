#include "ui/record_list.h"

#include <QCollator>
#include <QListWidget>
#include <QSignalBlocker>

#include "app/name_rules.h"
#include "app/record_commands.h"
#include "sheet/list_order.h"

namespace {

QCollator ListCollator() {
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

} // namespace

QString ShownRecordName(const std::string& key) {
    return QString::fromStdString(NameOfKey(key));
}

int AddRecordName(QListWidget& list, const std::string& key) {
    const QString shown = ShownRecordName(key);
    const QCollator collator = ListCollator();
    // First row whose name sorts after the new one.
    int low = 0;
    int high = list.count();
    while (low < high) {
        const int mid = (low + high) / 2;
        int order = collator.compare(list.item(mid)->text(), shown);
        if (order == 0) {
            order = RecordKeyAt(list, mid).compare(key);
        }
        if (order <= 0) {
            low = mid + 1;
        } else {
            high = mid;
        }
    }
    const QSignalBlocker blocker(list);
    list.insertItem(low, shown);
    return low;
}

void FillRecordNames(QListWidget& list, const std::vector<std::string>& keys,
                     const std::function<void(int prepared)>& progress) {
    QStringList shown;
    shown.reserve(static_cast<qsizetype>(keys.size()));
    for (const std::string& key : keys) {
        shown.append(ShownRecordName(key));
    }
    const std::vector<std::size_t> order = ListOrder(shown, keys, progress);
    QStringList sorted;
    sorted.reserve(shown.size());
    for (const std::size_t i : order) {
        sorted.append(std::move(shown[static_cast<qsizetype>(i)]));
    }
    const QSignalBlocker blocker(list);
    list.addItems(sorted);
}

std::string RecordKeyAt(const QListWidget& list, int row) {
    const QListWidgetItem* item = list.item(row);
    if (item == nullptr) {
        return {};
    }
    std::string key;
    // The text was made from the key, so every character converts back.
    CheckName(item->text().toStdString(), NameUse::ExistingEntry, &key);
    return key;
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
