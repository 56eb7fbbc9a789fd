#include "records/side_files.h"

#include <filesystem>
#include <system_error>

#include "records/utf8_paths.h"

namespace {

// FNV-1a, 64 bits.
uint64_t NameHash(std::string_view name) {
    uint64_t h = 0xcbf29ce484222325ull;
    for (const char ch : name) {
        h ^= static_cast<unsigned char>(ch);
        h *= 0x100000001b3ull;
    }
    return h;
}

bool IsLowerHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
}

} // namespace

std::string ResolveSaveTarget(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path named = PathOfUtf8(path);
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(named, ec))) {
        const auto resolved = std::filesystem::canonical(named, ec);
        if (!ec) {
            return Utf8OfPath(resolved);
        }
    }
    return path;
}

std::string FolderOf(const std::string& path) {
    const std::filesystem::path p = PathOfUtf8(path);
    return p.has_parent_path() ? Utf8OfPath(p.parent_path()) : std::string(".");
}

std::string SideFileStem(const std::string& target) {
    const std::string name = Utf8OfPath(PathOfUtf8(target).filename());
    const uint64_t h = NameHash(name);
    std::string stem = ".vx";
    const char* digits = "0123456789abcdef";
    for (int shift = 60; shift >= 0; shift -= 4) {
        stem.push_back(digits[(h >> shift) & 0xF]);
    }
    return stem;
}

std::string LockFilePath(const std::string& target) {
    return FolderOf(target) + "/" + SideFileStem(target) + ".lock";
}

bool IsTempFileName(std::string_view fileName, std::string_view stem) {
    if (fileName.size() != stem.size() + 1 + kTempSuffixDigits ||
        fileName.substr(0, stem.size()) != stem || fileName[stem.size()] != '-') {
        return false;
    }
    for (const char c : fileName.substr(stem.size() + 1)) {
        if (!IsLowerHexDigit(c)) {
            return false;
        }
    }
    return true;
}
