#include "places/place_table.h"

#include <algorithm>
#include <bit>
#include <unordered_map>

namespace places {

namespace {

constexpr std::string_view kMagic = "VXPLACE\x01";

void PutNumber(std::string& out, std::uint64_t n) {
    while (n >= 0x80) {
        out.push_back(static_cast<char>((n & 0x7F) | 0x80));
        n >>= 7;
    }
    out.push_back(static_cast<char>(n));
}

void PutDouble(std::string& out, double d) {
    const auto bits = std::bit_cast<std::uint64_t>(d);
    for (int i = 0; i < 8; ++i) {
        out.push_back(static_cast<char>((bits >> (8 * i)) & 0xFF));
    }
}

class Input {
  public:
    explicit Input(std::string_view bytes) : m_bytes(bytes) {}

    bool Number(std::uint64_t& n) {
        n = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            if (m_at == m_bytes.size()) {
                return false;
            }
            const auto b = static_cast<unsigned char>(m_bytes[m_at++]);
            n |= std::uint64_t{b & 0x7Fu} << shift;
            if ((b & 0x80) == 0) {
                return true;
            }
        }
        return false;
    }
    bool Below(std::uint64_t limit, std::size_t& n) {
        std::uint64_t v = 0;
        if (!Number(v) || v >= limit) {
            return false;
        }
        n = static_cast<std::size_t>(v);
        return true;
    }
    bool Double(double& d) {
        if (m_bytes.size() - m_at < 8) {
            return false;
        }
        std::uint64_t bits = 0;
        for (int i = 0; i < 8; ++i) {
            bits |= std::uint64_t{static_cast<unsigned char>(m_bytes[m_at++])} << (8 * i);
        }
        d = std::bit_cast<double>(bits);
        return true;
    }
    bool Bytes(std::size_t count, std::string_view& out) {
        if (m_bytes.size() - m_at < count) {
            return false;
        }
        out = m_bytes.substr(m_at, count);
        m_at += count;
        return true;
    }
    bool AtEnd() const { return m_at == m_bytes.size(); }

  private:
    std::string_view m_bytes;
    std::size_t m_at = 0;
};

// The texts of the pool, each once.
class Pool {
  public:
    std::uint64_t Add(std::string_view text) {
        const auto [at, added] = m_at.emplace(std::string(text), m_bytes.size());
        if (added) {
            m_bytes.append(text);
            m_bytes.push_back('\0');
        }
        return at->second;
    }
    const std::string& Bytes() const { return m_bytes; }

  private:
    std::string m_bytes;
    std::unordered_map<std::string, std::uint64_t> m_at;
};

} // namespace

std::string PlaceTable::Encode(const std::vector<PlaceRecord>& places,
                               const std::vector<PlaceLanguage>& languages) {
    std::vector<std::string_view> keys;
    for (const PlaceRecord& p : places) {
        keys.insert(keys.end(), {p.number, p.regionKey, p.countryCode});
    }
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    const auto keyIndex = [&keys](std::string_view key) {
        return static_cast<std::uint64_t>(std::lower_bound(keys.begin(), keys.end(), key) -
                                          keys.begin());
    };
    Pool pool;
    std::string body;
    PutNumber(body, keys.size());
    for (const std::string_view key : keys) {
        PutNumber(body, pool.Add(key));
    }
    PutNumber(body, places.size());
    for (const PlaceRecord& p : places) {
        PutNumber(body, keyIndex(p.number));
        PutNumber(body, pool.Add(p.name));
        PutNumber(body, keyIndex(p.regionKey));
        PutNumber(body, pool.Add(p.region));
        PutNumber(body, keyIndex(p.countryCode));
        PutNumber(body, pool.Add(p.country));
        PutNumber(body, pool.Add(p.zone));
        PutNumber(body, p.population);
        PutDouble(body, p.latitude);
        PutDouble(body, p.longitude);
    }
    PutNumber(body, languages.size());
    for (const PlaceLanguage& language : languages) {
        // Only the translations of keys a place uses.
        std::vector<const PlaceTranslation*> used;
        for (const PlaceTranslation& t : language.translations) {
            if (std::binary_search(keys.begin(), keys.end(), t.key)) {
                used.push_back(&t);
            }
        }
        PutNumber(body, pool.Add(language.name));
        PutNumber(body, used.size());
        std::uint64_t previous = 0;
        for (const PlaceTranslation* t : used) {
            const std::uint64_t key = keyIndex(t->key);
            PutNumber(body, key - previous);
            PutNumber(body, pool.Add(t->text));
            previous = key;
        }
    }
    std::string file(kMagic);
    PutNumber(file, pool.Bytes().size());
    return file + pool.Bytes() + body;
}

std::optional<PlaceTable> PlaceTable::Decode(std::string bytes) {
    PlaceTable table;
    table.m_bytes = std::make_shared<const std::string>(std::move(bytes));
    const std::string_view all = *table.m_bytes;
    if (!all.starts_with(kMagic)) {
        return std::nullopt;
    }
    Input in(all.substr(kMagic.size()));
    std::size_t poolSize = 0;
    std::string_view pool;
    if (!in.Below(all.size() + 1, poolSize) || !in.Bytes(poolSize, pool) ||
        (!pool.empty() && pool.back() != '\0')) {
        return std::nullopt;
    }
    const auto text = [&in, pool](std::string_view& out) {
        std::size_t at = 0;
        if (!in.Below(pool.size(), at)) {
            return false;
        }
        out = pool.substr(at, pool.find('\0', at) - at);
        return true;
    };
    // No count can exceed the bytes left: each item takes one at least.
    const std::uint64_t most = all.size();
    std::size_t keyCount = 0;
    if (!in.Below(most, keyCount)) {
        return std::nullopt;
    }
    std::vector<std::string_view> keys(keyCount);
    for (std::string_view& key : keys) {
        if (!text(key)) {
            return std::nullopt;
        }
    }
    const auto keyText = [&in, &keys](std::string_view& out) {
        std::size_t k = 0;
        if (!in.Below(keys.size(), k)) {
            return false;
        }
        out = keys[k];
        return true;
    };
    std::size_t placeCount = 0;
    if (!in.Below(most, placeCount)) {
        return std::nullopt;
    }
    table.m_places.resize(placeCount);
    for (PlaceRecord& p : table.m_places) {
        std::uint64_t population = 0;
        if (!keyText(p.number) || !text(p.name) || !keyText(p.regionKey) || !text(p.region) ||
            !keyText(p.countryCode) || !text(p.country) || !text(p.zone) ||
            !in.Number(population) || population > UINT32_MAX || !in.Double(p.latitude) ||
            !in.Double(p.longitude)) {
            return std::nullopt;
        }
        p.population = static_cast<std::uint32_t>(population);
    }
    std::size_t languageCount = 0;
    if (!in.Below(most, languageCount)) {
        return std::nullopt;
    }
    table.m_languages.resize(languageCount);
    for (PlaceLanguage& language : table.m_languages) {
        std::size_t count = 0;
        if (!text(language.name) || !in.Below(most, count)) {
            return std::nullopt;
        }
        language.translations.resize(count);
        std::uint64_t key = 0;
        for (std::size_t i = 0; i < count; ++i) {
            std::uint64_t step = 0;
            if (!in.Number(step) || (i > 0 && step == 0) || step >= keys.size() - key ||
                !text(language.translations[i].text)) {
                return std::nullopt;
            }
            key += step;
            language.translations[i].key = keys[static_cast<std::size_t>(key)];
        }
    }
    if (!in.AtEnd()) {
        return std::nullopt;
    }
    return table;
}

const PlaceLanguage* PlaceTable::Language(std::string_view name) const {
    const auto found =
        std::lower_bound(m_languages.begin(), m_languages.end(), name,
                         [](const PlaceLanguage& l, std::string_view n) { return l.name < n; });
    return found != m_languages.end() && found->name == name ? &*found : nullptr;
}

std::optional<std::string_view> Translate(const PlaceLanguage& language, std::string_view key) {
    const auto& all = language.translations;
    const auto found =
        std::lower_bound(all.begin(), all.end(), key,
                         [](const PlaceTranslation& t, std::string_view k) { return t.key < k; });
    if (found == all.end() || found->key != key) {
        return std::nullopt;
    }
    return found->text;
}

} // namespace places
