#include "win/vexamo_app.h"

#include "res/resource_ids.h"
#include "res/string_table.h"
#include "win/about_dlg.h"
#include "win/document_manager.h"
#include "win/main_frame.h"
#include "win/main_view.h"
#include "win/message_service.h"
#include "win/sheet_commands.h"

namespace {

// Substrings of the document template string.
constexpr int kWindowTitle = 0;
constexpr int kUntitled = 1;

// Commands this build cannot run yet: greyed.
constexpr int kUnavailable[] = {ID_APP_CREDITS};

} // namespace

std::string FileArgument(const std::vector<std::string>& arguments) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--") {
            return i + 1 < arguments.size() ? arguments[i + 1] : std::string();
        }
        if (!arguments[i].starts_with('-')) {
            return arguments[i];
        }
    }
    return {};
}

CVexamoApp::CVexamoApp(CMessageService& messages, CFileDialogService& files, CRecentFileList recent)
    : m_messages(messages), m_files(files), m_recent(std::move(recent)),
      m_session(m_document, DocTemplateSubstring(kUntitled), DocTemplateSubstring(kWindowTitle)) {}

CVexamoApp::~CVexamoApp() {
    if (m_frame && m_frame->Window() != nullptr) {
        m_frame->m_canClose = nullptr;
        DestroyWindow(m_frame->Window());
    }
}

bool CVexamoApp::InitInstance(HINSTANCE instance, const std::vector<std::string>& arguments,
                              int show) {
    m_hInstance = instance;
    m_recent.Load();
    m_frame = std::make_unique<CMainFrame>();
    if (!m_frame->Create(instance)) {
        return false;
    }
    m_view = std::make_unique<CMainView>(m_session, m_messages);
    if (m_clock) {
        m_view->SetClock(m_clock);
    }
    if (m_computerZone) {
        m_view->SetComputerZone(m_computerZone);
    }
    if (m_runDialog) {
        m_view->SetDialogRunner(m_runDialog);
    }
    m_view->SetPlaceCatalogue(m_places);
    if (!m_view->Create(instance, m_frame->Window())) {
        return false;
    }
    m_documents = std::make_unique<CDocumentManager>(
        m_session, [this] { return m_frame->Window(); }, m_messages, m_files, m_recent);
    m_sheets = std::make_unique<CSheetCommands>(instance, *m_view, m_files);
    if (!m_runAbout) {
        m_runAbout = [instance](HWND owner) { RunAboutBox(instance, owner); };
    }
    m_frame->m_onCommand = [this](int command) { return OnCommand(command); };
    m_frame->m_canClose = [this] { return m_documents->SaveModified(); };
    m_frame->m_fileDropped = [this](const std::string& path) {
        m_documents->OpenDocumentFile(path);
    };
    m_frame->m_menuOpening = [this](HMENU menu) { UpdateMenu(menu); };
    m_document.SetObserver([this](DocumentChange change) { OnDocumentChanged(change); });
    m_recent.SetObserver([this] { m_frame->SetRecentFiles(m_recent.Files()); });
    m_frame->SetRecentFiles(m_recent.Files());
    UpdateMenu(GetMenu(m_frame->Window()));

    const std::string path = FileArgument(arguments);
    if (path.empty()) {
        m_documents->NewDocument();
    } else {
        std::string error;
        if (!m_documents->LoadDocument(path, error)) {
            m_messages.AppMessage(nullptr, error);
            return false;
        }
    }
    m_view->Layout().FitFrameToLayout();
    ShowWindow(m_frame->Window(), show);
    if (show != SW_HIDE) {
        UpdateWindow(m_frame->Window());
    }
    return true;
}

void CVexamoApp::UpdateMenu(HMENU menu) {
    for (const int command : kUnavailable) {
        EnableMenuItem(menu, static_cast<UINT>(command), MF_BYCOMMAND | MF_GRAYED);
    }
    m_view->UpdateUndoCommands(GetMenu(m_frame->Window()));
}

bool CVexamoApp::OnCommand(int command) {
    if (const int recent = RecentFileIndex(command); recent >= 0) {
        m_documents->OnOpenRecentFile(recent);
        return true;
    }
    if (IsSheetCommand(command)) {
        m_sheets->Run(command);
        return true;
    }
    switch (command) {
    case ID_FILE_NEW:
        m_documents->OnFileNew();
        return true;
    case ID_FILE_OPEN:
        m_documents->OnFileOpen();
        return true;
    case ID_FILE_SAVE:
        m_documents->OnFileSave();
        return true;
    case ID_FILE_SAVE_AS:
        m_documents->OnFileSaveAs();
        return true;
    case ID_APP_EXIT:
        PostMessageW(m_frame->Window(), WM_CLOSE, 0, 0);
        return true;
    case ID_APP_ABOUT:
        m_runAbout(m_frame->Window());
        return true;
    default:
        return m_view->OnCommand(command);
    }
}

void CVexamoApp::OnDocumentChanged(DocumentChange change) {
    m_frame->SetTitle(m_session.FrameTitle());
    if (change == DocumentChange::Replaced) {
        m_view->OnInitialUpdate();
    } else if (change == DocumentChange::Saved) {
        m_view->OnDocumentSaved();
    }
}

bool CVexamoApp::PreTranslateMessage(MSG& message) {
    HWND frame = m_frame->Window();
    if (frame == nullptr) {
        return false;
    }
    if (m_view->FindDialogMessage(message)) {
        return true;
    }
    if (m_frame->Accelerators() != nullptr &&
        (message.hwnd == frame || IsChild(frame, message.hwnd)) &&
        TranslateAcceleratorW(frame, m_frame->Accelerators(), &message)) {
        return true;
    }
    return IsDialogMessageW(m_view->Form(), &message) != FALSE;
}

int CVexamoApp::Run() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!PreTranslateMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
