#include "ui/main_view.h"

#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

#include "app/birth_input.h"
#include "app/input_check.h"
#include "app/text_catalogue.h"
#include "astro/birth.h"
#include "records/vexamo_doc.h"
#include "res/form_template.h"
#include "res/resource_ids.h"
#include "res/string_table.h"
#include "ui/dialog_units.h"
#include "ui/form_builder.h"
#include "ui/message_service.h"
#include "ui/phase_diagram.h"
#include "ui/record_list.h"

namespace {

// Pixels between the edge of the shown group box and the frame's right and bottom edges.
constexpr int kLayoutMargin = 15;

int LogicalDpi(const QWidget* widget) {
    const QScreen* screen = widget->screen();
    return screen ? qRound(screen->logicalDotsPerInch()) : 96;
}

QString LoadQString(int id) {
    return QString::fromUtf8(LoadResourceString(id));
}

} // namespace

CMainView::CMainView(CVexamoDoc& document, CMessageService& messages, QWidget* parent)
    : QWidget(parent), m_document(document), m_messages(messages),
      m_clock([] { return QDateTime::currentDateTime(); }) {
    const int dpi = LogicalDpi(this);
    setFont(FormFont(dpi));
    const DialogTemplate& form = FormTemplate130();
    resize(MapDialogRect(0, 0, form.cx, form.cy, dpi).size());
    const BuiltForm built =
        BuildForm(form, this, dpi, [](const ControlTemplate& c, QWidget* parent) -> QWidget* {
            return c.id == IDC_DIAGRAM ? new CPhaseDiagram(parent) : nullptr;
        });
    m_controls = built.byId;

    m_btnLayout = qobject_cast<QPushButton*>(Control(IDC_LAYOUT));
    m_grpOptions = qobject_cast<QGroupBox*>(Control(IDC_GROUP_OPTIONS));
    m_grpResult = qobject_cast<QGroupBox*>(Control(IDC_GROUP_RESULT));
    m_staticType = qobject_cast<QLabel*>(Control(IDC_TYPE_PICTURE));
    m_diagram = qobject_cast<CPhaseDiagram*>(Control(IDC_DIAGRAM));
    m_listDates = qobject_cast<QListWidget*>(Control(IDC_LIST_DATES));
    for (auto it = m_controls.cbegin(); it != m_controls.cend(); ++it) {
        if (qobject_cast<QLabel*>(it.value()) && !it.value()->isHidden() &&
            it.key() != IDC_TYPE_PICTURE) {
            m_resultRects.insert(it.key(), it.value()->geometry());
        }
    }

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
    } else {
        FillRecordList();
    }
    Recalculate();
    if (m_bSimple) {
        m_bSimple = false;
        OnToggleLayout();
    }
}

void CMainView::OnCalculate() {
    Recalculate();
}

void CMainView::Recalculate() {
    if (!UpdateData(true)) {
        return;
    }
    if (!ValidateInput()) {
        return;
    }
    const BirthEvaluation e = EvaluateBirth(m_nDay, m_nMonth, m_nYear, m_nHour, m_nMinute,
                                            m_nTimeZone, m_bSouthern, m_bConstZone);
    m_diagram->m_dCentreJD = e.m_dJulianDate;
    m_diagram->m_bSouthern = m_bSouthern;

    m_strJulian = QString::fromStdString(e.m_strJulianDate);
    m_strMoon = QString::fromStdString(e.m_strMoonPercent);
    m_strSun = QString::fromStdString(e.m_strSunPercent);
    m_strMondtag = QString::fromStdString(e.m_strMoonDayPercent);
    m_strEcart = QString::fromStdString(e.m_strEcartPercent);
    m_strTypeName = QString::fromUtf8(BirthTypeName(e.m_nType));
    m_strLastNew = QString::fromStdString(e.m_strLastNewMoon);
    m_strFull = QString::fromStdString(e.m_strFullMoon);
    m_strNextNew = QString::fromStdString(e.m_strNextNewMoon);
    m_strBirth = QString::fromStdString(e.m_strBirthMoment);

    m_bmpType = ResourcePixmap(e.m_nTypeBitmap);
    if (m_bmpType.isNull()) {
        m_staticType->clear();
    } else {
        m_staticType->setPixmap(m_bmpType);
    }
    m_staticType->setProperty("bitmapId", e.m_nTypeBitmap);

    UpdateData(false);
    m_diagram->update();
}

bool CMainView::ValidateInput() {
    const BirthInput input{m_nDay,    m_nMonth,    m_nYear,          m_nHour,
                           m_nMinute, m_nTimeZone, m_bSouthern != 0, m_bConstZone != 0};
    const auto refusal = InputRefusal(
        input, [this] { return m_messages.AppQuestion(LoadQString(IDS_EARLIER_CENTURY)); });
    if (refusal && *refusal != InputProblem::EarlierCentury) {
        m_messages.AppMessage(QString::fromUtf8(UserText(ProblemText(*refusal))));
    }
    return !refusal;
}

void CMainView::OnToggleLayout() {
    m_btnLayout->setText(m_bSimple ? QStringLiteral("Einfach << ") : QStringLiteral("Extras >> "));
    m_bSimple = !m_bSimple;
    FitFrameToLayout();
    Recalculate();
}

void CMainView::FitFrameToLayout() {
    QWidget* frame = window();
    if (frame == this) {
        return;
    }
    if (frame->layout()) {
        frame->layout()->activate();
    }
    const QRect frameRect = frame->frameGeometry();
    const QGroupBox* group = m_bSimple ? m_grpResult : m_grpOptions;
    // Screen position of the group's outer corner (just past its right and bottom edges).
    const QPoint corner = group->mapToGlobal(QPoint(group->width(), group->height()));
    const int width = corner.x() - frameRect.left() + kLayoutMargin;
    const int height = corner.y() - frameRect.top() + kLayoutMargin;
    // The outer size includes the window manager's decoration around the client area.
    const QSize decoration = frameRect.size() - frame->size();
    frame->resize(width - decoration.width(), height - decoration.height());
}

void CMainView::SetCurrentDate() {
    const QDateTime now = m_clock();
    m_nYear = now.date().year();
    m_nMonth = now.date().month();
    m_nDay = now.date().day();
    m_nHour = now.time().hour();
    m_nMinute = now.time().minute();
    UpdateData(false);
}

void CMainView::OnInsertCurrentDate() {
    SetCurrentDate();
    Recalculate();
}

void CMainView::EnableToolTips() {
    for (auto it = m_controls.cbegin(); it != m_controls.cend(); ++it) {
        const int stringId = ToolTipStringId(it.key());
        if (stringId != 0) {
            it.value()->setToolTip(LoadQString(stringId));
        }
    }
}
