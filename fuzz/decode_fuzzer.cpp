// Compares the ".dat" loader with a second decoder written apart from it, straight from the
// description of the file: the decision to accept or refuse, the entries, a later duplicate
// name replacing the earlier record, and the order in which the store then yields them.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "records/archive.h"
#include "records/store_file.h"

namespace {

// A name as the store keys it: Windows-1252 bytes, or (wide) UTF-16 units low byte first.
struct Name {
    bool wide = false;
    std::string bytes;
    bool operator==(const Name&) const = default;
};

struct Entry {
    Name name;
    std::array<int32_t, 8> fields{};
    bool operator==(const Entry&) const = default;
};

class Bytes {
  public:
    Bytes(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    // Little-endian unsigned value of n bytes (1, 2, 4 or 8).
    std::optional<uint64_t> Unsigned(size_t n) {
        if (m_size - m_at < n) {
            return std::nullopt;
        }
        uint64_t v = 0;
        for (size_t k = 0; k < n; ++k) {
            v |= static_cast<uint64_t>(m_data[m_at + k]) << (8 * k);
        }
        m_at += n;
        return v;
    }
    const uint8_t* Take(uint64_t n) {
        if (m_size - m_at < n) {
            return nullptr;
        }
        const uint8_t* p = m_data + m_at;
        m_at += static_cast<size_t>(n);
        return p;
    }

  private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_at = 0;
};

// Entry count: a 16-bit word; 0xFFFF announces a 32-bit count; 0xFFFFFFFF there a 64-bit one.
std::optional<uint64_t> Count(Bytes& in) {
    auto w = in.Unsigned(2);
    if (!w || *w != 0xFFFF) {
        return w;
    }
    auto d = in.Unsigned(4);
    if (!d || *d != 0xFFFFFFFF) {
        return d;
    }
    return in.Unsigned(8);
}

// A length after its first byte: below 0xFF the byte itself; else a word, below 0xFFFF the
// word; else a double word, below 0xFFFFFFFF that; else a 64-bit length.
std::optional<uint64_t> LengthFrom(Bytes& in, uint64_t first) {
    if (first < 0xFF) {
        return first;
    }
    auto w = in.Unsigned(2);
    if (!w || *w < 0xFFFF) {
        return w;
    }
    auto d = in.Unsigned(4);
    if (!d || *d < 0xFFFFFFFF) {
        return d;
    }
    return in.Unsigned(8);
}

// The Windows-1252 byte of a 16-bit unit, or -1.
int ByteOf(uint32_t unit) {
    static const uint16_t kHigh[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
        return static_cast<int>(unit);
    }
    for (int k = 0; k < 32; ++k) {
        if (kHigh[k] == unit) {
            return 0x80 + k;
        }
    }
    return -1;
}

// A name: 8-bit characters after their length, or, after the byte 0xFF and the word 0xFFFE,
// a length counting 16-bit units and the units. Units that all have a Windows-1252 byte give
// those bytes; any others are kept as they are.
std::optional<Name> ReadName(Bytes& in) {
    auto first = in.Unsigned(1);
    if (!first) {
        return std::nullopt;
    }
    bool wide = false;
    std::optional<uint64_t> length;
    if (*first == 0xFF) {
        auto w = in.Unsigned(2);
        if (!w) {
            return std::nullopt;
        }
        if (*w == 0xFFFE) {
            wide = true;
            auto again = in.Unsigned(1);
            if (!again) {
                return std::nullopt;
            }
            length = LengthFrom(in, *again);
        } else if (*w < 0xFFFF) {
            length = w;
        } else {
            auto d = in.Unsigned(4);
            if (d && *d == 0xFFFFFFFF) {
                length = in.Unsigned(8);
            } else {
                length = d;
            }
        }
    } else {
        length = first;
    }
    if (!length) {
        return std::nullopt;
    }
    Name name;
    if (!wide) {
        const uint8_t* p = in.Take(*length);
        if (p == nullptr) {
            return std::nullopt;
        }
        name.bytes.assign(reinterpret_cast<const char*>(p), static_cast<size_t>(*length));
        return name;
    }
    if (*length > (uint64_t{1} << 62)) {
        return std::nullopt;
    }
    const uint8_t* p = in.Take(*length * 2);
    if (p == nullptr) {
        return std::nullopt;
    }
    for (uint64_t i = 0; i < *length; ++i) {
        const uint32_t unit = p[2 * i] | (p[2 * i + 1] << 8);
        const int byte = ByteOf(unit);
        if (byte < 0) {
            name.wide = true;
            name.bytes.assign(reinterpret_cast<const char*>(p), static_cast<size_t>(*length * 2));
            return name;
        }
        name.bytes.push_back(static_cast<char>(byte));
    }
    return name;
}

// The store's order: 17 buckets by the name's hash (h * 33 + signed byte, or h * 33 + unit
// for a wide name), each newest first; setting a name already present changes its record in
// place.
class OrderModel {
  public:
    void Set(const Entry& e) {
        auto& bucket = m_buckets[Hash(e.name) % 17];
        for (auto& held : bucket) {
            if (held.name == e.name) {
                held.fields = e.fields;
                return;
            }
        }
        bucket.insert(bucket.begin(), e);
    }
    std::vector<Entry> InOrder() const {
        std::vector<Entry> out;
        for (const auto& bucket : m_buckets) {
            out.insert(out.end(), bucket.begin(), bucket.end());
        }
        return out;
    }

  private:
    static uint32_t Hash(const Name& name) {
        const std::string& s = name.bytes;
        uint32_t h = 0;
        if (name.wide) {
            for (size_t i = 0; i + 1 < s.size(); i += 2) {
                h = h * 33 + (static_cast<uint8_t>(s[i]) |
                              (static_cast<uint32_t>(static_cast<uint8_t>(s[i + 1])) << 8));
            }
            return h;
        }
        for (const char c : s) {
            h = h * 33 + static_cast<uint32_t>(static_cast<int>(static_cast<signed char>(c)));
        }
        return h;
    }
    std::array<std::vector<Entry>, 17> m_buckets;
};

std::optional<std::vector<Entry>> Decode(const uint8_t* data, size_t size) {
    Bytes in(data, size);
    const auto count = Count(in);
    if (!count) {
        return std::nullopt;
    }
    OrderModel model;
    for (uint64_t i = 0; i < *count; ++i) {
        auto name = ReadName(in);
        if (!name || in.Take(4) == nullptr) {
            return std::nullopt;
        }
        Entry e;
        e.name = std::move(*name);
        for (auto& f : e.fields) {
            const auto v = in.Unsigned(4);
            if (!v) {
                return std::nullopt;
            }
            f = static_cast<int32_t>(static_cast<uint32_t>(*v));
        }
        model.Set(e);
    }
    return model.InOrder();
}

std::vector<Entry> Entries(const DateStoreMap& store) {
    std::vector<Entry> out;
    NameKey name;
    VXDateStore r;
    for (auto pos = store.GetStartPosition(); pos != nullptr;) {
        store.GetNextAssoc(pos, name, r);
        out.push_back({{name.IsWide(), name.Bytes()},
                       {r.m_nYear, r.m_nMonth, r.m_nDay, r.m_nHour, r.m_nMinute, r.m_bSouthern,
                        r.m_bConstZone, r.m_nTimeZone}});
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto expected = Decode(data, size);
    DateStoreMap store;
    ParseFault reason;
    const bool loaded = ParseDateStoreFile(data, size, store, reason);
    if (loaded != expected.has_value()) {
        std::abort(); // the two disagree about accepting the file
    }
    if (!loaded) {
        return 0;
    }
    const std::vector<Entry> got = Entries(store);
    if (got != *expected || store.GetCount() != static_cast<int>(got.size())) {
        std::abort(); // different entries, records or order
    }
    // What the loader's store saves decodes, loaded the same way, to the same entries.
    ArchiveWriter ar;
    StoreDateStoreMap(ar, store);
    const auto& saved = ar.Bytes();
    const auto again = Decode(reinterpret_cast<const uint8_t*>(saved.data()), saved.size());
    if (!again || again->size() != got.size()) {
        std::abort();
    }
    // Every name is saved in the form its characters call for: a wide name only when a unit
    // has no Windows-1252 byte, so the saved file decodes to the same names.
    std::vector<Entry> sortedGot = got;
    std::vector<Entry> sortedAgain = *again;
    const auto byName = [](const Entry& a, const Entry& b) {
        return std::tie(a.name.wide, a.name.bytes) < std::tie(b.name.wide, b.name.bytes);
    };
    std::sort(sortedGot.begin(), sortedGot.end(), byName);
    std::sort(sortedAgain.begin(), sortedAgain.end(), byName);
    if (sortedGot != sortedAgain) {
        std::abort();
    }
    return 0;
}
