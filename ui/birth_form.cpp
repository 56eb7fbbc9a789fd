#include "ui/birth_form.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <optional>

#include "app/form_fields.h"
#include "res/resource_ids.h"
#include "ui/dialog_units.h"
#include "ui/form_accessibility.h"
#include "ui/form_integer.h"
#include "ui/message_service.h"
#include "ui/ui_text.h"

namespace {

int LogicalDpi(const QWidget* widget) {
    const QScreen* screen = widget->screen();
    return screen ? qRound(screen->logicalDotsPerInch()) : 96;
}

} // namespace

CBirthForm::CBirthForm(CMessageService& messages, const ControlFactory& factory, QWidget* parent)
    : QWidget(parent), m_messages(messages) {
    const int dpi = LogicalDpi(this);
    setFont(FormFont(dpi));
    const DialogTemplate& form = FormTemplate130();
    resize(MapDialogRect(0, 0, form.cx, form.cy, dpi).size());
    const BuiltForm built = BuildForm(form, this, dpi, factory);
    m_controls = built.byId;
    NameFormControls(form, built.all);
    for (auto it = m_controls.cbegin(); it != m_controls.cend(); ++it) {
        if (qobject_cast<QLabel*>(it.value()) && !it.value()->isHidden() &&
            it.key() != IDC_TYPE_PICTURE) {
            m_resultRects.insert(it.key(), it.value()->geometry());
        }
    }
}

CBirthForm::~CBirthForm() = default;

QString CBirthForm::Text(int id) const {
    const QWidget* control = Control(id);
    if (const auto* edit = qobject_cast<const QLineEdit*>(control)) {
        return edit->text();
    }
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return label->text();
    }
    return {};
}

void CBirthForm::ShowText(int id, const QString& text) {
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

void CBirthForm::FitResultText(QLabel& label, const QRect& formRect) const {
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

void CBirthForm::ShowDateAndTime() {
    for (const FormIntegerField& field : FormIntegerFields()) {
        if (field.id != IDC_TIME_ZONE) {
            ShowText(field.id, QString::number(m_input.*field.member));
        }
    }
}

void CBirthForm::ShowFields() {
    for (const FormIntegerField& field : FormIntegerFields()) {
        ShowText(field.id, QString::number(m_input.*field.member));
    }
    ShowText(IDC_NAME, m_name);
    for (const FormCheckField& field : FormCheckFields()) {
        qobject_cast<QCheckBox*>(Control(field.id))->setChecked(m_input.*field.member);
    }
}

bool CBirthForm::ReadFields() {
    // Every integer is read before anything is taken, so a field that holds no number
    // leaves the input as it was.
    BirthInput input = m_input;
    for (const FormIntegerField& field : FormIntegerFields()) {
        const std::optional<int32_t> value = ParseFormInteger(Text(field.id));
        if (!value) {
            // The field is named by its label on the form.
            auto* edit = qobject_cast<QLineEdit*>(Control(field.id));
            m_messages.AppMessage(UiText(TextId::FieldNotInteger, {edit->accessibleName()}));
            edit->setFocus();
            edit->selectAll();
            return false;
        }
        input.*field.member = *value;
    }
    for (const FormCheckField& field : FormCheckFields()) {
        input.*field.member = qobject_cast<QCheckBox*>(Control(field.id))->isChecked();
    }
    m_input = input;
    m_name = Text(IDC_NAME);
    return true;
}
