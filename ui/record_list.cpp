#include "ui/record_list.h"

#include <QCollator>
#include <QListWidget>
#include <QSignalBlocker>
#include <algorithm>
#include <numeric>

#include "app/name_rules.h"
#include "app/record_commands.h"

namespace {

// Names prepared between two reports of progress.
constexpr int kProgressStep = 8192;

QCollator ListCollator() {
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

// Every code unit case-folded on its own, as QString::compare with Qt::CaseInsensitive folds
// them (simple folding: "ß" stays one character).
QString FoldedCodeUnits(const QString& text) {
    QString folded = text;
    for (QChar& c : folded) {
        c = c.toCaseFolded();
    }
    return folded;
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
    const QCollator collator = ListCollator();
    QStringList shown;
    shown.reserve(static_cast<qsizetype>(keys.size()));
    // The C locale compares case-folded code units; its sort keys would not ignore the case,
    // so each name is folded once, as the comparison would fold it, and the folded names are
    // compared.
    const bool byCodeUnits = collator.locale().language() == QLocale::C;
    std::vector<QCollatorSortKey> sortKeys;
    sortKeys.reserve(byCodeUnits ? 0 : keys.size());
    std::vector<QString> folded;
    folded.reserve(byCodeUnits ? keys.size() : 0);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        shown.append(ShownRecordName(keys[i]));
        if (byCodeUnits) {
            folded.push_back(FoldedCodeUnits(shown.constLast()));
        } else {
            // Comparing sort keys orders as the collator's own comparison does.
            sortKeys.push_back(collator.sortKey(shown.constLast()));
        }
        if (progress && (i + 1) % kProgressStep == 0) {
            progress(static_cast<int>(i + 1));
        }
    }
    std::vector<std::size_t> order(keys.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int byCollation = byCodeUnits ? QStringView(folded[a]).compare(QStringView(folded[b]))
                                            : sortKeys[a].compare(sortKeys[b]);
        return byCollation != 0 ? byCollation < 0 : keys[a] < keys[b];
    });
    folded = {};
    sortKeys = {};
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
