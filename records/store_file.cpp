#include "records/store_file.h"

#include <utility>

#include "records/record_image.h"

namespace {

// An entry takes at least a one-byte name prefix and the record image.
constexpr size_t kMinEntrySize = 1 + kRecordImageSize;

std::string EntryReason(const ArchiveReader& ar, const char* part, uint64_t index, uint64_t count) {
    const std::string where =
        "Eintrag " + std::to_string(index + 1) + " von " + std::to_string(count);
    if (ar.Truncated()) {
        return "die Datei endet vorzeitig " + std::string(part) + " von " + where;
    }
    return where + ": " + ar.Error();
}

} // namespace

void StoreDateStoreMap(ArchiveWriter& ar, const DateStoreMap& store) {
    ar.WriteCount(static_cast<uint64_t>(store.GetCount()));
    if (store.GetCount() == 0) {
        return;
    }
    for (const auto& entry : store) {
        ar.WriteString(entry.name);
        WriteRecordImage(ar, entry.record);
    }
}

bool LoadDateStoreMap(ArchiveReader& ar, DateStoreMap& store, std::string& reason) {
    uint64_t count = 0;
    if (!ar.ReadCount(count)) {
        reason = "die Datei endet vorzeitig in der Anzahl der Einträge";
        return false;
    }
    if (count > ar.Remaining() / kMinEntrySize) {
        reason = "die Anzahl der Einträge (" + std::to_string(count) +
                 ") ist größer, als die Datei Einträge enthalten kann";
        return false;
    }
    store.Reserve(static_cast<size_t>(count));
    std::string name;
    VXDateStore record;
    for (uint64_t i = 0; i < count; ++i) {
        if (!ar.ReadString(name)) {
            reason = EntryReason(ar, "im Namen", i, count);
            return false;
        }
        if (name.find('\0') != std::string::npos) {
            reason = "Eintrag " + std::to_string(i + 1) + " von " + std::to_string(count) +
                     ": der Name enthält ein Nullbyte";
            return false;
        }
        if (!ReadRecordImage(ar, record)) {
            reason = EntryReason(ar, "im Datensatz", i, count);
            return false;
        }
        store.SetAt(name, record);
    }
    return true;
}

bool ParseDateStoreFile(const void* data, size_t size, DateStoreMap& store, std::string& reason) {
    ArchiveReader ar(data, size);
    DateStoreMap fresh;
    if (!LoadDateStoreMap(ar, fresh, reason)) {
        return false;
    }
    store = std::move(fresh);
    return true;
}
