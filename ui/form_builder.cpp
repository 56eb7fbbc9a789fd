#include "ui/form_builder.h"

#include <QCheckBox>
#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "ui/dialog_units.h"

namespace {

constexpr int kBaseDpi = 96;
constexpr int kLabelGap = 3; // pixels kept free before the next control on the right

QRect PixelRect(const ControlTemplate& c, int dpi) {
    return MapDialogRect(c.x, c.y, c.cx, c.cy, dpi);
}

QWidget* MakeBitmap(const ControlTemplate& c, QWidget* parent, int dpi) {
    auto* label = new QLabel(parent);
    const QRect rect = PixelRect(c, dpi);
    const QPixmap pixmap = ResourcePixmap(c.image, qGuiApp->devicePixelRatio());
    if (!pixmap.isNull()) {
        label->setPixmap(pixmap);
    }
    if (c.style & kCentred) {
        // The picture is centred in the control's own rectangle.
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(rect);
    } else {
        // The control takes the size of its picture.
        const QSize size = pixmap.isNull()
                               ? rect.size()
                               : pixmap.deviceIndependentSize().toSize() * dpi / kBaseDpi;
        label->setScaledContents(dpi != kBaseDpi);
        label->setGeometry(QRect(rect.topLeft(), size));
    }
    if (c.image != 0) {
        label->setObjectName(QStringLiteral("bitmap%1").arg(c.image));
    }
    return label;
}

QWidget* MakeControl(const ControlTemplate& c, QWidget* parent, int dpi) {
    const QString text = c.text ? QString::fromUtf8(c.text) : QString();
    switch (c.kind) {
    case ControlKind::GroupBox:
        return new QGroupBox(text, parent);
    case ControlKind::Text: {
        auto* label = new QLabel(text, parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(((c.style & kCentred) ? Qt::AlignHCenter : Qt::AlignLeft) |
                            Qt::AlignTop);
        return label;
    }
    case ControlKind::Edit:
        return new QLineEdit(parent);
    case ControlKind::PushButton: {
        auto* button = new QPushButton(text, parent);
        // As in any dialog, Enter presses the button that has the focus.
        button->setAutoDefault(true);
        button->setDefault(c.style & kDefaultButton);
        return button;
    }
    case ControlKind::CheckBox:
        return new QCheckBox(text, parent);
    case ControlKind::RadioButton:
        return new QRadioButton(text, parent);
    case ControlKind::ListBox: {
        auto* list = new QListWidget(parent);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setVerticalScrollBarPolicy((c.style & kVScroll) ? Qt::ScrollBarAsNeeded
                                                              : Qt::ScrollBarAlwaysOff);
        list->setUniformItemSizes(true);
        return list;
    }
    case ControlKind::Bitmap:
    case ControlKind::Icon:
        return MakeBitmap(c, parent, dpi);
    case ControlKind::BlackRect: {
        auto* frame = new QFrame(parent);
        frame->setAutoFillBackground(true);
        QPalette palette = frame->palette();
        palette.setColor(QPalette::Window, Qt::black);
        frame->setPalette(palette);
        return frame;
    }
    }
    return nullptr;
}

// Room to the right of a label: up to the next control beside it, within its group box.
int RightLimit(const QWidget* label, const QList<QWidget*>& all) {
    const QRect r = label->geometry();
    int limit = label->parentWidget()->width();
    for (const QWidget* other : all) {
        if (other == label || other->isHidden()) {
            continue;
        }
        const QRect o = other->geometry();
        if (qobject_cast<const QGroupBox*>(other)) {
            if (o.contains(r.topLeft()) && o.right() - 4 < limit) {
                limit = o.right() - 4;
            }
            continue;
        }
        const bool beside = o.top() < r.bottom() && o.bottom() > r.top();
        if (beside && o.left() > r.left() && o.left() - kLabelGap < limit) {
            limit = o.left() - kLabelGap;
        }
    }
    return limit;
}

// A caption longer than its box is given the free room to its right; when that is not
// enough it is wrapped onto more lines, centred on the box's middle.
void FitLabel(QLabel* label, const QList<QWidget*>& all) {
    const QFontMetrics metrics(label->font());
    const int needed = metrics.horizontalAdvance(label->text()) + 1;
    QRect r = label->geometry();
    if (needed <= r.width()) {
        return;
    }
    const int room = RightLimit(label, all) - r.left() + 1;
    if (needed <= room) {
        r.setWidth(needed);
        label->setGeometry(r);
        return;
    }
    r.setWidth(std::max(room, r.width()));
    const QRect bounds =
        metrics.boundingRect(QRect(0, 0, r.width(), 1000), Qt::TextWordWrap, label->text());
    const int height = std::max(bounds.height(), r.height());
    label->setWordWrap(true);
    label->setGeometry(r.left(), r.center().y() - height / 2, r.width(), height);
}

} // namespace

QFont FormFont(int logicalDpi) {
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(MulDiv(11, logicalDpi, kBaseDpi));
    return font;
}

QPixmap ResourcePixmap(int resourceId, qreal deviceRatio) {
    if (resourceId == 0) {
        return {};
    }
    if (deviceRatio > 1) {
        // Drawn at twice the resolution where the generator gives such a picture.
        QPixmap sharp(QStringLiteral(":/images/%1@2x.png").arg(resourceId));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2);
            return sharp;
        }
    }
    return QPixmap(QStringLiteral(":/images/%1.png").arg(resourceId));
}

BuiltForm BuildForm(const DialogTemplate& dialog, QWidget* parent, int logicalDpi,
                    const ControlFactory& factory) {
    BuiltForm form;
    QWidget* previousTabStop = nullptr;
    for (const ControlTemplate& c : dialog.controls) {
        QWidget* widget = factory ? factory(c, parent) : nullptr;
        if (!widget) {
            widget = MakeControl(c, parent, logicalDpi);
        }
        if (c.kind != ControlKind::Bitmap && c.kind != ControlKind::Icon) {
            widget->setGeometry(PixelRect(c, logicalDpi));
        }
        if (c.id != -1) {
            widget->setObjectName(QString::number(c.id));
            form.byId.insert(c.id, widget);
        }
        if (c.style & kHidden) {
            widget->hide();
        }
        if (c.style & kTabStop) {
            widget->setFocusPolicy(Qt::StrongFocus);
            if (previousTabStop) {
                QWidget::setTabOrder(previousTabStop, widget);
            }
            previousTabStop = widget;
        } else if (c.kind != ControlKind::Edit && c.kind != ControlKind::ListBox) {
            widget->setFocusPolicy(Qt::NoFocus);
        }
        form.all.append(widget);
    }
    // Frames lie beneath the controls they hold, whatever their place in the template.
    for (QWidget* widget : form.all) {
        if (qobject_cast<QGroupBox*>(widget)) {
            widget->lower();
        }
    }
    for (int i = 0; i < form.all.size(); ++i) {
        const ControlTemplate& c = dialog.controls[static_cast<std::size_t>(i)];
        if (c.kind == ControlKind::Text && c.id == -1 && !(c.style & kCentred)) {
            FitLabel(static_cast<QLabel*>(form.all[i]), form.all);
        }
    }
    return form;
}
