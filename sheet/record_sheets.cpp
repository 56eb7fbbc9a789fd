#include "sheet/record_sheets.h"

#include <algorithm>

#include "app/record_commands.h"

std::size_t RecordBirths::EarlierCount() const {
    return static_cast<std::size_t>(std::count(earlier.begin(), earlier.end(), true));
}

std::vector<SheetBirth> RecordBirths::Chosen(bool withEarlier) const {
    std::vector<SheetBirth> chosen;
    for (std::size_t i = 0; i < births.size(); ++i) {
        if (withEarlier || !earlier[i]) {
            chosen.push_back(births[i]);
        }
    }
    return chosen;
}

RecordBirths CheckedRecordBirths(const DateStoreMap& store, const std::vector<NameKey>& keys) {
    RecordBirths result;
    for (const NameKey& key : keys) {
        VXDateStore record;
        if (!store.Lookup(key, record)) {
            continue;
        }
        SheetBirth birth{NameOfKey(key), FromRecord(record), std::nullopt};
        bool beforeCentury = false;
        if (const auto refusal = InputRefusal(birth.input, [&beforeCentury] {
                beforeCentury = true;
                return true;
            })) {
            result.refusedName = birth.name;
            result.refusal = refusal;
            return result;
        }
        result.births.push_back(std::move(birth));
        result.earlier.push_back(beforeCentury);
    }
    return result;
}
