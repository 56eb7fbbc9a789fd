#include "ui/vexamo_app.h"

#include <QApplication>

#include "res/resource_ids.h"
#include "ui/about_dlg.h"
#include "ui/document_manager.h"
#include "ui/main_frame.h"
#include "ui/main_view.h"
#include "ui/message_service.h"

CVexamoApp::CVexamoApp(CMessageService& messages, CFileDialogService& files, CRecentFileList recent)
    : m_messages(messages), m_files(files), m_recent(std::move(recent)) {}

CVexamoApp::~CVexamoApp() = default;

bool CVexamoApp::InitInstance(const QStringList& arguments) {
    m_recent.Load();
    m_frame = std::make_unique<CMainFrame>();
    m_view = new CMainView(m_document, m_messages, m_frame.get());
    m_frame->setCentralWidget(m_view);
    if (m_clock) {
        m_view->SetClock(m_clock);
    }
    m_documents = std::make_unique<CDocumentManager>(m_document, *m_view, *m_frame, m_messages,
                                                     m_files, m_recent);
    connect(m_frame.get(), &CMainFrame::commandRequested, this, &CVexamoApp::OnCommand);
    m_frame->m_canClose = [this] { return m_documents->SaveModified(); };

    // The first argument that is not an option names the file to open.
    QString path;
    for (const QString& argument : arguments) {
        if (!argument.startsWith(QLatin1Char('-'))) {
            path = argument;
            break;
        }
    }
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
    m_view->FitFrameToLayout();
    m_frame->FitAgainWhenDecorated([view = m_view] { view->FitFrameToLayout(); });
    return true;
}

void CVexamoApp::OnAppAbout() {
    CAboutDlg about(m_frame.get());
    about.exec();
}

void CVexamoApp::OnCommand(int command) {
    switch (command) {
    case ID_FILE_NEW:
        m_documents->OnFileNew();
        return;
    case ID_FILE_OPEN:
        m_documents->OnFileOpen();
        return;
    case ID_FILE_SAVE:
        m_documents->OnFileSave();
        return;
    case ID_FILE_SAVE_AS:
        m_documents->OnFileSaveAs();
        return;
    case ID_APP_EXIT:
        m_frame->close();
        return;
    case ID_APP_ABOUT:
        OnAppAbout();
        return;
    case ID_EDIT_COPY:
        m_view->OnEditCopy();
        return;
    case ID_COPY_ALL:
        m_view->OnCopyAll();
        return;
    case ID_INSERT_CURRENT_DATE:
        m_view->OnInsertCurrentDate();
        return;
    default:
        if (command >= ID_FILE_MRU_FILE1 && command <= ID_FILE_MRU_FILE4) {
            m_documents->OnOpenRecentFile(command - ID_FILE_MRU_FILE1);
        }
        return;
    }
}
