#include "ui/form_accessibility.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

namespace {

// "Fuseau horaire:" -> "Fuseau horaire", "Jour :" -> "Jour".
QString WithoutColon(QString text) {
    text = text.trimmed();
    if (text.endsWith(QLatin1Char(':'))) {
        text.chop(1);
    }
    return text.trimmed();
}

// The title of the group box whose rectangle holds the control, or empty.
QString GroupTitle(const QWidget* control, const QList<QWidget*>& all) {
    for (const QWidget* widget : all) {
        const auto* group = qobject_cast<const QGroupBox*>(widget);
        if (group && group->geometry().contains(control->geometry())) {
            return WithoutColon(group->title());
        }
    }
    return {};
}

} // namespace

void NameFormControls(const DialogTemplate& dialog, const QList<QWidget*>& all) {
    const std::span<const ControlTemplate> controls = dialog.controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlTemplate& c = controls[i];
        QWidget* widget = all[static_cast<qsizetype>(i)];
        if (c.id == -1) {
            continue;
        }
        if (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QGroupBox*>(widget)) {
            continue; // named by their own texts (the layout button's changes)
        }
        const ControlTemplate* before = i > 0 ? &controls[i - 1] : nullptr;
        if (before && before->kind == ControlKind::Text && before->id == -1 && before->text) {
            const QString name = WithoutColon(QString::fromUtf8(before->text));
            if (c.kind == ControlKind::Edit) {
                widget->setAccessibleName(name);
                qobject_cast<QLabel*>(all[static_cast<qsizetype>(i - 1)])->setBuddy(widget);
            } else {
                // A result text keeps its value as its name; the label says what it is.
                widget->setAccessibleDescription(name);
            }
        } else if (c.kind == ControlKind::ListBox || c.kind == ControlKind::BlackRect) {
            widget->setAccessibleName(GroupTitle(widget, all));
        }
    }
}
