#pragma once
// Printed sheets on a printer: the printer found by name and its device context made for a
// paper and orientation, and a list of sheets drawn on it as one document, one page a sheet,
// each laid out for the device's paper at its resolution. Results are codes; the words for
// them are the caller's.
#include <windows.h>

#include <string>
#include <vector>

#include "sheet/gdi_sheet_pictures.h"
#include "sheet/sheet_content.h"

enum class PrintResult {
    Done,
    PrinterMissing, // no printer of that name
    Failed,         // the printer or its driver refused the document or a page
    Cancelled,      // the user cancelled (a driver's own file prompt, for one)
};

// The printer that writes PDF files.
inline constexpr const wchar_t* kPdfPrinterName = L"Microsoft Print to PDF";

// The margin left on every side of a printed sheet, in millimetres.
inline constexpr double kSheetMarginMm = 15.0;

// The paper a document is printed on: DMPAPER_* and DMORIENT_* values, 0 for the printer's own.
struct PrintPaper {
    short paper = 0;
    short orientation = 0;
};

// Whether a printer of this name is installed here or connected.
bool PrinterInstalled(const std::wstring& name);

// A printer's device context, deleted with the object.
class PrinterDc {
  public:
    PrinterDc() = default;
    explicit PrinterDc(HDC dc) : m_dc(dc) {}
    ~PrinterDc();
    PrinterDc(const PrinterDc&) = delete;
    PrinterDc& operator=(const PrinterDc&) = delete;
    HDC Get() const { return m_dc; }
    void Reset(HDC dc);
    // Hands the context over to the caller.
    HDC Release() {
        const HDC dc = m_dc;
        m_dc = nullptr;
        return dc;
    }

  private:
    HDC m_dc = nullptr;
};

// The whole DEVMODEW of the printer name (its driver's defaults) with paper merged in; empty
// when there is no such printer.
std::vector<BYTE> PrinterDevMode(const std::wstring& name, const PrintPaper& paper);

// Makes the device context of the printer name with paper; PrinterMissing when there is no
// such printer, Failed when its driver gives no context.
PrintResult OpenPrinterDc(const std::wstring& name, const PrintPaper& paper, PrinterDc& dc);

// The area a sheet is drawn in on dc's page: the paper less the margins, within what the
// printer can reach, in dc's coordinates (whose origin is the corner of the printable area).
PageRect PrintedSheetArea(HDC dc);

struct PrintDocument {
    std::wstring name;   // the document's name in the printer's queue
    std::wstring output; // the file the printer writes into; empty: the printer's own port
};

// Draws the sheets on dc as one document, one page each. A failure aborts the document.
PrintResult PrintSheets(HDC dc, const std::vector<SheetContent>& sheets,
                        const PrintDocument& document, GdiSheetPictures& pictures);

// Prints on the printer name with paper; a document with an output file is complete when this
// returns Done (the printer's queue has let go of it).
PrintResult PrintSheetsOn(const std::wstring& name, const PrintPaper& paper,
                          const std::vector<SheetContent>& sheets, const PrintDocument& document,
                          GdiSheetPictures& pictures);

// Prints into the file path through the printer name: into a new file beside it first, which
// replaces path only when the printer has written all of it, so that a failure leaves path as
// it was (and printers that write into an existing file without shortening it leave no old
// bytes behind).
PrintResult PrintSheetsIntoFile(const std::wstring& name, const PrintPaper& paper,
                                const std::vector<SheetContent>& sheets,
                                const std::wstring& documentName, const std::wstring& path,
                                GdiSheetPictures& pictures);
