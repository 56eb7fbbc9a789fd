#include "places/place_table_file.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>
#include <utility>

#include "places/program_folder.h"
#include "places_table_paths.h"
#include "records/utf8_paths.h"

namespace places {

namespace {

#ifndef _WIN32
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
#endif

// A larger file is no place table: the real one holds a few megabytes.
constexpr std::uintmax_t kMaxSize = std::uintmax_t{1} << 28;

struct ReadPlaceTable {
    PlaceTable table;
    PlaceTableState state;
};

ReadPlaceTable ReadTable(const std::string& utf8) {
    const std::filesystem::path path = PathOfUtf8(utf8);
    std::error_code error;
    const bool exists = std::filesystem::exists(path, error);
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    std::optional<PlaceTable> read;
    if (!error && size <= kMaxSize && std::filesystem::is_regular_file(path, error)) {
        std::ifstream in(path, std::ios::binary);
        read = PlaceTable::Decode(std::string(std::istreambuf_iterator<char>(in), {}));
    }
    if (read) {
        return {std::move(*read), PlaceTableState::Sound};
    }
    return {*PlaceTable::Decode(PlaceTable::Encode({}, {})),
            exists ? PlaceTableState::Damaged : PlaceTableState::Missing};
}

const ReadPlaceTable& ProgramTable() {
    static const ReadPlaceTable table = ReadTable(PlaceTableFile());
    return table;
}

} // namespace

#ifdef _WIN32
std::string PlaceTableFile() {
    return Utf8OfPath(ShippedDataFolder() / "places.bin");
}
#else
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
#endif

const PlaceTable& ProgramPlaceTable() {
    return ProgramTable().table;
}

PlaceTableState ProgramPlaceTableState() {
    return ProgramTable().state;
}

PlaceTableState PlaceTableStateOf(const std::string& file) {
    return ReadTable(file).state;
}

} // namespace places
