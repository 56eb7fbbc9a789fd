#pragma once
// The application: one document, one frame with its form view, the file commands, the
// recent-file list and the About box.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <windows.h>

#include "app/document_session.h"
#include "win/main_view.h"
#include "win/recent_file_list.h"
#include "win/sheet_commands.h"

class CDocumentManager;
class CFileDialogService;
class CMainFrame;
class CMessageService;

class CVexamoApp {
  public:
    CVexamoApp(CMessageService& messages, CFileDialogService& files,
               CRecentFileList recent = CRecentFileList());
    ~CVexamoApp();
    CVexamoApp(const CVexamoApp&) = delete;
    CVexamoApp& operator=(const CVexamoApp&) = delete;

    // Makes the frame and the view, opens the file named by the arguments (the first that is
    // not an option, or the one after "--"), or starts an empty document, and shows the window
    // with show (SW_HIDE keeps it hidden). False when the named file cannot be opened: its
    // message has been shown and the program is to end.
    bool InitInstance(HINSTANCE instance, const std::vector<std::string>& arguments, int show);
    // The message loop, with the accelerators and the form's keyboard; the exit code.
    int Run();
    // What the loop does with a message before dispatching it: true when it was taken.
    bool PreTranslateMessage(MSG& message);
    // Runs a command of the menu or the accelerators; false when nothing handles it.
    bool OnCommand(int command);

    // Runs the About box (tests replace it); by default modally.
    std::function<void(HWND owner)> m_runAbout;
    // The source of the current local time for the view (tests fix it); before InitInstance.
    std::function<LocalNow()> m_clock;
    // For the view, before InitInstance (tests fix them): the computer's zone, the runner of
    // its modal dialogs and the places the birthplace dialog searches.
    std::function<std::string()> m_computerZone;
    CMainView::DialogRunner m_runDialog;
    const PlaceCatalogue* m_places = nullptr;

    CVexamoDoc& Document() { return m_document; }
    DocumentSession& Session() { return m_session; }
    CMainFrame& Frame() const { return *m_frame; }
    CMainView& View() const { return *m_view; }
    CDocumentManager& Documents() const { return *m_documents; }
    CRecentFileList& RecentFiles() { return m_recent; }
    CSheetCommands& Sheets() const { return *m_sheets; }

  private:
    void OnDocumentChanged(DocumentChange change);
    void UpdateMenu(HMENU menu);

    CMessageService& m_messages;
    CFileDialogService& m_files;
    CRecentFileList m_recent;
    CVexamoDoc m_document;
    DocumentSession m_session;
    HINSTANCE m_hInstance = nullptr;
    std::unique_ptr<CMainFrame> m_frame;
    std::unique_ptr<CMainView> m_view;
    std::unique_ptr<CDocumentManager> m_documents;
    std::unique_ptr<CSheetCommands> m_sheets;
};

// The file the arguments name: the first that is not an option, or the one after "--".
std::string FileArgument(const std::vector<std::string>& arguments);
