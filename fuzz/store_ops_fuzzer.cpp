// Drives the store through random operations as the programs perform them (set, replace as
// "Ajouter" does, remove, remove all; names up to 100 KiB, 8-bit ones through the name rule,
// wide ones in any script, with characters beyond U+FFFF and lone surrogates) and
// checks it against a plain model after every step; then saves, loads the bytes again and
// checks that the reloaded store holds the same records in the order that loading gives.
// Last, the saved file (as written, with its count made smaller than its entries, or with bytes
// after them) is changed by one command of vexamo-cli (add, add --replace, remove, import): no
// command may write a file holding fewer entries than the file held plus its own change, and
// a file with bytes after its last entry is never written.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include <fstream>
#include <iterator>
#include <sstream>
#include <stdlib.h>
#include <unistd.h>

#include <fuzzer/FuzzedDataProvider.h>

#include "app/name_rules.h"
#include "cli/cli.h"
#include "records/archive.h"
#include "records/cp1252.h"
#include "records/name_key.h"
#include "records/store_file.h"

namespace {

struct Entry {
    NameKey name;
    VXDateStore record;
};

// 17 buckets by HashKey, each newest first; no node reuse, no index: a list per bucket.
class Model {
  public:
    void Set(const NameKey& name, const VXDateStore& record) {
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
    bool Remove(const NameKey& name) {
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
    const Entry* Find(const NameKey& name) const {
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
    std::vector<Entry>& Bucket(const NameKey& name) { return m_buckets[HashKey(name) % 17]; }
    std::array<std::vector<Entry>, 17> m_buckets;
    int m_count = 0;
};

std::vector<Entry> Entries(const DateStoreMap& store) {
    std::vector<Entry> out;
    NameKey name;
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

// Units of wide names: from every script the programs meet, with the halves of pairs
// (joined or alone) and the characters Windows-1252 has, so that wide names also turn
// into 8-bit keys.
char16_t MakeUnit(FuzzedDataProvider& in) {
    static constexpr char16_t kBases[] = {u'a',   0x00E0, 0x0141, 0x0391, 0x0410, 0x05D0,
                                          0x0627, 0x4E00, 0x20AC, 0xD83D, 0xDE00, 0xFFFC};
    const char16_t base = kBases[in.ConsumeIntegralInRange<size_t>(0, std::size(kBases) - 1)];
    return static_cast<char16_t>(base + in.ConsumeIntegralInRange(0, 3));
}

// A wide name: short, or long (up to 50,000 units) made by repeating a short pattern.
NameKey MakeWideName(FuzzedDataProvider& in) {
    std::u16string pattern;
    for (size_t n = in.ConsumeIntegralInRange<size_t>(1, 8); n > 0; --n) {
        pattern.push_back(MakeUnit(in));
    }
    std::u16string units = pattern;
    if (in.ConsumeIntegralInRange(0, 31) == 0) {
        const size_t length = in.ConsumeIntegralInRange<size_t>(0, 50 * 1000);
        units.clear();
        while (units.size() < length) {
            units.append(pattern, 0, std::min(pattern.size(), length - units.size()));
        }
    }
    return NameKey::FromUtf16(units);
}

// A name in Windows-1252: short and arbitrary, or long (up to 100 KiB) made by repeating a
// short pattern, so that long names cost few input bytes; or a wide name.
NameKey MakeName(FuzzedDataProvider& in) {
    const int kind = in.ConsumeIntegralInRange(0, 31);
    if (kind >= 16) {
        return MakeWideName(in);
    }
    if (kind != 0) {
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

// The name as the programs would take it: an 8-bit one typed as UTF-8, refused by the name
// rule or converted for the store; a wide one shown as UTF-8 must give its key back, but for
// lone surrogates (which only files bring).
bool Admit(const NameKey& name) {
    if (name.IsWide()) {
        NameKey back;
        const std::string shown = NameKeyToUtf8(name);
        if (!Utf8ToNameKey(shown, back) ||
            (back != name && shown.find("\xEF\xBF\xBD") == std::string::npos)) {
            std::abort();
        }
        return true;
    }
    NameKey stored;
    const NameCheck check = CheckName(Cp1252ToUtf8(name.Bytes()), NameUse::NewEntry, &stored);
    if (!check.Accepted()) {
        return false;
    }
    if (stored != name) {
        std::abort(); // the conversion must be exact both ways
    }
    return true;
}

// A folder of its own for the record file one command changes, in memory where the system
// offers one (the commands sync what they write); removed with the file afterwards.
class WorkFolder {
  public:
    WorkFolder() {
        for (const char* base : {"/dev/shm", "/tmp"}) {
            m_path = std::string(base) + "/vexamo-fuzz-XXXXXX";
            if (::mkdtemp(m_path.data()) != nullptr) {
                m_file = m_path + "/p.dat";
                return;
            }
        }
        std::abort();
    }
    ~WorkFolder() {
        ::unlink(m_file.c_str());
        ::rmdir(m_path.c_str());
    }
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;
    const std::string& File() const { return m_file; }

  private:
    std::string m_path;
    std::string m_file;
};

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// How the saved file is shaped and changed, taken before the store operations use up the input.
struct FilePlan {
    int shape = 0; // 0 as written, 1 a smaller count, 2 bytes after the last entry
    uint8_t countPick = 0;
    std::string tail;
    int command = 0; // 0 add --replace, 1 remove, 2 import --replace
    bool existing = false;
    uint8_t namePick = 0;
};

FilePlan TakeFilePlan(FuzzedDataProvider& in) {
    FilePlan plan;
    plan.shape = in.ConsumeIntegralInRange(0, 2);
    plan.countPick = in.ConsumeIntegral<uint8_t>();
    plan.command = in.ConsumeIntegralInRange(0, 2);
    plan.existing = in.ConsumeBool();
    plan.namePick = in.ConsumeIntegral<uint8_t>();
    if (plan.shape == 2) {
        plan.tail = in.ConsumeRandomLengthString(16);
        if (plan.tail.empty()) {
            plan.tail = ",";
        }
    }
    return plan;
}

// One command on a file holding the entries of order (names unique) in the bytes saved, and
// perhaps more than its count says.
void ChangeFile(const FilePlan& plan, std::string bytes, const std::vector<Entry>& order) {
    const auto held = static_cast<int64_t>(order.size());
    bool clean = true;
    switch (plan.shape) {
    case 1: // a count smaller than the entries (the count is one word below 0xFFFF entries)
        if (held > 0) {
            const int64_t count = plan.countPick % held;
            bytes[0] = static_cast<char>(count & 0xFF);
            bytes[1] = static_cast<char>(count >> 8);
            clean = false;
        }
        break;
    case 2: // bytes after the last entry
        bytes += plan.tail;
        clean = false;
        break;
    default:
        break;
    }
    // The command, and the name it gives: a fresh one, or one of the file's in the UTF-8 a user
    // types.
    const int command = plan.command;
    const std::string kFresh = "Fuzz neu";
    std::string name = kFresh;
    if (command != 2 && held > 0 && plan.existing) {
        name = NameKeyToUtf8(order[plan.namePick % order.size()].name);
    }
    NameKey key;
    const bool exists =
        Utf8ToNameKey(name, key) &&
        std::any_of(order.begin(), order.end(), [&](const Entry& e) { return e.name == key; });
    const WorkFolder folder;
    const std::string& file = folder.File();
    std::vector<std::string> args;
    std::string csv;
    int64_t change = exists ? 0 : 1; // add and import replace a record of the same name
    switch (command) {
    case 0:
        args = {"add", file, "--replace", "--", name, "1", "2", "2000", "3", "4"};
        break;
    case 1:
        args = {"remove", file, "--", name};
        change = -1;
        break;
    default:
        args = {"import", file, "-", "--replace"};
        csv = "name,day,month,year,hour,minute\n" + kFresh + ",1,2,2000,3,4\n";
        break;
    }
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    std::istringstream input(csv);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli(args, out, err, CliContext{false, false, &input});
    const std::string after = ReadFile(file);
    if (after == bytes) {
        // Left alone: allowed, but for a fresh name added to a file as the program writes it.
        if (clean && name == kFresh && !exists && command != 1) {
            std::abort();
        }
        return;
    }
    if (!clean || status != 0) {
        std::abort(); // a file with more than its entries written over, or a failure that wrote
    }
    if (command == 1 && !exists) {
        std::abort(); // removing a name the file does not hold changes nothing
    }
    DateStoreMap written;
    ParseFault fault;
    ParseNotice notice;
    if (!ParseDateStoreFile(after.data(), after.size(), written, fault, &notice) ||
        notice.kind != ParseNotice::None) {
        std::abort();
    }
    if (args[0] == "remove" && !exists) {
        std::abort(); // removing a name the file does not hold changes nothing
    }
    if (written.GetCount() != held + change) { // fewer: entries lost; more: a name taken twice
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const FilePlan plan = TakeFilePlan(in);
    DateStoreMap store;
    Model model;
    std::vector<NameKey> names;       // names used so far, to pick existing ones
    std::map<NameKey, bool> admitted; // the rule's answer per name, once
    auto admit = [&](const NameKey& name) {
        const auto known = admitted.find(name);
        return known != admitted.end() ? known->second : (admitted[name] = Admit(name));
    };
    auto pickName = [&]() -> NameKey {
        if (!names.empty() && in.ConsumeBool()) {
            return names[in.ConsumeIntegralInRange<size_t>(0, names.size() - 1)];
        }
        NameKey name = MakeName(in);
        names.push_back(name);
        return name;
    };
    for (int step = 0; step < 64 && in.remaining_bytes() > 0; ++step) {
        switch (in.ConsumeIntegralInRange(0, 5)) {
        case 0: // set: a new record, or a changed one in place
        case 1: {
            const NameKey name = pickName();
            if (admit(name)) {
                const VXDateStore r = MakeRecord(in);
                store.SetAt(name, r);
                model.Set(name, r);
            }
            break;
        }
        case 2: { // replace, as "Ajouter" does: remove, then set
            const NameKey name = pickName();
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
            const NameKey name = pickName();
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
    for (const NameKey& probe : names) {
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
        afterLoad.Set(e.name, e.record);
    }
    if (!SameEntries(Entries(reloaded), afterLoad.InOrder())) {
        std::abort();
    }
    ChangeFile(plan, ar.Bytes(), order);
    return 0;
}
