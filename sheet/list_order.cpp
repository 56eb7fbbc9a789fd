#include "sheet/list_order.h"

namespace {

// Every code unit case-folded on its own, as QString::compare with Qt::CaseInsensitive folds
// them (simple folding: "ß" stays one character).
QString FoldedCodeUnits(const QString& text) {
    QString folded = text;
    for (QChar& c : folded) {
        c = c.toCaseFolded();
    }
    return folded;
}

// QCollator's sort keys of the shown names; comparing them orders as the collator's own
// comparison does. The C locale compares case-folded code units; its sort keys would not
// ignore the case, so each name is folded once, as the comparison would fold it, and the
// folded names are compared.
class QtNameCollation final : public NameCollation {
  public:
    QtNameCollation(const QStringList& shown, std::size_t count) : m_shown(shown) {
        m_collator = ListCollator();
        m_bByCodeUnits = m_collator.locale().language() == QLocale::C;
        if (m_bByCodeUnits) {
            m_folded.reserve(count);
        } else {
            m_sortKeys.reserve(count);
        }
    }

    void Prepare(std::size_t i) override {
        const QString& name = m_shown[static_cast<qsizetype>(i)];
        if (m_bByCodeUnits) {
            m_folded.push_back(FoldedCodeUnits(name));
        } else {
            m_sortKeys.push_back(m_collator.sortKey(name));
        }
    }

    int Compare(std::size_t a, std::size_t b) const override {
        return m_bByCodeUnits ? QStringView(m_folded[a]).compare(QStringView(m_folded[b]))
                              : m_sortKeys[a].compare(m_sortKeys[b]);
    }

  private:
    const QStringList& m_shown;
    QCollator m_collator;
    bool m_bByCodeUnits = false;
    std::vector<QCollatorSortKey> m_sortKeys;
    std::vector<QString> m_folded;
};

} // namespace

QCollator ListCollator() {
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

std::vector<std::size_t> ListOrder(const QStringList& shown, const std::vector<NameKey>& keys,
                                   const std::function<void(int prepared)>& progress) {
    QtNameCollation collation(shown, keys.size());
    return ListOrder(keys, collation, progress);
}
