// Exchange between the view's members and the form's controls.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <array>
#include <optional>

#include "app/text_catalogue.h"
#include "res/resource_ids.h"
#include "ui/form_integer.h"
#include "ui/main_view.h"
#include "ui/message_service.h"

namespace {

struct IntegerField {
    int id;
    int32_t CMainView::*member;
    const char* label; // the field's name in the message
};

// In the order in which the form is read.
constexpr std::array<IntegerField, 6> kIntegerFields{{
    {IDC_DAY, &CMainView::m_nDay, "Jour"},
    {IDC_HOUR, &CMainView::m_nHour, "Heure"},
    {IDC_MINUTE, &CMainView::m_nMinute, "Minute"},
    {IDC_MONTH, &CMainView::m_nMonth, "Mois"},
    {IDC_YEAR, &CMainView::m_nYear, "Année"},
    {IDC_TIME_ZONE, &CMainView::m_nTimeZone, "Fuseau horaire"},
}};

struct TextField {
    int id;
    QString CMainView::*member;
};

constexpr std::array<TextField, 11> kTextFields{{
    {IDC_MOON, &CMainView::m_strMoon},
    {IDC_ECART, &CMainView::m_strEcart},
    {IDC_SUN, &CMainView::m_strSun},
    {IDC_TYPE_NAME, &CMainView::m_strTypeName},
    {IDC_LAST_NEW, &CMainView::m_strLastNew},
    {IDC_NEXT_NEW, &CMainView::m_strNextNew},
    {IDC_FULL, &CMainView::m_strFull},
    {IDC_JULIAN, &CMainView::m_strJulian},
    {IDC_NAME, &CMainView::m_strName},
    {IDC_BIRTH, &CMainView::m_strBirth},
    {IDC_MONDTAG, &CMainView::m_strMondtag},
}};

struct CheckField {
    int id;
    int32_t CMainView::*member;
};

constexpr std::array<CheckField, 2> kCheckFields{{
    {IDC_CONST_ZONE, &CMainView::m_bConstZone},
    {IDC_SOUTHERN, &CMainView::m_bSouthern},
}};

} // namespace

QString CMainView::Text(int id) const {
    const QWidget* control = Control(id);
    if (const auto* edit = qobject_cast<const QLineEdit*>(control)) {
        return edit->text();
    }
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return label->text();
    }
    return {};
}

void CMainView::SetText(int id, const QString& text) const {
    QWidget* control = Control(id);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        if (edit->text() != text) {
            edit->setText(text);
        }
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
        if (m_resultRects.contains(id)) {
            FitResultText(*label, m_resultRects.value(id));
        }
    }
}

void CMainView::FitResultText(QLabel& label, const QRect& formRect) const {
    const int needed = label.fontMetrics().horizontalAdvance(label.text()) + 1;
    QRect rect = formRect;
    if (needed > rect.width()) {
        const int extra = needed - rect.width();
        // A centred text grows on both sides, a left-aligned one to the right.
        const int left = (label.alignment() & Qt::AlignHCenter) ? extra / 2 : 0;
        rect.adjust(-left, 0, extra - left, 0);
    }
    if (label.geometry() != rect) {
        label.setGeometry(rect);
    }
}

bool CMainView::UpdateData(bool saveAndValidate) {
    if (!saveAndValidate) {
        for (const IntegerField& field : kIntegerFields) {
            SetText(field.id, QString::number(this->*field.member));
        }
        for (const TextField& field : kTextFields) {
            SetText(field.id, this->*field.member);
        }
        for (const CheckField& field : kCheckFields) {
            qobject_cast<QCheckBox*>(Control(field.id))->setChecked(this->*field.member != 0);
        }
        return true;
    }

    // Every integer is read before any member changes, so a field that holds no number
    // leaves all members as they were.
    std::array<int32_t, kIntegerFields.size()> values{};
    for (std::size_t i = 0; i < kIntegerFields.size(); ++i) {
        const IntegerField& field = kIntegerFields[i];
        const std::optional<int32_t> value = ParseFormInteger(Text(field.id));
        if (!value) {
            m_messages.AppMessage(QString::fromUtf8(UserText(TextId::FieldNotInteger))
                                      .arg(QString::fromUtf8(field.label)));
            auto* edit = qobject_cast<QLineEdit*>(Control(field.id));
            edit->setFocus();
            edit->selectAll();
            return false;
        }
        values[i] = *value;
    }
    for (std::size_t i = 0; i < kIntegerFields.size(); ++i) {
        this->*kIntegerFields[i].member = values[i];
    }
    for (const TextField& field : kTextFields) {
        this->*field.member = Text(field.id);
    }
    for (const CheckField& field : kCheckFields) {
        this->*field.member = qobject_cast<QCheckBox*>(Control(field.id))->isChecked() ? 1 : 0;
    }
    return true;
}
