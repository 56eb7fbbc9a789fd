#include "ui/birthplace_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/zone_text.h"
#include "places/place_catalogue.h"
#include "ui/ui_text.h"

namespace {

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

CBirthplaceDialog::CBirthplaceDialog(const places::LocalMoment& moment, QWidget* parent,
                                     const places::PlaceCatalogue* catalogue)
    : QDialog(parent), m_catalogue(catalogue ? *catalogue : places::SharedPlaceCatalogue()),
      m_moment(moment) {
    setWindowTitle(UiText(TextId::PlaceTitle));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(UiText(TextId::PlaceSearchLabel), this);
    m_search = new QLineEdit(this);
    m_search->setPlaceholderText(UiText(TextId::PlaceSearchHint));
    m_search->setClearButtonEnabled(true);
    label->setBuddy(m_search);
    m_list = new QListWidget(this);
    m_list->setMinimumSize(560, 180);
    m_explanation = new QLabel(this);
    m_explanation->setWordWrap(true);
    m_explanation->setMinimumHeight(64);
    m_explanation->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_explanation->setTextFormat(Qt::PlainText);
    m_summer = new QRadioButton(this);
    m_winter = new QRadioButton(this);
    auto* choice = new QButtonGroup(this);
    choice->addButton(m_summer);
    choice->addButton(m_winter);
    m_round = new QCheckBox(this);
    m_buttons = new QDialogButtonBox(this);
    m_buttons->addButton(UiText(TextId::PlaceOk), QDialogButtonBox::AcceptRole)->setDefault(true);
    m_buttons->addButton(UiText(TextId::PlaceCancel), QDialogButtonBox::RejectRole);

    layout->addWidget(label);
    layout->addWidget(m_search);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_explanation);
    layout->addWidget(m_summer);
    layout->addWidget(m_winter);
    layout->addWidget(m_round);
    layout->addWidget(m_buttons);

    m_search->installEventFilter(this);
    connect(m_search, &QLineEdit::textChanged, this, &CBirthplaceDialog::Search);
    connect(m_list, &QListWidget::currentRowChanged, this, &CBirthplaceDialog::OnPlaceChanged);
    // Enter in the list reaches the default button; a double click takes the place at once.
    connect(m_list, &QListWidget::itemDoubleClicked, this, &CBirthplaceDialog::accept);
    connect(m_summer, &QRadioButton::toggled, this, &CBirthplaceDialog::Update);
    connect(m_winter, &QRadioButton::toggled, this, &CBirthplaceDialog::Update);
    connect(m_round, &QCheckBox::toggled, this, &CBirthplaceDialog::Update);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &CBirthplaceDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    m_search->setFocus();
    Update();
}

QPushButton* CBirthplaceDialog::OkButton() const {
    for (QAbstractButton* b : m_buttons->buttons()) {
        if (m_buttons->buttonRole(b) == QDialogButtonBox::AcceptRole) {
            return qobject_cast<QPushButton*>(b);
        }
    }
    return nullptr;
}

void CBirthplaceDialog::accept() {
    if (!m_result.Determined()) {
        return;
    }
    m_chosen = m_result.timeDifference;
    QDialog::accept();
}

std::optional<int> CBirthplaceDialog::ChosenTimeDifference() const {
    return result() == QDialog::Accepted ? m_chosen : std::nullopt;
}

std::optional<places::Place> CBirthplaceDialog::SelectedPlace() const {
    const int row = m_list->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= m_found.size()) {
        return std::nullopt;
    }
    return m_found[static_cast<std::size_t>(row)];
}

void CBirthplaceDialog::Search(const QString& text) {
    m_found = m_catalogue.Search(text.toStdString());
    const QSignalBlocker block(m_list);
    m_list->clear();
    for (const places::Place& p : m_found) {
        m_list->addItem(Utf8(PlaceLineText(p)));
    }
    if (!m_found.empty()) {
        m_list->setCurrentRow(0);
    }
    OnPlaceChanged();
}

void CBirthplaceDialog::OnPlaceChanged() {
    // A new place: the user decides its special cases anew.
    const QSignalBlocker blockRound(m_round);
    const QSignalBlocker blockSummer(m_summer);
    const QSignalBlocker blockWinter(m_winter);
    m_round->setChecked(false);
    QButtonGroup* group = m_summer->group();
    group->setExclusive(false);
    m_summer->setChecked(false);
    m_winter->setChecked(false);
    group->setExclusive(true);
    Update();
}

bool CBirthplaceDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_search && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            // The arrows move through the places while the typing stays in the field.
            QCoreApplication::sendEvent(m_list, event);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // Enter takes the value when there is one, and otherwise keeps the dialog open.
            accept();
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CBirthplaceDialog::Update() {
    const std::optional<places::Place> place = SelectedPlace();
    if (!place) {
        m_result = ZoneResolution{};
        m_summer->setVisible(false);
        m_winter->setVisible(false);
        m_round->setVisible(false);
        m_explanation->setText(UiText(m_search->text().trimmed().isEmpty()
                                          ? TextId::PlaceTypeToSearch
                                      : m_found.empty() ? TextId::PlaceNoneFound
                                                        : TextId::PlaceChoose));
        OkButton()->setEnabled(false);
        return;
    }
    ZoneChoice choice;
    choice.dst = m_summer->isChecked()   ? places::DstChoice::Dst
                 : m_winter->isChecked() ? places::DstChoice::NoDst
                                         : places::DstChoice::None;
    choice.round = m_round->isChecked();
    m_result = ResolvePlaceZone(*place, m_moment, choice);
    ShowResult();
    OkButton()->setEnabled(m_result.Determined());
}

void CBirthplaceDialog::ShowResult() {
    // A choice is offered only where the case needs it; its label says what it gives.
    const std::string summer = DstChoiceText(m_result, true);
    const std::string round = RoundChoiceText(m_result);
    m_summer->setText(Utf8(summer));
    m_winter->setText(Utf8(DstChoiceText(m_result, false)));
    m_round->setText(Utf8(round));
    m_summer->setVisible(!summer.empty());
    m_winter->setVisible(!summer.empty());
    m_round->setVisible(!round.empty());
    m_explanation->setText(Utf8(ZoneExplanationText(m_result, m_moment)));
}
