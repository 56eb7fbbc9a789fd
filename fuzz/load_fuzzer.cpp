// Feeds arbitrary bytes to the ".dat" loader. A file that loads must save and load again to
// the same store, each name in the one form its characters call for and shown as UTF-8 that
// gives the name back (but for lone surrogates, shown as U+FFFD), and its export of all
// records must be built without fault. The bytes said to follow the last entry must be exactly
// those: the file without them loads the same store with nothing after it, one byte less does
// not load, and bytes added at the end are counted on top.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/export_text.h"
#include "app/file_messages.h"
#include "records/archive.h"
#include "records/name_key.h"
#include "records/store_file.h"

namespace {

std::string Save(const DateStoreMap& store) {
    ArchiveWriter ar;
    StoreDateStoreMap(ar, store);
    return ar.Bytes();
}

// Checks the count of bytes after the last entry of a file that loaded into store.
void CheckTrailingBytes(const uint8_t* data, size_t size, const DateStoreMap& store,
                        const ParseNotice& notice) {
    const uint64_t trailing = notice.kind == ParseNotice::TrailingBytes ? notice.trailingBytes : 0;
    if ((notice.kind == ParseNotice::TrailingBytes) != (trailing != 0) || trailing >= size) {
        std::abort();
    }
    const size_t end = size - static_cast<size_t>(trailing);
    DateStoreMap entriesOnly;
    ParseFault fault;
    ParseNotice after;
    if (!ParseDateStoreFile(data, end, entriesOnly, fault, &after) ||
        after.kind != ParseNotice::None || Save(entriesOnly) != Save(store)) {
        std::abort();
    }
    DateStoreMap cut;
    if (ParseDateStoreFile(data, end - 1, cut, fault)) {
        std::abort(); // the last entry (or the count of an empty file) ends where it was said to
    }
    std::string longer(reinterpret_cast<const char*>(data), size);
    longer.append("\x01\xFF", 2);
    DateStoreMap same;
    if (!ParseDateStoreFile(longer.data(), longer.size(), same, fault, &after) ||
        after.kind != ParseNotice::TrailingBytes || after.trailingBytes != trailing + 2 ||
        same.GetCount() != store.GetCount()) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    DateStoreMap store;
    ParseFault fault;
    ParseNotice notice;
    if (!ParseDateStoreFile(data, size, store, fault, &notice)) {
        if (fault.kind == ParseFault::None || store.GetCount() != 0 ||
            ParseFaultText(fault).empty()) {
            std::abort();
        }
        return 0;
    }
    CheckTrailingBytes(data, size, store, notice);
    const std::string saved = Save(store);
    DateStoreMap reloaded;
    if (!ParseDateStoreFile(saved.data(), saved.size(), reloaded, fault) ||
        reloaded.GetCount() != store.GetCount()) {
        std::abort();
    }
    // Two load-save cycles reverse each bucket twice: the bytes come back.
    DateStoreMap again;
    const std::string resaved = Save(reloaded);
    if (!ParseDateStoreFile(resaved.data(), resaved.size(), again, fault) || Save(again) != saved) {
        std::abort();
    }
    for (const auto& entry : store) {
        VXDateStore record;
        if (!reloaded.Lookup(entry.name, record) || !(record == entry.record)) {
            std::abort();
        }
        if (entry.name.IsWide() && !NameKey::FromUtf16Bytes(entry.name.Bytes()).IsWide()) {
            std::abort(); // a wide key for a name that has an 8-bit one
        }
        const std::string shown = NameKeyToUtf8(entry.name);
        NameKey back;
        if (!Utf8ToNameKey(shown, back) ||
            (back != NameKey(entry.name) && shown.find("\xEF\xBF\xBD") == std::string::npos)) {
            std::abort();
        }
    }
    if (store.GetCount() <= 4) {
        (void)CopyAllText(store);
    }
    return 0;
}
