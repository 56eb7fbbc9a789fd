#include "ui/vexamo_app.h"

#include <QAction>
#include <QApplication>

#include "res/resource_ids.h"
#include "res/string_table.h"
#include "ui/about_dlg.h"
#include "ui/credits_dialog.h"
#include "ui/document_manager.h"
#include "ui/main_frame.h"
#include "ui/main_view.h"
#include "ui/message_service.h"
#include "ui/phase_diagram.h"
#include "ui/qt_dialog_service.h"
#include "ui/qt_print_dialog_service.h"
#include "ui/sheet_printing.h"

namespace {

// Substrings of the document template string.
constexpr int kWindowTitle = 0;
constexpr int kUntitled = 1;

// The file to open: the first argument that is not an option, or the one after "--" (which
// ends the options, so that a file may be named "-x.dat").
QString FileArgument(const QStringList& arguments) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--")) {
            return i + 1 < arguments.size() ? arguments[i + 1] : QString();
        }
        if (!arguments[i].startsWith(QLatin1Char('-'))) {
            return arguments[i];
        }
    }
    return {};
}

} // namespace

CVexamoApp::CVexamoApp(CMessageService& messages, CFileDialogService& files, CRecentFileList recent)
    : m_messages(messages), m_files(files), m_recent(std::move(recent)),
      m_session(m_document, DocTemplateSubstring(kUntitled), DocTemplateSubstring(kWindowTitle)) {}

CVexamoApp::~CVexamoApp() = default;

bool CVexamoApp::InitInstance(const QStringList& arguments) {
    m_recent.Load();
    m_frame = std::make_unique<CMainFrame>();
    if (m_dialogs == nullptr) {
        m_ownDialogs = std::make_unique<CQtDialogService>();
        m_dialogs = m_ownDialogs.get();
    }
    m_view = new CMainView(m_session, m_messages, *m_dialogs, m_frame.get());
    m_frame->setCentralWidget(m_view);
    if (m_clock) {
        m_view->SetClock(m_clock);
    }
    if (m_computerZone) {
        m_view->SetComputerZone(m_computerZone);
    }
    m_view->SetPlaceCatalogue(m_places);
    if (m_placeTableFile) {
        m_view->SetPlaceTableFile(*m_placeTableFile);
    }
    m_documents =
        std::make_unique<CDocumentManager>(m_session, m_frame.get(), m_messages, m_files, m_recent);
    if (m_printDialogs == nullptr) {
        m_ownPrintDialogs = std::make_unique<CQtPrintDialogService>();
        m_printDialogs = m_ownPrintDialogs.get();
    }
    m_printing = std::make_unique<CSheetPrinting>(
        *m_frame, m_session, [view = m_view] { return view->CheckedSheetBirth(); }, m_messages,
        m_files, *m_printDialogs);
    ConnectCommands();
    m_frame->m_canClose = [this] { return m_documents->SaveModified(); };
    m_document.SetObserver([this](DocumentChange change) { OnDocumentChanged(change); });
    m_recent.SetObserver([this] { m_frame->SetRecentFiles(m_recent.Files()); });
    m_frame->SetRecentFiles(m_recent.Files());

    const QString path = FileArgument(arguments);
    if (path.isEmpty()) {
        m_documents->NewDocument();
    } else {
        QString error;
        if (!m_documents->LoadDocument(path, error)) {
            m_messages.AppMessage(error);
            return false;
        }
    }
    m_frame->show();
    CMainView* view = m_view;
    view->FitFrameToLayout();
    m_frame->FitAgainWhenDecorated([view] { view->FitFrameToLayout(); });
    return true;
}

void CVexamoApp::ConnectCommands() {
    const auto bind = [this](int command, const std::function<void()>& handler) {
        connect(m_frame->CommandAction(command), &QAction::triggered, this, handler);
    };
    CDocumentManager* documents = m_documents.get();
    bind(ID_FILE_NEW, [documents] { documents->OnFileNew(); });
    bind(ID_FILE_OPEN, [documents] { documents->OnFileOpen(); });
    bind(ID_FILE_SAVE, [documents] { documents->OnFileSave(); });
    bind(ID_FILE_SAVE_AS, [documents] { documents->OnFileSaveAs(); });
    CSheetPrinting* printing = m_printing.get();
    bind(ID_FILE_PRINT, [printing] { printing->OnFilePrint(); });
    bind(ID_FILE_PRINT_PREVIEW, [printing] { printing->OnFilePrintPreview(); });
    bind(ID_FILE_PRINT_SETUP, [printing] { printing->OnFilePrintSetup(); });
    bind(ID_FILE_EXPORT_PDF, [printing] { printing->OnExportPdf(); });
    bind(ID_FILE_EXPORT_ALL_PDF, [printing] { printing->OnExportAllPdf(); });
    bind(ID_APP_EXIT, [this] { m_frame->close(); });
    m_view->ConnectCommands(*m_frame);
    bind(ID_APP_ABOUT, [this] { OnAppAbout(); });
    bind(ID_APP_CREDITS, [this] { OnAppCredits(); });
    connect(m_frame.get(), &CMainFrame::recentFileChosen, this,
            [documents](int index) { documents->OnOpenRecentFile(index); });
    // A record file dropped on the window opens as with "Ouvrir".
    connect(m_frame.get(), &CMainFrame::fileDropped, this,
            [documents](const QString& path) { documents->OpenDocumentFile(path); });
}

void CVexamoApp::OnDocumentChanged(DocumentChange change) {
    m_frame->setWindowTitle(m_documents->FrameTitle());
    if (change == DocumentChange::Replaced) {
        m_view->OnInitialUpdate();
    } else if (change == DocumentChange::Saved) {
        m_view->OnDocumentSaved();
    }
}

void CVexamoApp::OnAppAbout() {
    CAboutDlg about(m_frame.get());
    m_dialogs->Exec(about);
}

void CVexamoApp::OnAppCredits() {
    CCreditsDialog credits(m_frame.get());
    m_dialogs->Exec(credits);
}
