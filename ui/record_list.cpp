#include "ui/record_list.h"

#include <QCollator>
#include <QListWidget>
#include <QSignalBlocker>

#include "app/record_commands.h"
#include "sheet/list_order.h"

namespace {

QCollator ListCollator() {
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

// The item's own copy of its key, for the keys its text does not give back (KeyToKeep).
constexpr int kKeyBytesRole = Qt::UserRole;

void KeepKeyIfNeeded(QListWidgetItem& item, const NameKey& key) {
    if (const std::optional<std::string> kept = KeyToKeep(key, item.text().toStdString())) {
        item.setData(kKeyBytesRole, QByteArray::fromStdString(*kept));
    }
}

} // namespace

QString ShownRecordName(NameKeyView key) {
    return QString::fromStdString(NameOfKey(key));
}

namespace {

// The first row whose name sorts after the key's (or, with `after` false, not before it).
int RowBound(const QListWidget& list, const NameKey& key, const QString& shown, bool after) {
    const QCollator collator = ListCollator();
    int low = 0;
    int high = list.count();
    while (low < high) {
        const int mid = (low + high) / 2;
        int order = collator.compare(list.item(mid)->text(), shown);
        if (order == 0) {
            const NameKey there = RecordKeyAt(list, mid);
            order = there < key ? -1 : (key < there ? 1 : 0);
        }
        if (order < 0 || (after && order == 0)) {
            low = mid + 1;
        } else {
            high = mid;
        }
    }
    return low;
}

} // namespace

int RecordRowOf(const QListWidget& list, const NameKey& key) {
    const int row = RowBound(list, key, ShownRecordName(key), false);
    return row < list.count() && RecordKeyAt(list, row) == key ? row : -1;
}

int AddRecordName(QListWidget& list, const NameKey& key) {
    const QString shown = ShownRecordName(key);
    const int low = RowBound(list, key, shown, true);
    const QSignalBlocker blocker(list);
    list.insertItem(low, shown);
    KeepKeyIfNeeded(*list.item(low), key);
    return low;
}

void FillRecordNames(QListWidget& list, const std::vector<NameKey>& keys,
                     const std::function<void(int prepared)>& progress) {
    QStringList shown;
    shown.reserve(static_cast<qsizetype>(keys.size()));
    for (const NameKey& key : keys) {
        shown.append(ShownRecordName(key));
    }
    const std::vector<std::size_t> order = ListOrder(shown, keys, progress);
    QStringList sorted;
    sorted.reserve(shown.size());
    for (const std::size_t i : order) {
        sorted.append(std::move(shown[static_cast<qsizetype>(i)]));
    }
    const QSignalBlocker blocker(list);
    const int first = list.count();
    list.addItems(sorted);
    for (std::size_t row = 0; row < order.size(); ++row) {
        const NameKey& key = keys[order[row]];
        if (key.IsWide()) {
            KeepKeyIfNeeded(*list.item(first + static_cast<int>(row)), key);
        }
    }
}

NameKey RecordKeyAt(const QListWidget& list, int row) {
    const QListWidgetItem* item = list.item(row);
    if (item == nullptr) {
        return {};
    }
    if (const QVariant bytes = item->data(kKeyBytesRole); bytes.isValid()) {
        return KeptKey(bytes.toByteArray().toStdString());
    }
    // The text was made from the key, so every character converts back, without NFC: a name
    // read from a file is kept exactly.
    return KeyOfShownName(item->text().toStdString());
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
