#pragma once
// A PostScript printer for tests under Wine, without CUPS: Wine's PostScript driver with a
// small PPD of its own (A4 and Letter) installed in the test prefix's spooler, and what the
// driver writes read back: the text it draws (glyph by glyph, by glyph name), its pages, its
// paper and orientation.
#include <windows.h>
#include <winspool.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

namespace gdi_test {

inline constexpr const wchar_t* kTestPrinter = L"Vexamo Test PostScript";
inline constexpr const wchar_t* kTestDriver = L"Vexamo Test PostScript Driver";
inline constexpr const wchar_t* kTestPpd = L"vexamo_test.ppd";

inline constexpr const char* kTestPpdText = R"ppd(*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "VEXAMO.PPD"
*Manufacturer: "Vexamo"
*Product: "(Vexamo Test)"
*ModelName: "Vexamo Test"
*ShortNickName: "Vexamo Test"
*NickName: "Vexamo Test"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: True
*DefaultColorSpace: RGB
*FileSystem: False
*Throughput: "1"
*TTRasterizer: Type42
*DefaultResolution: 300dpi
*OpenUI *PageSize: PickOne
*DefaultPageSize: A4
*PageSize A4: "<</PageSize[595 842]/ImagingBBox null>>setpagedevice"
*PageSize Letter: "<</PageSize[612 792]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion: PickOne
*DefaultPageRegion: A4
*PageRegion A4: "<</PageSize[595 842]/ImagingBBox null>>setpagedevice"
*PageRegion Letter: "<</PageSize[612 792]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: A4
*ImageableArea A4: "18 18 577 824"
*ImageableArea Letter: "18 18 594 774"
*DefaultPaperDimension: A4
*PaperDimension A4: "595 842"
*PaperDimension Letter: "612 792"
*DefaultFont: Courier
*Font Courier: Standard "(002.004S)" Standard ROM
)ppd";

// Held by a test while it installs or prints through the test printer: Wine's spooler fails
// jobs that run side by side, and ctest runs the tests of one program in parallel processes.
class TestPrinterLock {
  public:
    TestPrinterLock() : m_mutex(CreateMutexW(nullptr, FALSE, L"Local\\VexamoTestPrinter")) {
        if (m_mutex != nullptr) {
            // An abandoned lock (its test killed) is ours just the same.
            WaitForSingleObject(m_mutex, INFINITE);
        }
    }
    ~TestPrinterLock() {
        if (m_mutex != nullptr) {
            ReleaseMutex(m_mutex);
            CloseHandle(m_mutex);
        }
    }
    TestPrinterLock(const TestPrinterLock&) = delete;
    TestPrinterLock& operator=(const TestPrinterLock&) = delete;

  private:
    HANDLE m_mutex;
};

// Installs the printer once per prefix; true when it is there.
inline bool InstallTestPrinter() {
    wchar_t folder[MAX_PATH] = {};
    DWORD needed = 0;
    if (!GetPrinterDriverDirectoryW(nullptr, nullptr, 1, reinterpret_cast<LPBYTE>(folder),
                                    sizeof folder, &needed)) {
        return false;
    }
    // Test processes run side by side and print through the driver while others install it:
    // the PPD is written only when missing or different, and then whole, by a rename.
    const std::filesystem::path ppdPath = std::filesystem::path(folder) / kTestPpd;
    std::string present;
    {
        std::ifstream in(ppdPath, std::ios::binary);
        present.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    if (present != kTestPpdText) {
        std::filesystem::path part = ppdPath;
        part += L"." + std::to_wstring(GetCurrentProcessId());
        {
            std::ofstream ppd(part, std::ios::binary);
            ppd << kTestPpdText;
        }
        if (!MoveFileExW(part.c_str(), ppdPath.c_str(), MOVEFILE_REPLACE_EXISTING)) {
            DeleteFileW(part.c_str());
        }
    }
    DRIVER_INFO_3W driver{};
    driver.cVersion = 3;
    driver.pName = const_cast<LPWSTR>(kTestDriver);
    driver.pDriverPath = const_cast<LPWSTR>(L"wineps.drv");
    driver.pDataFile = const_cast<LPWSTR>(kTestPpd);
    driver.pConfigFile = const_cast<LPWSTR>(L"wineps.drv");
    if (!AddPrinterDriverW(nullptr, 3, reinterpret_cast<LPBYTE>(&driver)) &&
        GetLastError() != ERROR_PRINTER_DRIVER_ALREADY_INSTALLED) {
        return false;
    }
    PRINTER_INFO_2W info{};
    info.pPrinterName = const_cast<LPWSTR>(kTestPrinter);
    info.pPortName = const_cast<LPWSTR>(L"FILE:");
    info.pDriverName = const_cast<LPWSTR>(kTestDriver);
    info.pPrintProcessor = const_cast<LPWSTR>(L"WinPrint");
    info.pDatatype = const_cast<LPWSTR>(L"RAW");
    info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
    HANDLE printer = AddPrinterW(nullptr, 2, reinterpret_cast<LPBYTE>(&info));
    if (printer != nullptr) {
        ClosePrinter(printer);
        return true;
    }
    return GetLastError() == ERROR_PRINTER_ALREADY_EXISTS;
}

// What the PostScript driver wrote.
struct PostScriptFile {
    std::string bytes;
    std::string text; // every glyph drawn, in order, spaces left out
    int pages = 0;
    std::string PageSize() const {
        const auto at = bytes.find("/PageSize[");
        return at == std::string::npos ? std::string()
                                       : bytes.substr(at + 10, bytes.find(']', at) - at - 10);
    }
    bool Landscape() const { return bytes.find("%%Orientation: Landscape") != std::string::npos; }
};

// The characters of the glyph names the sheet's texts use.
inline std::string GlyphCharacter(const std::string& name) {
    static const std::map<std::string, std::string> names{
        {"zero", "0"},
        {"one", "1"},
        {"two", "2"},
        {"three", "3"},
        {"four", "4"},
        {"five", "5"},
        {"six", "6"},
        {"seven", "7"},
        {"eight", "8"},
        {"nine", "9"},
        {"period", "."},
        {"comma", ","},
        {"colon", ":"},
        {"semicolon", ";"},
        {"percent", "%"},
        {"hyphen", "-"},
        {"parenleft", "("},
        {"parenright", ")"},
        {"bracketleft", "["},
        {"bracketright", "]"},
        {"slash", "/"},
        {"quotesingle", "'"},
        {"quoteright", "\u2019"},
        {"emdash", "\u2014"},
        {"endash", "\u2013"},
        {"eacute", "\u00E9"},
        {"egrave", "\u00E8"},
        {"agrave", "\u00E0"},
        {"ccedilla", "\u00E7"},
        {"odieresis", "\u00F6"},
        {"udieresis", "\u00FC"},
        {"adieresis", "\u00E4"},
        {"Odieresis", "\u00D6"},
        {"plus", "+"},
        {"equal", "="},
    };
    if (name.size() == 1) {
        return name;
    }
    const auto found = names.find(name);
    return found != names.end() ? found->second : "\x01";
}

inline PostScriptFile ReadPostScript(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    PostScriptFile ps;
    ps.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    std::size_t at = 0;
    while ((at = ps.bytes.find(" glyphshow", at)) != std::string::npos) {
        const std::size_t slash = ps.bytes.rfind('/', at);
        const std::string name = ps.bytes.substr(slash + 1, at - slash - 1);
        if (name != "space") {
            ps.text += GlyphCharacter(name);
        }
        at += 10;
    }
    for (at = 0; (at = ps.bytes.find("\n%%Page: ", at)) != std::string::npos; ++at) {
        ++ps.pages;
    }
    return ps;
}

// text without its spaces, as PostScriptFile::text holds it.
inline std::string WithoutSpaces(const std::string& text) {
    std::string kept;
    for (const char c : text) {
        if (c != ' ') {
            kept += c;
        }
    }
    return kept;
}

} // namespace gdi_test
