#include "places/place_table_file.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>
#include <utility>

#include "places_table_paths.h"

namespace places {

namespace {

// The running program's file (on Windows: GetModuleFileNameW).
std::filesystem::path ProgramFile() {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error);
}

bool Within(const std::filesystem::path& file, const std::filesystem::path& folder) {
    std::error_code error;
    const std::filesystem::path canonical = std::filesystem::weakly_canonical(folder, error);
    if (error || file.empty()) {
        return false;
    }
    const auto [end, unused] =
        std::mismatch(canonical.begin(), canonical.end(), file.begin(), file.end());
    return end == canonical.end();
}

// A larger file is no place table: the real one holds a few megabytes.
constexpr std::uintmax_t kMaxSize = std::uintmax_t{1} << 28;

std::string ReadTable(const std::string& path) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > kMaxSize || !std::filesystem::is_regular_file(path, error)) {
        return {};
    }
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace

std::string PlaceTableFile() {
    const std::filesystem::path program = ProgramFile();
    if (Within(program, kBuildTree)) {
        return kBuildPlaceTable;
    }
    // Installed where the programs are (bin/, libexec/vexamo/), under any prefix.
    const std::filesystem::path folder = program.parent_path();
    std::error_code error;
    for (const std::filesystem::path& prefix :
         {folder.parent_path(), folder.parent_path().parent_path()}) {
        const std::filesystem::path file = prefix / kInstalledPlaceTableBelowPrefix;
        if (!program.empty() && std::filesystem::is_regular_file(file, error)) {
            return file.string();
        }
    }
    return kInstalledPlaceTable;
}

const PlaceTable& ProgramPlaceTable() {
    static const PlaceTable table = [] {
        std::optional<PlaceTable> read = PlaceTable::Decode(ReadTable(PlaceTableFile()));
        return read ? std::move(*read) : *PlaceTable::Decode(PlaceTable::Encode({}, {}));
    }();
    return table;
}

} // namespace places
