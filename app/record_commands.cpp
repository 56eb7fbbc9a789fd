#include "app/record_commands.h"

#include "records/name_key.h"

std::string NameOfKey(NameKeyView key) {
    return NameKeyToUtf8(key);
}

RecordRefusal AddRecord(DateStoreMap& store, std::string_view utf8Name, const BirthInput& in,
                        AddMode mode, bool* replaced) {
    return AddStoredRecord(store, utf8Name, ToRecord(in), mode, replaced);
}

RecordRefusal AddStoredRecord(DateStoreMap& store, std::string_view utf8Name,
                              const VXDateStore& record, AddMode mode, bool* replaced) {
    NameKey key;
    if (const NameCheck check = CheckName(utf8Name, NameUse::NewEntry, &key); !check.Accepted()) {
        return check.refusal;
    }
    VXDateStore existing;
    const bool exists = store.Lookup(key, existing);
    if (exists) {
        if (mode == AddMode::RefuseExisting) {
            return RecordRefusal::NameExists;
        }
        store.RemoveKey(key);
    }
    store.SetAt(key, record);
    if (replaced != nullptr) {
        *replaced = exists;
    }
    return RecordRefusal::None;
}

RecordRefusal LookupRecord(const DateStoreMap& store, std::string_view utf8Name,
                           VXDateStore& record) {
    NameKey key;
    if (const NameCheck check = CheckName(utf8Name, NameUse::ExistingEntry, &key);
        !check.Accepted()) {
        return check.refusal;
    }
    return store.Lookup(key, record) ? RecordRefusal::None : RecordRefusal::NotFound;
}

RecordRefusal RemoveRecord(DateStoreMap& store, std::string_view utf8Name) {
    NameKey key;
    if (const NameCheck check = CheckName(utf8Name, NameUse::ExistingEntry, &key);
        !check.Accepted()) {
        return check.refusal;
    }
    return store.RemoveKey(key) ? RecordRefusal::None : RecordRefusal::NotFound;
}

void RemoveAllRecords(DateStoreMap& store) {
    store.RemoveAll();
}

std::vector<std::string> RecordNames(const DateStoreMap& store) {
    std::vector<std::string> names;
    names.reserve(static_cast<size_t>(store.GetCount()));
    for (const auto& entry : store) {
        names.push_back(NameOfKey(entry.name));
    }
    return names;
}
