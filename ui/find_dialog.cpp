#include "ui/find_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "ui/ui_text.h"

CFindDialog::CFindDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("findDialog"));
    setWindowTitle(UiText(TextId::FindTitle));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setModal(false);

    auto* label = new QLabel(UiText(TextId::FindLabel), this);
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("findText"));
    m_text->setMinimumWidth(m_text->fontMetrics().averageCharWidth() * 32);
    label->setBuddy(m_text);
    auto* next = new QPushButton(UiText(TextId::FindNext), this);
    next->setObjectName(QStringLiteral("findNext"));
    next->setDefault(true);
    auto* close = new QPushButton(UiText(TextId::FindClose), this);
    close->setObjectName(QStringLiteral("findClose"));
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("findStatus"));
    // Read out when it changes, as a status line is.
    m_status->setAccessibleName(UiText(TextId::FindTitle));

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(next);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(m_status);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_text, &QLineEdit::textEdited, this, &CFindDialog::queryEdited);
    connect(next, &QPushButton::clicked, this, &CFindDialog::nextRequested);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    // F3 goes on from the dialog too, as it does from the main window.
    auto* repeat = new QShortcut(QKeySequence(Qt::Key_F3), this);
    connect(repeat, &QShortcut::activated, this, &CFindDialog::nextRequested);
}

QString CFindDialog::Query() const {
    return m_text->text();
}

void CFindDialog::Present() {
    show();
    raise();
    activateWindow();
    m_text->setFocus();
    m_text->selectAll();
}

void CFindDialog::SetStatus(const QString& status) {
    m_status->setText(status);
}
