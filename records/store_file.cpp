#include "records/store_file.h"

#include <utility>

#include "records/record_image.h"

namespace {

// An entry takes at least a one-byte name prefix and the record image.
constexpr size_t kMinEntrySize = 1 + kRecordImageSize;

ParseFault EntryFault(const ArchiveReader& ar, ParseFault::Kind truncated, uint64_t index,
                      uint64_t count) {
    ParseFault fault;
    fault.kind = ar.Truncated() ? truncated : ParseFault::EntryMalformed;
    fault.count = count;
    fault.entry = index + 1;
    fault.archive = ar.Fault();
    return fault;
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

bool LoadDateStoreMap(ArchiveReader& ar, DateStoreMap& store, ParseFault& fault) {
    uint64_t count = 0;
    if (!ar.ReadCount(count)) {
        fault = ParseFault{};
        fault.kind = ParseFault::CountTruncated;
        return false;
    }
    if (count > ar.Remaining() / kMinEntrySize) {
        fault = ParseFault{};
        fault.kind = ParseFault::CountTooLarge;
        fault.count = count;
        return false;
    }
    store.Reserve(static_cast<size_t>(count));
    std::string name;
    VXDateStore record;
    for (uint64_t i = 0; i < count; ++i) {
        if (!ar.ReadString(name)) {
            fault = EntryFault(ar, ParseFault::NameTruncated, i, count);
            return false;
        }
        if (name.find('\0') != std::string::npos) {
            fault = ParseFault{};
            fault.kind = ParseFault::NameHasNul;
            fault.count = count;
            fault.entry = i + 1;
            return false;
        }
        if (!ReadRecordImage(ar, record)) {
            fault = EntryFault(ar, ParseFault::RecordTruncated, i, count);
            return false;
        }
        store.SetAt(name, record);
    }
    return true;
}

bool ParseDateStoreFile(const void* data, size_t size, DateStoreMap& store, ParseFault& fault) {
    ArchiveReader ar(data, size);
    DateStoreMap fresh;
    if (!LoadDateStoreMap(ar, fresh, fault)) {
        return false;
    }
    store = std::move(fresh);
    return true;
}
