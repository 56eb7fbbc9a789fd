#pragma once
// The application: one document, one frame with its form view, the file commands, the
// recent-file list and the About box.
#include <QDateTime>
#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/document_session.h"
#include "app/place_search.h"
#include "ui/recent_file_list.h"

class CDialogService;
class CDocumentManager;
class CFileDialogService;
class CMainFrame;
class CMainView;
class CMessageService;
class CPrintDialogService;
class CQtDialogService;
class CSheetPrinting;

class CVexamoApp : public QObject {
    Q_OBJECT
  public:
    CVexamoApp(CMessageService& messages, CFileDialogService& files,
               CRecentFileList recent = CRecentFileList());
    ~CVexamoApp() override;

    // Creates the frame and the view, opens the file named by the first argument (or starts
    // an empty document) and shows the window. False when the named file cannot be opened:
    // its message has been shown and the program is to end.
    bool InitInstance(const QStringList& arguments);

    // The source of the current local time for the view (tests fix it); before InitInstance.
    void SetClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }
    // Runs the birthplace dialog and the About box (tests drive them); before InitInstance.
    // Without one they run modally with QDialog::exec.
    void SetDialogService(CDialogService& dialogs) { m_dialogs = &dialogs; }
    // The name of the computer's time zone for the view (tests fix it); before InitInstance.
    void SetComputerZone(std::function<std::string()> zone) { m_computerZone = std::move(zone); }
    // The places the birthplace dialog searches (tests fix them); before InitInstance.
    void SetPlaceCatalogue(const PlaceCatalogue* catalogue) { m_places = catalogue; }
    // The place table whose state the birthplace dialog tells, missing or damaged (tests point
    // it at such files); before InitInstance. The program's own when unset.
    void SetPlaceTableFile(std::string file) { m_placeTableFile = std::move(file); }
    // Runs the print, preview and page set-up dialogs (tests answer them); before InitInstance.
    void SetPrintDialogService(CPrintDialogService& dialogs) { m_printDialogs = &dialogs; }

    void OnAppAbout();
    // "Licences et sources...".
    void OnAppCredits();

    CVexamoDoc& Document() { return m_document; }
    DocumentSession& Session() { return m_session; }
    CMainFrame* MainFrame() const { return m_frame.get(); }
    CMainView* View() const { return m_view; }
    CDocumentManager* Documents() const { return m_documents.get(); }
    CRecentFileList& RecentFiles() { return m_recent; }
    CSheetPrinting* Printing() const { return m_printing.get(); }

  private:
    // Connects the frame's menu and accelerator actions to their handlers.
    void ConnectCommands();
    void OnDocumentChanged(DocumentChange change);

    CMessageService& m_messages;
    CFileDialogService& m_files;
    CRecentFileList m_recent;
    CVexamoDoc m_document;
    DocumentSession m_session;
    std::unique_ptr<CMainFrame> m_frame;
    CMainView* m_view = nullptr; // owned by the frame
    std::unique_ptr<CDocumentManager> m_documents;
    std::function<QDateTime()> m_clock;
    std::function<std::string()> m_computerZone;
    std::unique_ptr<CQtDialogService> m_ownDialogs;
    CDialogService* m_dialogs = nullptr;
    const PlaceCatalogue* m_places = nullptr;
    std::optional<std::string> m_placeTableFile;
    std::unique_ptr<CPrintDialogService> m_ownPrintDialogs;
    CPrintDialogService* m_printDialogs = nullptr;
    std::unique_ptr<CSheetPrinting> m_printing;
};
