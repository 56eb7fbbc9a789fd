#include "ui/main_view.h"

#include <QListWidget>
#include <QPushButton>

#include "app/birth_input.h"
#include "app/input_check.h"
#include "app/text_catalogue.h"
#include "astro/birth.h"
#include "records/vexamo_doc.h"
#include "res/resource_ids.h"
#include "res/string_table.h"
#include "ui/form_builder.h"
#include "ui/message_service.h"
#include "ui/phase_diagram.h"
#include "ui/record_list.h"

namespace {

QString LoadQString(int id) {
    return QString::fromUtf8(LoadResourceString(id));
}

} // namespace

CMainView::CMainView(CVexamoDoc& document, CMessageService& messages, CDialogService& dialogs,
                     QWidget* parent)
    : CBirthForm(
          messages,
          [](const ControlTemplate& c, QWidget* parent) -> QWidget* {
              return c.id == IDC_DIAGRAM ? new CPhaseDiagram(parent) : nullptr;
          },
          parent),
      m_document(document), m_dialogs(dialogs), m_layout(*this), m_results(*this),
      m_clock([] { return QDateTime::currentDateTime(); }) {
    m_listDates = qobject_cast<QListWidget*>(Control(IDC_LIST_DATES));

    const auto onClick = [this](int id, void (CMainView::*handler)()) {
        connect(qobject_cast<QPushButton*>(Control(id)), &QPushButton::clicked, this,
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

void CMainView::OnInitialUpdate() {
    UpdateData(false);
    EnableToolTips();
    ResetRecordList(*m_listDates);
    m_strName.clear();
    if (GetDocument().m_mapDateStore.GetCount() == 0) {
        SetCurrentDate();
        UpdateData(false);
    } else {
        FillRecordList();
    }
    Recalculate();
    if (m_layout.m_bSimple) {
        m_layout.m_bSimple = false;
        OnToggleLayout();
    }
}

void CMainView::OnCalculate() {
    Recalculate();
}

bool CMainView::Recalculate() {
    if (!UpdateData(true)) {
        return false;
    }
    if (!ValidateInput()) {
        return false;
    }
    Evaluate();
    return true;
}

void CMainView::Evaluate() {
    const BirthEvaluation e = EvaluateBirth(m_nDay, m_nMonth, m_nYear, m_nHour, m_nMinute,
                                            m_nTimeZone, m_bSouthern, m_bConstZone);
    m_results.Show(e, m_bSouthern);
    UpdateData(false);
    m_results.m_diagram->update();
}

bool CMainView::ValidateInput() {
    const auto refusal = InputRefusal(EnteredInput(), [this] {
        return m_messages.AppQuestion(LoadQString(IDS_EARLIER_CENTURY));
    });
    if (refusal && *refusal != InputProblem::EarlierCentury) {
        m_messages.AppMessage(QString::fromUtf8(UserText(ProblemText(*refusal))));
    }
    return !refusal;
}

void CMainView::OnToggleLayout() {
    m_layout.Toggle();
    Recalculate();
}

void CMainView::SetCurrentDate() {
    const QDateTime now = m_clock();
    m_nYear = now.date().year();
    m_nMonth = now.date().month();
    m_nDay = now.date().day();
    m_nHour = now.time().hour();
    m_nMinute = now.time().minute();
    // The other fields keep what the user typed.
    ShowDateAndTime();
}

void CMainView::OnInsertCurrentDate() {
    SetCurrentDate();
    Recalculate();
}

void CMainView::EnableToolTips() {
    for (auto it = Controls().cbegin(); it != Controls().cend(); ++it) {
        const int stringId = ToolTipStringId(it.key());
        if (stringId != 0) {
            it.value()->setToolTip(LoadQString(stringId));
        }
    }
}
