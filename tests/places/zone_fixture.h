#pragma once
// Zone data written by hand, and a fresh zone folder per test, for the checks of damaged data.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>
#ifdef _WIN32
#include <windows.h>

#include "places/program_folder.h"
#endif

#include <gtest/gtest.h>

namespace zone_fixture {

// The contents of one data block.
struct ZoneSpec {
    struct Type {
        std::int32_t offset;
        std::uint8_t dst;
        std::uint8_t abbreviation;
    };
    std::vector<std::int64_t> times{-1000000000, 0, 1000000000};
    std::vector<std::uint8_t> indices{1, 0, 1};
    std::vector<Type> types{{3600, 0, 0}, {7200, 1, 4}};
    std::string chars{"CET\0CEST\0", 9};
    std::vector<std::pair<std::int64_t, std::int32_t>> leaps;
    bool flags = true; // one standard/wall and one UT/local indicator per type
};

inline void Put(std::string& out, std::uint64_t v, size_t size) {
    for (size_t i = size; i-- > 0;) {
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
    }
}

inline std::string Header(char version, const ZoneSpec& z) {
    std::string h = "TZif";
    h.push_back(version);
    h.append(15, '\0');
    const size_t flags = z.flags ? z.types.size() : 0;
    for (const size_t count :
         {flags, flags, z.leaps.size(), z.times.size(), z.types.size(), z.chars.size()}) {
        Put(h, count, 4);
    }
    return h;
}

inline std::string Block(const ZoneSpec& z, size_t timeSize) {
    std::string b;
    for (const std::int64_t t : z.times) {
        Put(b, static_cast<std::uint64_t>(t), timeSize);
    }
    for (const std::uint8_t i : z.indices) {
        b.push_back(static_cast<char>(i));
    }
    for (const ZoneSpec::Type& t : z.types) {
        Put(b, static_cast<std::uint32_t>(t.offset), 4);
        b.push_back(static_cast<char>(t.dst));
        b.push_back(static_cast<char>(t.abbreviation));
    }
    b += z.chars;
    for (const auto& [when, correction] : z.leaps) {
        Put(b, static_cast<std::uint64_t>(when), timeSize);
        Put(b, static_cast<std::uint32_t>(correction), 4);
    }
    if (z.flags) {
        b.append(2 * z.types.size(), '\0');
    }
    return b;
}

// A whole file: version 0 holds one block; later versions repeat it with 64-bit times and end
// with a rule for later times.
inline std::string ZoneFile(const ZoneSpec& z = {}, char version = '2') {
    std::string f = Header(version, z) + Block(z, 4);
    if (version != 0) {
        f += Header(version, z) + Block(z, 8) + "\nCET-1CEST,M3.5.0,M10.5.0/3\n";
    }
    return f;
}

constexpr size_t kHeaderSize = 44;

// Where the second header of a file from ZoneFile starts.
inline size_t SecondHeader(const ZoneSpec& z = {}) {
    return kHeaderSize + Block(z, 4).size();
}

// Overwrites count k (0 UT flags, 1 standard flags, 2 leaps, 3 times, 4 types, 5 characters)
// of the header at `at`.
inline std::string WithCount(std::string f, size_t at, size_t k, std::uint32_t value) {
    std::string v;
    Put(v, value, 4);
    f.replace(at + 20 + 4 * k, 4, v);
    return f;
}

inline std::string RandomBytes(size_t size, unsigned seed) {
    std::mt19937 gen(seed);
    std::string s(size, '\0');
    for (char& c : s) {
        c = static_cast<char>(gen() & 0xff);
    }
    return s;
}

// The zone files the program reads when told no other folder: the system's, or on Windows the
// ones it ships.
inline std::filesystem::path SystemZoneFolder() {
#ifdef _WIN32
    return places::ShippedDataFolder() / "zoneinfo";
#else
    return "/usr/share/zoneinfo";
#endif
}

// Makes `link` a symbolic link to `target`; false where the system makes none for this user (on
// Windows they need a privilege or the developer mode, and the C++ library makes none at all).
inline bool MakeLink(const std::filesystem::path& target, const std::filesystem::path& link,
                     bool folder) {
#ifdef _WIN32
    const DWORD flags =
        (folder ? SYMBOLIC_LINK_FLAG_DIRECTORY : 0) | SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE;
    return ::CreateSymbolicLinkW(link.c_str(), target.c_str(), flags) != 0;
#else
    std::error_code error;
    if (folder) {
        std::filesystem::create_directory_symlink(target, link, error);
    } else {
        std::filesystem::create_symlink(target, link, error);
    }
    return !error;
#endif
}

// Whether this user can make symbolic links here that lead where they point, tried once (Wine 8
// makes links to folders and files, but does not follow them).
inline bool LinksMade() {
    static const bool made = [] {
        const std::filesystem::path probe = std::filesystem::temp_directory_path() /
                                            ("vexamo-link-probe-" + std::to_string(::getpid()));
        std::error_code error;
        std::filesystem::remove_all(probe, error);
        std::filesystem::create_directories(probe / "folder", error);
        std::ofstream(probe / "folder" / "file") << "x";
        std::string got;
        if (MakeLink(probe / "folder", probe / "link", true)) {
            std::ifstream(probe / "link" / "file") >> got;
        }
        std::filesystem::remove_all(probe, error);
        return got == "x";
    }();
    return made;
}

class ZoneFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path() /
               ("vexamo-zones-" + std::string(info->name()) + "-" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

    void Write(const std::string& name, const std::string& bytes) const {
        std::filesystem::create_directories((dir_ / name).parent_path());
        std::ofstream(Path(name), std::ios::binary) << bytes;
    }

    std::filesystem::path dir_;
};

} // namespace zone_fixture
