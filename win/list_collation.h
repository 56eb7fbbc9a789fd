#pragma once
// The Windows program's collation of the record list: the user's locale through the system's
// sort keys (LCMapStringEx), case ignored. The order itself is app/list_order.h's.
#include <cstddef>
#include <string>
#include <vector>

#include "app/list_order.h"

// Below, at or above zero when shown name a sorts before, with or after b (CompareStringEx in
// the user's locale, case ignored).
int CollateListNames(const std::wstring& a, const std::wstring& b);

// The sort keys of shown names, all in one buffer (a list of a million names makes no million
// allocations).
class CListCollation final : public NameCollation {
  public:
    explicit CListCollation(const std::vector<std::wstring>& shown);

    void Prepare(std::size_t i) override;
    int Compare(std::size_t a, std::size_t b) const override;

  private:
    const std::vector<std::wstring>& m_shown;
    std::string m_keys;                 // every sort key, without its closing zero
    std::vector<std::size_t> m_offsets; // where key i starts; one more for the end
};

// The indexes of keys in list order; shown[i] is keys[i] as the list shows it.
std::vector<std::size_t> WinListOrder(const std::vector<std::wstring>& shown,
                                      const std::vector<NameKey>& keys);
