// "report" on Windows: the same arguments, checks and messages as everywhere (sheet_request),
// the sheets printed by the system's "Microsoft Print to PDF" into the file -o names, which is
// replaced only when complete. Standard output gets the file the printer wrote into a temporary
// place.
#include "cli/report_windows.h"

#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/text_catalogue.h"
#include "cli/output.h"
#include "cli/sheet_request.h"
#include "sheet/gdi_print_job.h"
#include "sheet/gdi_sheet_measure.h"

namespace {

// The sheets of a whole file come in the order of the window's list: the user's locale, case
// ignored, hyphens and apostrophes counted as signs; ties by the stored bytes.
std::vector<std::size_t> SheetOrder(const std::vector<std::string>& names,
                                    const std::vector<NameKey>& keys) {
    std::vector<std::wstring> wide;
    wide.reserve(names.size());
    for (const std::string& name : names) {
        wide.push_back(SheetWide(name));
    }
    std::vector<std::size_t> order(keys.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int compared =
            CompareStringEx(LOCALE_NAME_USER_DEFAULT, NORM_IGNORECASE | SORT_STRINGSORT,
                            wide[a].c_str(), static_cast<int>(wide[a].size()), wide[b].c_str(),
                            static_cast<int>(wide[b].size()), nullptr, nullptr, 0);
        return compared != CSTR_EQUAL ? compared == CSTR_LESS_THAN : keys[a] < keys[b];
    });
    return order;
}

const SheetCommand kReportCommand{"report", &kReportSyntax, {SheetFormat::Pdf}, true,
                                  false,    true,           &SheetOrder};

std::string Utf8(const std::wstring& wide) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), text.data(), size,
                        nullptr, nullptr);
    return text;
}

// The printer's queue writes the file, from another folder than this program's: it is given
// the whole path.
std::wstring FullPath(const std::string& path) {
    const std::wstring wide = SheetWide(path);
    const DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (size == 0) {
        return wide;
    }
    std::wstring full(size, L'\0');
    const DWORD written = GetFullPathNameW(wide.c_str(), size, full.data(), nullptr);
    full.resize(written);
    return full;
}

// A new empty file in the temporary folder.
std::wstring TemporaryFile() {
    wchar_t folder[MAX_PATH + 1] = {};
    wchar_t file[MAX_PATH + 1] = {};
    if (GetTempPathW(MAX_PATH, folder) == 0 || GetTempFileNameW(folder, L"vxr", 0, file) == 0) {
        return {};
    }
    return file;
}

std::string Today() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    char text[16];
    std::snprintf(text, sizeof text, "%02u.%02u.%04u", now.wDay, now.wMonth, now.wYear);
    return text;
}

int Printed(CliStreams& io, PrintResult result, const std::string& output) {
    switch (result) {
    case PrintResult::Done:
        return kExitOk;
    case PrintResult::PrinterMissing:
        PrintMessage(io, UserText(TextId::PdfPrinterMissing, {Utf8(kPdfPrinterName)}));
        return kExitRefused;
    case PrintResult::Cancelled:
    case PrintResult::Failed:
        break;
    }
    // The printer took the document but did not write it.
    FileFault fault;
    fault.kind = FileFault::Errno;
    fault.errnoValue = EIO;
    return FileNotSaved(io, output, fault);
}

} // namespace

int RunWindowsReport(const Args& args, CliStreams& io) {
    SheetRequest request;
    if (const int status = ReadSheetRequest(args, kReportCommand, io, request); status != kExitOk) {
        return status;
    }
    if (!PrinterInstalled(kPdfPrinterName)) {
        return Printed(io, PrintResult::PrinterMissing, request.output);
    }
    const std::string printedOn = Today();
    std::vector<SheetContent> sheets;
    sheets.reserve(request.births.size());
    for (const SheetBirth& birth : request.births) {
        sheets.push_back(MakeSheetContent(birth, printedOn));
    }
    const bool toStandardOutput = request.output == "-";
    const std::wstring target = toStandardOutput ? TemporaryFile() : FullPath(request.output);
    if (target.empty()) {
        return OutputFailed(io);
    }
    GdiSheetPictures pictures;
    const PrintResult result =
        PrintSheetsIntoFile(kPdfPrinterName, {DMPAPER_A4, DMORIENT_PORTRAIT}, sheets,
                            SheetWide(UserText(TextId::AppTitle)), target, pictures);
    if (result != PrintResult::Done) {
        if (toStandardOutput) {
            DeleteFileW(target.c_str());
        }
        return Printed(io, result, request.output);
    }
    if (!toStandardOutput) {
        return kExitOk;
    }
    std::ifstream in(std::filesystem::path(target), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    DeleteFileW(target.c_str());
    return WriteOutput(io, bytes);
}
