#include "ui/main_view.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>

#include "app/input_check.h"
#include "app/zone_default.h"
#include "app/zone_resolution.h"
#include "res/resource_ids.h"
#include "res/string_table.h"
#include "ui/birth_form.h"
#include "ui/diagram_clipboard.h"
#include "ui/form_builder.h"
#include "ui/main_frame.h"
#include "ui/message_service.h"
#include "ui/phase_diagram.h"
#include "ui/record_list.h"
#include "ui/ui_text.h"

namespace {

QString LoadQString(int id) {
    return QString::fromUtf8(LoadResourceString(id));
}

CBirthForm* MakeForm(CMessageService& messages, QWidget* view) {
    return new CBirthForm(
        messages,
        [](const ControlTemplate& c, QWidget* parent) -> QWidget* {
            return c.id == IDC_DIAGRAM ? new CPhaseDiagram(parent) : nullptr;
        },
        view);
}

} // namespace

CMainView::CMainView(DocumentSession& session, CMessageService& messages, CDialogService& dialogs,
                     QWidget* parent)
    : QWidget(parent), m_session(session), m_messages(messages), m_dialogs(dialogs),
      m_form(MakeForm(messages, this)),
      m_listDates(qobject_cast<QListWidget*>(m_form->Control(IDC_LIST_DATES))), m_layout(*m_form),
      m_results(*m_form), m_clock([] { return QDateTime::currentDateTime(); }),
      m_computerZone([] { return ComputerZone(); }) {
    resize(m_form->size());
    ConnectTimeZoneField();

    const auto onClick = [this](int id, void (CMainView::*handler)()) {
        connect(qobject_cast<QPushButton*>(m_form->Control(id)), &QPushButton::clicked, this,
                [this, handler] { (this->*handler)(); });
    };
    onClick(IDC_LAYOUT, &CMainView::OnToggleLayout);
    onClick(IDC_CALCULATE, &CMainView::OnCalculate);
    onClick(IDC_ADD, &CMainView::OnAdd);
    onClick(IDC_DELETE, &CMainView::OnDelete);
    onClick(IDC_DELETE_ALL, &CMainView::OnDeleteAll);
    // Programmatic changes of the list are made with its signals blocked, so this is the
    // user's selection only.
    connect(m_listDates, &QListWidget::itemSelectionChanged, this, [this] {
        if (!m_listDates->selectedItems().isEmpty()) {
            OnSelChangeList();
        }
    });
}

CMainView::~CMainView() = default;

void CMainView::ConnectCommands(const CMainFrame& frame) {
    const auto onAction = [this, &frame](int command, void (CMainView::*handler)()) {
        connect(frame.CommandAction(command), &QAction::triggered, this,
                [this, handler] { (this->*handler)(); });
    };
    onAction(ID_EDIT_COPY, &CMainView::OnEditCopy);
    onAction(ID_COPY_ALL, &CMainView::OnCopyAll);
    onAction(ID_INSERT_CURRENT_DATE, &CMainView::OnInsertCurrentDate);
    onAction(ID_INSERT_BIRTHPLACE, &CMainView::OnInsertBirthplace);
    connect(frame.CommandAction(ID_EDIT_COPY_DIAGRAM), &QAction::triggered, this,
            [this] { CopyDiagramToClipboard(m_results.Diagram(), m_messages); });
    onAction(ID_EDIT_UNDO, &CMainView::OnEditUndo);
    onAction(ID_EDIT_REDO, &CMainView::OnEditRedo);
    onAction(ID_EDIT_FIND, &CMainView::OnEditFind);
    onAction(ID_EDIT_REPEAT, &CMainView::OnEditRepeat);
    m_undoAction = frame.CommandAction(ID_EDIT_UNDO);
    m_redoAction = frame.CommandAction(ID_EDIT_REDO);
    UpdateUndoCommands();
}

const BirthInput& CMainView::Input() const {
    return m_form->Input();
}

void CMainView::OnInitialUpdate() {
    // A new or opened document: field 1022 follows the computer's zone until a record is
    // selected or the user gives a value.
    m_followComputerZone = true;
    m_history.Clear();
    UpdateUndoCommands();
    m_searchReady = false;
    m_form->ShowFields();
    EnableToolTips();
    ResetRecordList(*m_listDates);
    m_form->SetName(QString());
    if (m_session.Store().GetCount() == 0) {
        SetCurrentDate();
        m_form->ShowFields();
    } else {
        FillRecordList();
    }
    Recalculate();
    if (m_layout.IsSimple()) {
        m_layout.Reapply();
        Recalculate();
    }
}

void CMainView::OnCalculate() {
    Recalculate();
}

bool CMainView::Recalculate() {
    if (!m_form->ReadFields()) {
        return false;
    }
    if (!ValidateInput()) {
        return false;
    }
    FollowComputerZone();
    Evaluate();
    return true;
}

void CMainView::Evaluate() {
    const BirthInput& input = m_form->Input();
    m_results.Show(::Evaluate(input), input.southern);
    m_form->ShowFields();
}

bool CMainView::ValidateInput() {
    const auto refusal = InputRefusal(m_form->Input(), [this] {
        return m_messages.AppQuestion(LoadQString(IDS_EARLIER_CENTURY));
    });
    if (refusal && *refusal != InputProblem::EarlierCentury) {
        m_messages.AppMessage(QString::fromStdString(ProblemMessage(*refusal, m_form->Input())));
    }
    return !refusal;
}

void CMainView::OnToggleLayout() {
    m_layout.Toggle();
    Recalculate();
}

void CMainView::SetCurrentDate() {
    const QDateTime now = m_clock();
    BirthInput input = m_form->Input();
    SetLocalMoment(input, {now.date().year(), now.date().month(), now.date().day(),
                           now.time().hour(), now.time().minute()});
    m_form->SetInput(input);
    // The other fields keep what the user typed.
    m_form->ShowDateAndTime();
}

void CMainView::OnInsertCurrentDate() {
    SetCurrentDate();
    Recalculate();
}

void CMainView::EnableToolTips() {
    for (auto it = m_form->Controls().cbegin(); it != m_form->Controls().cend(); ++it) {
        const int stringId = ToolTipStringId(it.key());
        if (stringId != 0) {
            it.value()->setToolTip(LoadQString(stringId));
        }
    }
    ShowTimeZoneMeaning();
}
