#pragma once
// The paper printed sheets go on for the rest of the session, and the system's print and page
// set-up dialogs that choose it, behind a seam for tests.
#include <windows.h>

#include <optional>
#include <string>

#include "sheet/gdi_print_job.h"

struct PrintSettings {
    PrintPaper paper{DMPAPER_A4, DMORIENT_PORTRAIT};
    // The paper's size upright, in millimetres.
    double widthMm = 210;
    double heightMm = 297;
    // The size as it lies on the page, turned for landscape.
    double PageWidthMm() const { return Landscape() ? heightMm : widthMm; }
    double PageHeightMm() const { return Landscape() ? widthMm : heightMm; }
    bool Landscape() const { return paper.orientation == DMORIENT_LANDSCAPE; }
};

// The printer chosen for one document: its device context and where its output goes.
struct ChosenPrinter {
    HDC dc = nullptr;    // the caller deletes it
    std::wstring output; // a file, "FILE:" for the system to ask, or empty: the printer's port
};

class CPrintDialogService {
  public:
    virtual ~CPrintDialogService() = default;
    // Any printer, starting with settings' paper; nothing when the user cancelled.
    virtual std::optional<ChosenPrinter> ChoosePrinter(HWND owner,
                                                       const PrintSettings& settings) = 0;
    // Paper and orientation; false (settings unchanged) when the user cancelled.
    virtual bool SetUpPage(HWND owner, PrintSettings& settings) = 0;
};

// PrintDlgW and PageSetupDlgW.
class CSystemPrintDialogs : public CPrintDialogService {
  public:
    std::optional<ChosenPrinter> ChoosePrinter(HWND owner, const PrintSettings& settings) override;
    bool SetUpPage(HWND owner, PrintSettings& settings) override;
};
