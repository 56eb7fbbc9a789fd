#pragma once
// The commands of printed sheets: "&Imprimer...", "Aperçu avant impression", "Configuration de
// l'impression...", "Exporter en PDF..." and "Exporter tout en PDF...". The form offers what
// they print through CSheetCommandSite; the paper chosen in the page set-up serves printing,
// preview and PDF for the rest of the session.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <windows.h>

#include "app/document_session.h"
#include "sheet/gdi_print_job.h"
#include "sheet/sheet_content.h"
#include "win/print_dialogs.h"

class CFileDialogService;
class CMessageService;
class CPrintPreview;

class CSheetCommandSite {
  public:
    virtual ~CSheetCommandSite() = default;
    // The window the dialogs open over.
    virtual HWND Owner() const = 0;
    virtual CMessageService& Messages() const = 0;
    // The form's birth after "Calculer"'s checks and evaluation; nothing when the form refused
    // it (its message shown).
    virtual std::optional<SheetBirth> CheckedSheetBirth() = 0;
    // The document whose records "Exporter tout en PDF..." prints.
    virtual const DocumentSession& Session() const = 0;
    // The document's records in the order the record list shows them.
    virtual std::vector<NameKey> ListedKeys() const = 0;
};

// Whether command is one of the sheet commands.
bool IsSheetCommand(int command);

class CSheetCommands {
  public:
    CSheetCommands(HINSTANCE instance, CSheetCommandSite& site, CFileDialogService& files);
    ~CSheetCommands();
    CSheetCommands(const CSheetCommands&) = delete;
    CSheetCommands& operator=(const CSheetCommands&) = delete;

    // Runs a sheet command.
    void Run(int command);

    const PrintSettings& Settings() const { return m_settings; }

    // Seams for tests: the print dialogs (the system's by default), the preview's loop (by
    // default until the user closes it), the date in the footer (today by default) and the
    // printer PDF files are written by.
    CPrintDialogService* m_dialogs = nullptr;
    std::function<void(CPrintPreview&)> m_runPreview;
    std::function<std::string()> m_printedOn;
    std::wstring m_pdfPrinter = kPdfPrinterName;

  private:
    void OnFilePrint();
    void OnFilePrintPreview();
    void OnFilePrintSetup();
    void OnExportPdf();
    void OnExportAllPdf();

    std::optional<SheetContent> FormSheet();
    std::string PrintedOn() const;
    // Prints the sheets on a printer the user chooses; false when nothing was printed.
    bool PrintOnChosenPrinter(const std::vector<SheetContent>& sheets);
    // Asks for a PDF file (suggested after name) and writes the sheets there through the PDF
    // printer; each failure shown. True when the file was written.
    bool SavePdf(const std::vector<SheetContent>& sheets, const std::string& name);
    // The sheets of the document's records the user wants; nothing when there are none to
    // print (each case shown) or the user cancelled.
    struct RecordSheetSet {
        std::vector<SheetContent> sheets;
        std::size_t leftOut = 0;
    };
    std::optional<RecordSheetSet> RecordSheets();

    HINSTANCE m_hInstance;
    CSheetCommandSite& m_site;
    CFileDialogService& m_files;
    CSystemPrintDialogs m_systemDialogs;
    PrintSettings m_settings;
};
