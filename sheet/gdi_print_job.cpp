#include "sheet/gdi_print_job.h"

#include <winspool.h>

#include <algorithm>
#include <vector>

#include "sheet/gdi_sheet_canvas.h"
#include "sheet/gdi_sheet_measure.h"

namespace {

// How long a document written into a file may stay in the printer's queue.
constexpr DWORD kQueueWaitMs = 60000;
constexpr DWORD kQueuePollMs = 50;

class PrinterHandle {
  public:
    explicit PrinterHandle(const std::wstring& name) {
        if (!OpenPrinterW(const_cast<LPWSTR>(name.c_str()), &m_handle, nullptr)) {
            m_handle = nullptr;
        }
    }
    ~PrinterHandle() {
        if (m_handle != nullptr) {
            ClosePrinter(m_handle);
        }
    }
    PrinterHandle(const PrinterHandle&) = delete;
    PrinterHandle& operator=(const PrinterHandle&) = delete;
    HANDLE Get() const { return m_handle; }

  private:
    HANDLE m_handle = nullptr;
};

bool Listed(DWORD flags, const std::wstring& name) {
    DWORD needed = 0;
    DWORD count = 0;
    EnumPrintersW(flags, nullptr, 4, nullptr, 0, &needed, &count);
    if (needed == 0) {
        return false;
    }
    std::vector<BYTE> buffer(needed);
    if (!EnumPrintersW(flags, nullptr, 4, buffer.data(), needed, &needed, &count)) {
        return false;
    }
    const auto* printers = reinterpret_cast<const PRINTER_INFO_4W*>(buffer.data());
    for (DWORD i = 0; i < count; ++i) {
        if (printers[i].pPrinterName != nullptr &&
            CompareStringOrdinal(printers[i].pPrinterName, -1, name.c_str(), -1, TRUE) ==
                CSTR_EQUAL) {
            return true;
        }
    }
    return false;
}

// Waits until the printer's queue has finished job (or forgotten it).
void WaitForJob(const std::wstring& printer, int job) {
    PrinterHandle handle(printer);
    if (handle.Get() == nullptr || job <= 0) {
        return;
    }
    for (DWORD waited = 0; waited < kQueueWaitMs; waited += kQueuePollMs) {
        DWORD needed = 0;
        GetJobW(handle.Get(), static_cast<DWORD>(job), 1, nullptr, 0, &needed);
        if (needed == 0) {
            return;
        }
        std::vector<BYTE> buffer(needed);
        if (!GetJobW(handle.Get(), static_cast<DWORD>(job), 1, buffer.data(), needed, &needed)) {
            return;
        }
        const DWORD status = reinterpret_cast<const JOB_INFO_1W*>(buffer.data())->Status;
        if (status & (JOB_STATUS_PRINTED | JOB_STATUS_DELETED | JOB_STATUS_ERROR)) {
            return;
        }
        Sleep(kQueuePollMs);
    }
}

} // namespace

bool PrinterInstalled(const std::wstring& name) {
    return !name.empty() &&
           (Listed(PRINTER_ENUM_LOCAL, name) || Listed(PRINTER_ENUM_CONNECTIONS, name));
}

PrinterDc::~PrinterDc() {
    Reset(nullptr);
}

void PrinterDc::Reset(HDC dc) {
    if (m_dc != nullptr) {
        DeleteDC(m_dc);
    }
    m_dc = dc;
}

std::vector<BYTE> PrinterDevMode(const std::wstring& name, const PrintPaper& paper) {
    PrinterHandle printer(name);
    if (printer.Get() == nullptr) {
        return {};
    }
    auto* device = const_cast<LPWSTR>(name.c_str());
    const LONG size = DocumentPropertiesW(nullptr, printer.Get(), device, nullptr, nullptr, 0);
    if (size <= 0) {
        return {};
    }
    std::vector<BYTE> buffer(static_cast<size_t>(size));
    auto* mode = reinterpret_cast<DEVMODEW*>(buffer.data());
    if (DocumentPropertiesW(nullptr, printer.Get(), device, mode, nullptr, DM_OUT_BUFFER) != IDOK) {
        return {};
    }
    // The driver's defaults with the chosen paper and orientation merged in.
    if (paper.paper != 0) {
        mode->dmPaperSize = paper.paper;
        mode->dmFields |= DM_PAPERSIZE;
        mode->dmFields &= ~static_cast<DWORD>(DM_PAPERLENGTH | DM_PAPERWIDTH | DM_FORMNAME);
    }
    if (paper.orientation != 0) {
        mode->dmOrientation = paper.orientation;
        mode->dmFields |= DM_ORIENTATION;
    }
    DocumentPropertiesW(nullptr, printer.Get(), device, mode, mode, DM_IN_BUFFER | DM_OUT_BUFFER);
    return buffer;
}

PrintResult OpenPrinterDc(const std::wstring& name, const PrintPaper& paper, PrinterDc& dc) {
    if (!PrinterInstalled(name)) {
        return PrintResult::PrinterMissing;
    }
    std::vector<BYTE> mode = PrinterDevMode(name, paper);
    dc.Reset(CreateDCW(L"WINSPOOL", name.c_str(), nullptr,
                       mode.empty() ? nullptr : reinterpret_cast<DEVMODEW*>(mode.data())));
    return dc.Get() != nullptr ? PrintResult::Done : PrintResult::Failed;
}

PageRect PrintedSheetArea(HDC dc) {
    const double dpiX = GetDeviceCaps(dc, LOGPIXELSX);
    const double dpiY = GetDeviceCaps(dc, LOGPIXELSY);
    const double paperW = GetDeviceCaps(dc, PHYSICALWIDTH);
    const double paperH = GetDeviceCaps(dc, PHYSICALHEIGHT);
    const double offsetX = GetDeviceCaps(dc, PHYSICALOFFSETX);
    const double offsetY = GetDeviceCaps(dc, PHYSICALOFFSETY);
    const double reachW = GetDeviceCaps(dc, HORZRES);
    const double reachH = GetDeviceCaps(dc, VERTRES);
    const double marginX = kSheetMarginMm / 25.4 * dpiX;
    const double marginY = kSheetMarginMm / 25.4 * dpiY;
    // In page coordinates first, then moved to the printable area's origin.
    const double left = std::max(marginX, offsetX);
    const double top = std::max(marginY, offsetY);
    const double right = std::min(paperW > 0 ? paperW - marginX : reachW, offsetX + reachW);
    const double bottom = std::min(paperH > 0 ? paperH - marginY : reachH, offsetY + reachH);
    return {left - offsetX, top - offsetY, std::max(0.0, right - left),
            std::max(0.0, bottom - top)};
}

namespace {

// PrintSheets, with the queue's number of the job in job.
PrintResult PrintJob(HDC dc, const std::vector<SheetContent>& sheets, const PrintDocument& document,
                     GdiSheetPictures& pictures, int& job) {
    job = 0;
    if (dc == nullptr || sheets.empty()) {
        return PrintResult::Failed;
    }
    DOCINFOW info{};
    info.cbSize = sizeof info;
    info.lpszDocName = document.name.c_str();
    info.lpszOutput = document.output.empty() ? nullptr : document.output.c_str();
    SetLastError(ERROR_SUCCESS);
    job = StartDocW(dc, &info);
    if (job <= 0) {
        return GetLastError() == ERROR_CANCELLED || job == SP_USERABORT ? PrintResult::Cancelled
                                                                        : PrintResult::Failed;
    }
    for (const SheetContent& sheet : sheets) {
        if (StartPage(dc) <= 0) {
            AbortDoc(dc);
            return PrintResult::Failed;
        }
        const PageRect area = PrintedSheetArea(dc);
        PaintSheet(dc, area, sheet, pictures, GdiDeviceDpi(dc));
        if (EndPage(dc) <= 0) {
            AbortDoc(dc);
            return PrintResult::Failed;
        }
    }
    return EndDoc(dc) > 0 ? PrintResult::Done : PrintResult::Failed;
}

} // namespace

PrintResult PrintSheets(HDC dc, const std::vector<SheetContent>& sheets,
                        const PrintDocument& document, GdiSheetPictures& pictures) {
    int job = 0;
    return PrintJob(dc, sheets, document, pictures, job);
}

PrintResult PrintSheetsOn(const std::wstring& name, const PrintPaper& paper,
                          const std::vector<SheetContent>& sheets, const PrintDocument& document,
                          GdiSheetPictures& pictures) {
    PrinterDc dc;
    if (const PrintResult opened = OpenPrinterDc(name, paper, dc); opened != PrintResult::Done) {
        return opened;
    }
    int job = 0;
    const PrintResult printed = PrintJob(dc.Get(), sheets, document, pictures, job);
    if (printed == PrintResult::Done && !document.output.empty()) {
        WaitForJob(name, job);
    }
    return printed;
}

PrintResult PrintSheetsIntoFile(const std::wstring& name, const PrintPaper& paper,
                                const std::vector<SheetContent>& sheets,
                                const std::wstring& documentName, const std::wstring& path,
                                GdiSheetPictures& pictures) {
    if (!PrinterInstalled(name)) {
        return PrintResult::PrinterMissing;
    }
    const std::size_t slash = path.find_last_of(L"\\/");
    const std::wstring folder = slash == std::wstring::npos ? L"." : path.substr(0, slash + 1);
    wchar_t temporary[MAX_PATH + 1] = {};
    if (GetTempFileNameW(folder.c_str(), L"vxp", 0, temporary) == 0) {
        return PrintResult::Failed;
    }
    const PrintResult printed =
        PrintSheetsOn(name, paper, sheets, {documentName, temporary}, pictures);
    if (printed == PrintResult::Done &&
        MoveFileExW(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return PrintResult::Done;
    }
    DeleteFileW(temporary);
    return printed == PrintResult::Done ? PrintResult::Failed : printed;
}
