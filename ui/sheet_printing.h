#pragma once
// The window's printed sheets: printing, print preview and page set-up of the person on the
// form, and PDF files of that person or of every record of the file.
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "sheet/sheet_content.h"

class CFileDialogService;
class CMessageService;
class CPrintDialogService;
class DocumentSession;
class QPrinter;
class QWidget;

class CSheetPrinting {
  public:
    // The birth on the form after the form's checks and evaluation, as "Calculer" runs them;
    // nothing when the form refused it (its message has been shown).
    using CheckedBirth = std::function<std::optional<SheetBirth>()>;

    CSheetPrinting(QWidget& parent, const DocumentSession& session, CheckedBirth checkedBirth,
                   CMessageService& messages, CFileDialogService& files,
                   CPrintDialogService& dialogs);
    ~CSheetPrinting();

    void OnFilePrint();
    void OnFilePrintPreview();
    void OnFilePrintSetup();
    void OnExportPdf();
    void OnExportAllPdf();

    // The printer used by printing and preview; page set-up changes it for both.
    QPrinter& Printer();
    // The date shown in the sheets' footer (tests fix it); today when unset.
    void SetPrintedOn(std::function<QString()> printedOn) { m_printedOn = std::move(printedOn); }

  private:
    // The sheet of the form's birth; nothing when the form refuses it.
    std::optional<SheetContent> FormSheet();
    // The sheets of the file's records in the list's order, and how many records before 1900
    // the user chose to leave out.
    struct RecordSheetSet {
        std::vector<SheetContent> sheets;
        std::size_t leftOut = 0;
    };
    // The sheets of every record the user wants; nothing when the file holds none, the form
    // would refuse one of them, every record was left out (each after a message) or the user
    // cancelled.
    std::optional<RecordSheetSet> RecordSheets();
    // Asks for a PDF file name (suggested: name) and saves the sheets there; a failure is
    // shown and leaves no file. Returns whether the file was written.
    bool SavePdf(const std::vector<SheetContent>& sheets, const QString& name);
    QString PrintedOn() const;

    QWidget& m_parent;
    const DocumentSession& m_session;
    CheckedBirth m_checkedBirth;
    CMessageService& m_messages;
    CFileDialogService& m_files;
    CPrintDialogService& m_dialogs;
    std::unique_ptr<QPrinter> m_printer;
    std::function<QString()> m_printedOn;
};
