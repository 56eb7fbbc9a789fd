#pragma once
// A fresh folder per test (TempDirTest) with names in any script: paths are UTF-8 here as in the
// program, turned into the standard library's paths without the code page of the system.
#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>
#include <windows.h>

#include "records/utf8_paths.h"
#include "tests/records/temp_dir.h"

class WindowsFilesTest : public TempDirTest {
  protected:
    std::string At(std::string_view utf8) const { return Utf8OfPath(dir_ / PathOfUtf8(utf8)); }

    // The names in a folder, sorted, as UTF-8.
    static std::vector<std::string> NamesIn(const std::string& folder) {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(PathOfUtf8(folder))) {
            names.push_back(Utf8OfPath(e.path().filename()));
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    static DWORD AttributesOf(const std::string& path) {
        std::wstring wide;
        WideOfUtf8(path, wide);
        return ::GetFileAttributesW(wide.c_str());
    }
    static bool SetAttributes(const std::string& path, DWORD attributes) {
        std::wstring wide;
        WideOfUtf8(path, wide);
        return ::SetFileAttributesW(wide.c_str(), attributes) != 0;
    }
};
