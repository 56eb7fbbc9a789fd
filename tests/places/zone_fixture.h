#pragma once
// Zone data written by hand, and a fresh zone folder per test, for the checks of damaged data.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

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
