#include "places/zone_file_check.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

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

class Descriptor {
  public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

  private:
    int m_fd;
};

class Folder {
  public:
    explicit Folder(const std::string& path) : m_dir(::opendir(path.c_str())) {}
    ~Folder() {
        if (m_dir) {
            ::closedir(m_dir);
        }
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    DIR* get() const { return m_dir; }

  private:
    DIR* m_dir;
};

struct Walk {
    size_t entries = 0;
    std::vector<std::pair<dev_t, ino_t>> chain; // the folders from the top to the current one
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
    const Folder folder(path);
    struct stat st {};
    if (!folder.get() || ::fstat(::dirfd(folder.get()), &st) != 0) {
        return true; // skipped by the library as well
    }
    const std::pair<dev_t, ino_t> id{st.st_dev, st.st_ino};
    for (const auto& above : walk.chain) {
        if (above == id) {
            return false;
        }
    }
    if (walk.chain.size() >= kMaxFolderDepth) {
        return false;
    }
    walk.chain.push_back(id);
    while (const dirent* entry = ::readdir(folder.get())) {
        if (entry->d_name[0] == '.') {
            continue;
        }
        if (++walk.entries > kMaxFolderEntries) {
            return false;
        }
        const std::string sub = path + '/' + entry->d_name;
        const bool listed = (top || !zone.empty()) && !IsNoZone(entry->d_name);
        const std::string name = listed ? (top ? "" : zone + '/') + entry->d_name : "";
        struct stat sub_st {};
        if (::stat(sub.c_str(), &sub_st) != 0) {
            continue;
        }
        if (!S_ISDIR(sub_st.st_mode)) {
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
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return errno == ENOENT || errno == ENOTDIR ? ZoneFileState::Missing
                                                   : ZoneFileState::Damaged;
    }
    if (!S_ISREG(st.st_mode)) {
        return ZoneFileState::Damaged;
    }
    // Without blocking, in case a FIFO took the file's place meanwhile.
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) ||
        static_cast<std::uint64_t>(st.st_size) > kMaxFileSize) {
        return ZoneFileState::Damaged;
    }
    std::string bytes(static_cast<size_t>(st.st_size) + 1, '\0');
    size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(fd.get(), bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) {
            continue;
        }
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
