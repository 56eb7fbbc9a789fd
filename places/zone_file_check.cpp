#include "places/zone_file_check.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <utility>
#include <vector>

#include "records/native_file.h"

namespace places {

namespace {

constexpr size_t kHeaderSize = 44;
// Real zone files hold a few kilobytes; a larger file is not one, and the bound keeps every
// size the library computes from the counts within its 32-bit arithmetic.
constexpr size_t kMaxFileSize = size_t{1} << 20;
// The offsets a zone file may hold: from -24:59:59 to 25:59:59.
constexpr std::int64_t kMinUtOffset = -89999;
constexpr std::int64_t kMaxUtOffset = 93599;
// A real zone folder, with its right/ and posix/ copies, holds a few thousand entries.
constexpr size_t kMaxFolderEntries = 100000;
constexpr size_t kMaxFolderDepth = 32;

struct Counts {
    std::uint64_t isUt = 0;
    std::uint64_t isStd = 0;
    std::uint64_t leaps = 0;
    std::uint64_t times = 0;
    std::uint64_t types = 0;
    std::uint64_t chars = 0;
};

std::uint64_t Unsigned(std::string_view bytes, size_t at, size_t size) {
    std::uint64_t v = 0;
    for (size_t i = 0; i < size; ++i) {
        v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return v;
}

// A big-endian two's-complement number of 4 or 8 bytes.
std::int64_t Signed(std::string_view bytes, size_t at, size_t size) {
    const std::uint64_t v = Unsigned(bytes, at, size);
    if (size == 4) {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
    }
    return static_cast<std::int64_t>(v);
}

// The header at `at`: magic, version and the six counts.
bool ReadHeader(std::string_view bytes, size_t at, char& version, Counts& c) {
    if (bytes.size() < at || bytes.size() - at < kHeaderSize || bytes.substr(at, 4) != "TZif") {
        return false;
    }
    version = bytes[at + 4];
    if (version != 0 && (version < '2' || version > '9')) {
        return false;
    }
    size_t p = at + 20;
    for (std::uint64_t* count : {&c.isUt, &c.isStd, &c.leaps, &c.times, &c.types, &c.chars}) {
        *count = Unsigned(bytes, p, 4);
        p += 4;
    }
    return true;
}

std::uint64_t BlockSize(const Counts& c, size_t timeSize) {
    return c.times * timeSize + c.times + c.types * 6 + c.chars + c.leaps * (timeSize + 4) +
           c.isStd + c.isUt;
}

// The data block at `at`, whose size the caller has checked. `used`: the block the library
// reads (the other is skipped by its size alone and may be empty).
bool CheckBlock(std::string_view bytes, size_t at, const Counts& c, size_t timeSize, bool used,
                const ZoneFileRules& rules) {
    if ((c.isUt != 0 && c.isUt != c.types) || (c.isStd != 0 && c.isStd != c.types)) {
        return false;
    }
    if (used && (c.types == 0 || c.chars == 0 || (c.leaps != 0 && !rules.leapSeconds))) {
        return false;
    }
    size_t p = at;
    for (std::uint64_t i = 0; i < c.times; ++i, p += timeSize) {
        if (i > 0 && Signed(bytes, p, timeSize) <= Signed(bytes, p - timeSize, timeSize)) {
            return false;
        }
    }
    for (std::uint64_t i = 0; i < c.times; ++i, ++p) {
        if (static_cast<unsigned char>(bytes[p]) >= c.types) {
            return false;
        }
    }
    for (std::uint64_t i = 0; i < c.types; ++i, p += 6) {
        const std::int64_t offset = Signed(bytes, p, 4);
        const auto dst = static_cast<unsigned char>(bytes[p + 4]);
        const auto abbreviation = static_cast<unsigned char>(bytes[p + 5]);
        if (offset < kMinUtOffset || offset > kMaxUtOffset || dst > 1 || abbreviation >= c.chars) {
            return false;
        }
    }
    p += c.chars;
    for (std::uint64_t i = 0; i < c.leaps; ++i, p += timeSize + 4) {
        const std::int64_t when = Signed(bytes, p, timeSize);
        if (when < 0 || (i > 0 && when <= Signed(bytes, p - timeSize - 4, timeSize))) {
            return false;
        }
    }
    return true;
}

bool CheckData(std::string_view bytes, const ZoneFileRules& rules) {
    char version = 0;
    Counts first;
    if (bytes.size() > kMaxFileSize || !ReadHeader(bytes, 0, version, first)) {
        return false;
    }
    // Every count is below 2^32 and a block entry takes at most 12 bytes: no overflow here.
    const std::uint64_t firstSize = BlockSize(first, 4);
    if (firstSize > bytes.size() - kHeaderSize ||
        !CheckBlock(bytes, kHeaderSize, first, 4, version == 0, rules)) {
        return false;
    }
    if (version == 0) {
        return true;
    }
    // Version 2 and later repeat the header and the data with 64-bit times.
    const size_t second = kHeaderSize + static_cast<size_t>(firstSize);
    char secondVersion = 0;
    Counts c;
    if (!ReadHeader(bytes, second, secondVersion, c) || secondVersion != version) {
        return false;
    }
    const size_t secondData = second + kHeaderSize;
    return BlockSize(c, 8) <= bytes.size() - secondData &&
           CheckBlock(bytes, secondData, c, 8, true, rules);
}

struct Walk {
    size_t entries = 0;
    std::vector<std::pair<std::uint64_t, std::uint64_t>> chain; // the folders from the top down
    std::vector<std::string> zones;
};

// Names of a zone folder that are no zones, at any depth.
bool IsNoZone(std::string_view name) {
    static constexpr std::string_view kNames[] = {
        "posix",        "posixrules", "right",       "Factory",           "iso3166.tab", "zone.tab",
        "zone1970.tab", "tzdata.zi",  "leapseconds", "leap-seconds.list", "+VERSION",    "version"};
    return std::find(std::begin(kNames), std::end(kNames), name) != std::end(kNames);
}

// Walks every entry but hidden ones, following links; `zone` is the name the folder's files
// have as zones (empty: not one of the zones' folders).
bool Visit(const std::string& path, const std::string& zone, bool top, Walk& walk) {
    const FileIdentity id = IdentityOfPath(path);
    std::vector<std::string> names;
    if (!id.exists || !ForEachEntry(path, [&names](const std::string& name) {
            if (!name.starts_with('.')) {
                names.push_back(name);
            }
        })) {
        return true; // skipped by the library as well
    }
    const std::pair<std::uint64_t, std::uint64_t> folder{id.device, id.inode};
    if (std::find(walk.chain.begin(), walk.chain.end(), folder) != walk.chain.end() ||
        walk.chain.size() >= kMaxFolderDepth) {
        return false;
    }
    walk.chain.push_back(folder);
    for (const std::string& entry : names) {
        if (++walk.entries > kMaxFolderEntries) {
            return false;
        }
        const std::string sub = path + '/' + entry;
        const bool listed = (top || !zone.empty()) && !IsNoZone(entry);
        const std::string name = listed ? (top ? "" : zone + '/') + entry : "";
        const FileKind kind = StatusOf(sub).kind;
        if (kind == FileKind::kNone) {
            continue;
        }
        if (kind != FileKind::kFolder) {
            if (listed) {
                walk.zones.push_back(name);
            }
        } else if (!Visit(sub, name, false, walk)) {
            return false;
        }
    }
    walk.chain.pop_back();
    return true;
}

} // namespace

ZoneFileState CheckZoneBytes(std::string_view bytes, const ZoneFileRules& rules) {
    return CheckData(bytes, rules) ? ZoneFileState::Sound : ZoneFileState::Damaged;
}

ZoneFileState CheckZoneFile(const std::string& path, const ZoneFileRules& rules,
                            std::string* read) {
    // Look before opening: opening a device may do something.
    int err = 0;
    const FileStatus status = StatusOf(path, &err);
    if (status.kind == FileKind::kNone) {
        return err == ENOENT || err == ENOTDIR ? ZoneFileState::Missing : ZoneFileState::Damaged;
    }
    if (status.kind != FileKind::kRegular) {
        return ZoneFileState::Damaged;
    }
    // Without blocking, in case a named pipe took the file's place meanwhile.
    const NativeFile file = OpenForReading(path, err);
    const FileIdentity id = file.IsOpen() ? IdentityOfOpenFile(file) : FileIdentity{};
    if (!id.exists || KindOf(file) != FileKind::kRegular ||
        static_cast<std::uint64_t>(id.size) > kMaxFileSize) {
        return ZoneFileState::Damaged;
    }
    std::string bytes(static_cast<size_t>(id.size) + 1, '\0');
    size_t got = 0;
    while (got < bytes.size()) {
        const std::int64_t n = ReadSome(file, bytes.data() + got, bytes.size() - got, err);
        if (n < 0) {
            return ZoneFileState::Damaged;
        }
        if (n == 0) {
            break;
        }
        got += static_cast<size_t>(n);
    }
    bytes.resize(got);
    const ZoneFileState state = CheckZoneBytes(bytes, rules);
    if (read != nullptr && state == ZoneFileState::Sound) {
        *read = std::move(bytes);
    }
    return state;
}

std::optional<std::vector<std::string>> ListZoneFolder(const std::string& folder) {
    Walk walk;
    if (!Visit(folder, "", true, walk)) {
        return std::nullopt;
    }
    std::sort(walk.zones.begin(), walk.zones.end());
    return std::move(walk.zones);
}

bool ZoneFolderWalkable(const std::string& folder) {
    return ListZoneFolder(folder).has_value();
}

} // namespace places
