#include "records/store_file.h"

#include <array>
#include <utility>

#include "records/record_image.h"

namespace {

// An entry takes at least a one-byte name prefix and the record image.
constexpr size_t kMinEntrySize = 1 + kRecordImageSize;

constexpr size_t kReadAhead = 16;

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
    // Enough for names of usual length; pages of the room never written are never touched.
    constexpr size_t kRoomPerEntry = 1 + 31 + kRecordImageSize;
    ar.Reserve(ar.Bytes().size() + static_cast<size_t>(store.GetCount()) * kRoomPerEntry);
    std::string name;
    VXDateStore record;
    DateStoreMap::Position pos = store.GetStartPosition();
    while (pos != nullptr) {
        store.GetNextAssoc(pos, name, record);
        ar.WriteString(name);
        WriteRecordImage(ar, record);
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
    // Entries are read a few ahead of their insertion, so that the index memory each one needs
    // is already on its way when it is inserted. Insertion stays in file order.
    std::array<std::pair<std::string, VXDateStore>, kReadAhead> queue;
    uint64_t inserted = 0;
    const auto insertUpTo = [&](uint64_t end) {
        for (; inserted < end; ++inserted) {
            const auto& [name, record] = queue[inserted % kReadAhead];
            store.SetAt(name, record);
        }
    };
    for (uint64_t i = 0; i < count; ++i) {
        if (i >= kReadAhead) {
            insertUpTo(i - kReadAhead + 1);
        }
        auto& [name, record] = queue[i % kReadAhead];
        if (!ar.ReadString(name)) {
            insertUpTo(i);
            reason = EntryReason(ar, "im Namen", i, count);
            return false;
        }
        if (name.find('\0') != std::string::npos) {
            insertUpTo(i);
            reason = "Eintrag " + std::to_string(i + 1) + " von " + std::to_string(count) +
                     ": der Name enthält ein Nullbyte";
            return false;
        }
        if (!ReadRecordImage(ar, record)) {
            insertUpTo(i);
            reason = EntryReason(ar, "im Datensatz", i, count);
            return false;
        }
        store.Prefetch(name);
    }
    insertUpTo(count);
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
