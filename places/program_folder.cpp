#include "places/program_folder.h"

#include <system_error>

#ifdef _WIN32
#include <string>
#include <windows.h>
#endif

namespace places {

#ifdef _WIN32
std::filesystem::path ProgramFile() {
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD size = static_cast<DWORD>(name.size());
        const DWORD got = ::GetModuleFileNameW(nullptr, name.data(), size);
        if (got == 0) {
            return {};
        }
        if (got < size) {
            name.resize(got);
            return std::filesystem::path(name);
        }
        name.resize(name.size() * 2); // cut short: a longer path
    }
}

std::filesystem::path ShippedDataFolder() {
    const std::filesystem::path folder = ProgramFile().parent_path();
    std::error_code error;
    for (const std::filesystem::path& above :
         {folder, folder.parent_path(), folder.parent_path().parent_path()}) {
        const std::filesystem::path data = above / "share" / "vexamo";
        if (std::filesystem::is_regular_file(data / "places.bin", error)) {
            return data;
        }
    }
    return folder / "share" / "vexamo";
}
#else
std::filesystem::path ProgramFile() {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error);
}
#endif

} // namespace places
