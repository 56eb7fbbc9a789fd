// Drives the store through random operations as the programs perform them (set, replace as
// "Ajouter" does, remove, remove all; names up to 100 KiB, each through the name rule) and
// checks it against a plain model after every step; then saves, loads the bytes again and
// checks that the reloaded store holds the same records in the order that loading gives.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <unordered_map>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "app/name_rules.h"
#include "records/archive.h"
#include "records/cp1252.h"
#include "records/store_file.h"

namespace {

struct Entry {
    std::string name;
    VXDateStore record;
};

// 17 buckets by HashKey, each newest first; no node reuse, no index: a list per bucket.
class Model {
  public:
    void Set(const std::string& name, const VXDateStore& record) {
        auto& bucket = Bucket(name);
        for (auto& e : bucket) {
            if (e.name == name) {
                e.record = record;
                return;
            }
        }
        bucket.insert(bucket.begin(), {name, record});
        ++m_count;
    }
    bool Remove(const std::string& name) {
        auto& bucket = Bucket(name);
        for (auto it = bucket.begin(); it != bucket.end(); ++it) {
            if (it->name == name) {
                bucket.erase(it);
                --m_count;
                return true;
            }
        }
        return false;
    }
    void Clear() {
        for (auto& b : m_buckets) {
            b.clear();
        }
        m_count = 0;
    }
    const Entry* Find(const std::string& name) const {
        for (const auto& e : m_buckets[HashKey(name) % 17]) {
            if (e.name == name) {
                return &e;
            }
        }
        return nullptr;
    }
    std::vector<Entry> InOrder() const {
        std::vector<Entry> out;
        for (const auto& b : m_buckets) {
            out.insert(out.end(), b.begin(), b.end());
        }
        return out;
    }
    int Count() const { return m_count; }

  private:
    std::vector<Entry>& Bucket(const std::string& name) { return m_buckets[HashKey(name) % 17]; }
    std::array<std::vector<Entry>, 17> m_buckets;
    int m_count = 0;
};

std::vector<Entry> Entries(const DateStoreMap& store) {
    std::vector<Entry> out;
    std::string name;
    VXDateStore r;
    for (auto pos = store.GetStartPosition(); pos != nullptr;) {
        store.GetNextAssoc(pos, name, r);
        out.push_back({name, r});
    }
    return out;
}

bool SameEntries(const std::vector<Entry>& a, const std::vector<Entry>& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].name != b[i].name || !(a[i].record == b[i].record)) {
            return false;
        }
    }
    return true;
}

// A name in Windows-1252: short and arbitrary, or long (up to 100 KiB) made by repeating a
// short pattern, so that long names cost few input bytes.
std::string MakeName(FuzzedDataProvider& in) {
    if (in.ConsumeIntegralInRange(0, 31) != 0) {
        return in.ConsumeRandomLengthString(24);
    }
    const size_t length = in.ConsumeIntegralInRange<size_t>(0, 100 * 1024);
    std::string pattern = in.ConsumeRandomLengthString(8);
    if (pattern.empty()) {
        pattern = "x";
    }
    std::string name;
    name.reserve(length);
    while (name.size() < length) {
        name.append(pattern, 0, std::min(pattern.size(), length - name.size()));
    }
    return name;
}

VXDateStore MakeRecord(FuzzedDataProvider& in) {
    VXDateStore r;
    for (int32_t* f : {&r.m_nYear, &r.m_nMonth, &r.m_nDay, &r.m_nHour, &r.m_nMinute, &r.m_bSouthern,
                       &r.m_bConstZone, &r.m_nTimeZone}) {
        *f = in.ConsumeIntegral<int32_t>();
    }
    return r;
}

// The name as the programs would take it: typed as UTF-8, refused by the name rule or
// converted for the store.
bool Admit(const std::string& cp1252Name) {
    std::string stored;
    const NameCheck check = CheckName(Cp1252ToUtf8(cp1252Name), NameUse::NewEntry, &stored);
    if (!check.Accepted()) {
        return false;
    }
    if (stored != cp1252Name) {
        std::abort(); // the conversion must be exact both ways
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    DateStoreMap store;
    Model model;
    std::vector<std::string> names;                 // names used so far, to pick existing ones
    std::unordered_map<std::string, bool> admitted; // the rule's answer per name, once
    auto admit = [&](const std::string& name) {
        const auto known = admitted.find(name);
        return known != admitted.end() ? known->second : (admitted[name] = Admit(name));
    };
    auto pickName = [&]() -> std::string {
        if (!names.empty() && in.ConsumeBool()) {
            return names[in.ConsumeIntegralInRange<size_t>(0, names.size() - 1)];
        }
        std::string name = MakeName(in);
        names.push_back(name);
        return name;
    };
    for (int step = 0; step < 64 && in.remaining_bytes() > 0; ++step) {
        switch (in.ConsumeIntegralInRange(0, 5)) {
        case 0: // set: a new record, or a changed one in place
        case 1: {
            const std::string name = pickName();
            if (admit(name)) {
                const VXDateStore r = MakeRecord(in);
                store.SetAt(name, r);
                model.Set(name, r);
            }
            break;
        }
        case 2: { // replace, as "Ajouter" does: remove, then set
            const std::string name = pickName();
            if (admit(name)) {
                const VXDateStore r = MakeRecord(in);
                if (store.RemoveKey(name) != model.Remove(name)) {
                    std::abort();
                }
                store.SetAt(name, r);
                model.Set(name, r);
            }
            break;
        }
        case 3:
        case 4: { // remove
            const std::string name = pickName();
            if (store.RemoveKey(name) != model.Remove(name)) {
                std::abort();
            }
            break;
        }
        default: // remove all
            store.RemoveAll();
            model.Clear();
            break;
        }
        if (store.GetCount() != model.Count() || (store.GetCount() == 0) != !store.HasHashTable()) {
            std::abort();
        }
    }
    for (const std::string& probe : names) {
        VXDateStore found;
        const Entry* expected = model.Find(probe);
        if (store.Lookup(probe, found) != (expected != nullptr) ||
            (expected != nullptr && !(found == expected->record))) {
            std::abort();
        }
    }
    const std::vector<Entry> order = model.InOrder();
    if (!SameEntries(Entries(store), order)) {
        std::abort();
    }

    ArchiveWriter ar;
    StoreDateStoreMap(ar, store);
    DateStoreMap reloaded;
    ParseFault reason;
    if (!ParseDateStoreFile(ar.Bytes().data(), ar.Bytes().size(), reloaded, reason)) {
        std::abort(); // whatever the programs can build must load again
    }
    // Loading inserts in file order, so each bucket comes back reversed.
    Model afterLoad;
    for (const Entry& e : order) {
        afterLoad.Set(std::string(e.name), e.record);
    }
    if (!SameEntries(Entries(reloaded), afterLoad.InOrder())) {
        std::abort();
    }
    return 0;
}
