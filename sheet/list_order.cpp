#include "sheet/list_order.h"

#include <QCollator>
#include <algorithm>
#include <numeric>

namespace {

// Names prepared between two reports of progress.
constexpr int kProgressStep = 8192;

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

std::vector<std::size_t> ListOrder(const QStringList& shown, const std::vector<NameKey>& keys,
                                   const std::function<void(int prepared)>& progress) {
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    // The C locale compares case-folded code units; its sort keys would not ignore the case,
    // so each name is folded once, as the comparison would fold it, and the folded names are
    // compared.
    const bool byCodeUnits = collator.locale().language() == QLocale::C;
    std::vector<QCollatorSortKey> sortKeys;
    sortKeys.reserve(byCodeUnits ? 0 : keys.size());
    std::vector<QString> folded;
    folded.reserve(byCodeUnits ? keys.size() : 0);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const QString& name = shown[static_cast<qsizetype>(i)];
        if (byCodeUnits) {
            folded.push_back(FoldedCodeUnits(name));
        } else {
            // Comparing sort keys orders as the collator's own comparison does.
            sortKeys.push_back(collator.sortKey(name));
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
    return order;
}
