#include "ui/credits_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtGlobal>

#include "app/credits.h"
#include "ui/ui_text.h"

CCreditsDialog::CCreditsDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("creditsDialog"));
    setWindowTitle(UiText(TextId::CreditsTitle));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    // The Qt in use, which may be newer than the one the program was built with.
    auto* text = new QLabel(QString::fromStdString(CreditsText(qVersion())), this);
    text->setObjectName(QStringLiteral("creditsText"));
    text->setTextFormat(Qt::PlainText);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto* ok = new QPushButton(UiText(TextId::ButtonOk), this);
    ok->setObjectName(QStringLiteral("creditsOk"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(ok, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ok->setFocus();
}
