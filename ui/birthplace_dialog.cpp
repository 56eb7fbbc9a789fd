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

#include "app/place_list_state.h"
#include "app/zone_text.h"
#include "ui/ui_text.h"

namespace {

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

// The row the choice holds made current, without telling the dialog.
void ShowCurrent(QListWidget& list, int row) {
    const QSignalBlocker block(&list);
    list.setCurrentRow(row);
    if (row < 0) {
        list.clearSelection();
    }
}

void FillList(QListWidget& list, const std::vector<std::string>& rows) {
    const QSignalBlocker block(&list);
    list.clear();
    for (const std::string& row : rows) {
        list.addItem(Utf8(row));
    }
}

} // namespace

CBirthplaceDialog::CBirthplaceDialog(const LocalMoment& moment, QWidget* parent,
                                     const PlaceCatalogue* catalogue,
                                     std::optional<std::string> placeListProblem)
    : QDialog(parent),
      m_choice(moment, catalogue ? *catalogue : ProgramPlaces(),
               placeListProblem ? *placeListProblem
                                : (catalogue ? std::string() : PlaceListProblem())) {
    setWindowTitle(UiText(TextId::PlaceTitle));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setModal(true);

    const bool usable = m_choice.PlacesUsable();
    auto* layout = new QVBoxLayout(this);
    m_placeListNotice = new QLabel(Utf8(m_choice.PlaceListNotice()), this);
    m_placeListNotice->setWordWrap(true);
    m_placeListNotice->setTextFormat(Qt::PlainText);
    m_placeListNotice->setVisible(!usable);
    auto* label = new QLabel(UiText(TextId::PlaceSearchLabel), this);
    m_search = new QLineEdit(this);
    m_search->setPlaceholderText(UiText(TextId::PlaceSearchHint));
    m_search->setClearButtonEnabled(true);
    label->setBuddy(m_search);
    m_list = new QListWidget(this);
    m_list->setMinimumSize(560, 180);
    auto* zoneLabel = new QLabel(UiText(TextId::PlaceZoneLabel), this);
    m_zoneSearch = new QLineEdit(this);
    m_zoneSearch->setPlaceholderText(UiText(TextId::PlaceZoneHint));
    m_zoneSearch->setClearButtonEnabled(true);
    zoneLabel->setBuddy(m_zoneSearch);
    m_zoneList = new QListWidget(this);
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
    m_buttons->addButton(UiText(TextId::ButtonOk), QDialogButtonBox::AcceptRole)->setDefault(true);
    m_buttons->addButton(UiText(TextId::PlaceCancel), QDialogButtonBox::RejectRole);

    layout->addWidget(m_placeListNotice);
    layout->addWidget(label);
    layout->addWidget(m_search);
    layout->addWidget(m_list, 1);
    layout->addSpacing(layout->spacing());
    layout->addWidget(zoneLabel);
    layout->addWidget(m_zoneSearch);
    layout->addWidget(m_zoneList);
    layout->addWidget(m_explanation);
    layout->addWidget(m_summer);
    layout->addWidget(m_winter);
    layout->addWidget(m_round);
    layout->addWidget(m_buttons);

    m_search->installEventFilter(this);
    m_zoneSearch->installEventFilter(this);
    connect(m_search, &QLineEdit::textChanged, this, &CBirthplaceDialog::Search);
    connect(m_zoneSearch, &QLineEdit::textChanged, this, &CBirthplaceDialog::SearchZone);
    connect(m_list, &QListWidget::currentRowChanged, this, &CBirthplaceDialog::OnPlaceChanged);
    connect(m_zoneList, &QListWidget::currentRowChanged, this, &CBirthplaceDialog::OnZoneChanged);
    // Enter in a list reaches the default button; a double click takes the entry at once.
    connect(m_list, &QListWidget::itemDoubleClicked, this, &CBirthplaceDialog::accept);
    connect(m_zoneList, &QListWidget::itemDoubleClicked, this, &CBirthplaceDialog::accept);
    connect(m_summer, &QRadioButton::toggled, this,
            [this](bool checked) { OnDstToggled(true, checked); });
    connect(m_winter, &QRadioButton::toggled, this,
            [this](bool checked) { OnDstToggled(false, checked); });
    connect(m_round, &QCheckBox::toggled, this, [this](bool checked) {
        m_choice.SetRound(checked);
        ShowChoice();
    });
    connect(m_buttons, &QDialogButtonBox::accepted, this, &CBirthplaceDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    // Without a place list, searching it would only ever say that nothing was found: the zones
    // are what there is to choose from.
    label->setEnabled(usable);
    m_search->setEnabled(usable);
    m_list->setEnabled(usable);
    (usable ? m_search : m_zoneSearch)->setFocus();
    SearchZone(QString());
    // Five whole zones tall: the place list keeps the room.
    const int row = m_zoneList->count() > 0 ? m_zoneList->sizeHintForRow(0)
                                            : m_zoneList->fontMetrics().height();
    m_zoneList->setFixedHeight(row * 5 + 2 * m_zoneList->frameWidth());
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
    if (!m_choice.CanAccept()) {
        return;
    }
    m_chosen = m_choice.Result().timeDifference;
    QDialog::accept();
}

std::optional<int> CBirthplaceDialog::ChosenTimeDifference() const {
    return result() == QDialog::Accepted ? m_chosen : std::nullopt;
}

void CBirthplaceDialog::Search(const QString& text) {
    m_choice.SearchPlaces(text.toStdString());
    std::vector<std::string> rows;
    for (const Place& p : m_choice.Places()) {
        rows.push_back(PlaceLineText(p));
    }
    FillList(*m_list, rows);
    ShowChoice();
}

void CBirthplaceDialog::SearchZone(const QString& text) {
    m_choice.SearchZones(text.toStdString());
    FillList(*m_zoneList, m_choice.Zones());
    ShowChoice();
}

void CBirthplaceDialog::OnPlaceChanged() {
    m_choice.SelectPlace(m_list->currentRow());
    ShowChoice();
}

void CBirthplaceDialog::OnZoneChanged() {
    m_choice.SelectZone(m_zoneList->currentRow());
    ShowChoice();
}

void CBirthplaceDialog::OnDstToggled(bool summer, bool checked) {
    // The button unchecked by the other's click says nothing new.
    if (checked) {
        m_choice.SetDst(summer ? DstChoice::Dst : DstChoice::NoDst);
        ShowChoice();
    }
}

bool CBirthplaceDialog::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == m_search || watched == m_zoneSearch) && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            // The arrows move through the list below the field while the typing stays there.
            QCoreApplication::sendEvent(watched == m_search ? m_list : m_zoneList, event);
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

void CBirthplaceDialog::ShowChoice() {
    ShowCurrent(*m_list, m_choice.PlaceRow());
    ShowCurrent(*m_zoneList, m_choice.ZoneRow());
    {
        // A new place or zone: the user decides its special cases anew.
        const QSignalBlocker blockRound(m_round);
        const QSignalBlocker blockSummer(m_summer);
        const QSignalBlocker blockWinter(m_winter);
        m_round->setChecked(m_choice.Round());
        QButtonGroup* group = m_summer->group();
        group->setExclusive(false);
        m_summer->setChecked(m_choice.Dst() == DstChoice::Dst);
        m_winter->setChecked(m_choice.Dst() == DstChoice::NoDst);
        group->setExclusive(true);
    }
    // A choice is offered only where the case needs it; its label says what it gives.
    const std::string summer = m_choice.SummerText();
    const std::string round = m_choice.RoundText();
    m_summer->setText(Utf8(summer));
    m_winter->setText(Utf8(m_choice.WinterText()));
    m_round->setText(Utf8(round));
    m_summer->setVisible(!summer.empty());
    m_winter->setVisible(!summer.empty());
    m_round->setVisible(!round.empty());
    m_explanation->setText(Utf8(m_choice.Explanation()));
    OkButton()->setEnabled(m_choice.CanAccept());
}
