#include "records/store_file.h"

#include <array>
#include <utility>

#include "records/record_image.h"

namespace {

// An entry takes at least a one-byte name prefix and the record image.
constexpr size_t kMinEntrySize = 1 + kRecordImageSize;

constexpr size_t kReadAhead = 16;

ParseFault EntryFault(const ArchiveReader& ar, ParseFault::Kind truncated, uint64_t index,
                      uint64_t count) {
    ParseFault fault;
    fault.kind = ar.Truncated() ? truncated : ParseFault::EntryMalformed;
    fault.count = count;
    fault.entry = index + 1;
    fault.archive = ar.Fault();
    return fault;
}

// How many of the count's entries the bytes hold in full, passing over them as the load reads
// them: the store is sized for these, not for what the count claims.
uint64_t EntriesPresent(ArchiveReader ar, uint64_t count) {
    uint64_t present = 0;
    while (present < count && ar.SkipName() && ar.Skip(kRecordImageSize)) {
        ++present;
    }
    return present;
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
    for (const auto& entry : store) {
        ar.WriteName(entry.name);
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
    store.Reserve(static_cast<size_t>(EntriesPresent(ar, count)));
    // Entries are read a few ahead of their insertion, so that the index memory each one needs
    // is already on its way when it is inserted. Insertion stays in file order.
    std::array<std::pair<NameKey, VXDateStore>, kReadAhead> queue;
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
        if (!ar.ReadName(name)) {
            insertUpTo(i);
            fault = EntryFault(ar, ParseFault::NameTruncated, i, count);
            return false;
        }
        if (!ReadRecordImage(ar, record)) {
            insertUpTo(i);
            fault = EntryFault(ar, ParseFault::RecordTruncated, i, count);
            return false;
        }
        store.Prefetch(name);
    }
    insertUpTo(count);
    return true;
}

bool ParseDateStoreFile(const void* data, size_t size, DateStoreMap& store, ParseFault& fault,
                        ParseNotice* notice) {
    ArchiveReader ar(data, size);
    DateStoreMap fresh;
    if (!LoadDateStoreMap(ar, fresh, fault)) {
        return false;
    }
    store = std::move(fresh);
    if (notice != nullptr) {
        *notice = ParseNotice{};
        if (ar.Remaining() != 0) {
            notice->kind = ParseNotice::TrailingBytes;
            notice->trailingBytes = ar.Remaining();
        }
    }
    return true;
}
