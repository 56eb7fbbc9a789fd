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

void ClearCurrent(QListWidget& list) {
    const QSignalBlocker block(&list);
    list.setCurrentRow(-1);
    list.clearSelection();
}

} // namespace

CBirthplaceDialog::CBirthplaceDialog(const LocalMoment& moment, QWidget* parent,
                                     const PlaceCatalogue* catalogue,
                                     std::optional<std::string> placeListProblem)
    : QDialog(parent), m_catalogue(catalogue ? *catalogue : ProgramPlaces()), m_moment(moment) {
    setWindowTitle(UiText(TextId::PlaceTitle));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setModal(true);

    const std::string problem = placeListProblem ? *placeListProblem : PlaceListProblem();
    m_placesUsable = problem.empty();
    auto* layout = new QVBoxLayout(this);
    m_placeListNotice = new QLabel(Utf8(problem), this);
    m_placeListNotice->setWordWrap(true);
    m_placeListNotice->setTextFormat(Qt::PlainText);
    m_placeListNotice->setVisible(!m_placesUsable);
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
    connect(m_summer, &QRadioButton::toggled, this, &CBirthplaceDialog::Update);
    connect(m_winter, &QRadioButton::toggled, this, &CBirthplaceDialog::Update);
    connect(m_round, &QCheckBox::toggled, this, &CBirthplaceDialog::Update);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &CBirthplaceDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    // Without a place list, searching it would only ever say that nothing was found: the zones
    // are what there is to choose from.
    label->setEnabled(m_placesUsable);
    m_search->setEnabled(m_placesUsable);
    m_list->setEnabled(m_placesUsable);
    (m_placesUsable ? m_search : m_zoneSearch)->setFocus();
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
    if (!m_result.Determined()) {
        return;
    }
    m_chosen = m_result.timeDifference;
    QDialog::accept();
}

std::optional<int> CBirthplaceDialog::ChosenTimeDifference() const {
    return result() == QDialog::Accepted ? m_chosen : std::nullopt;
}

std::optional<Place> CBirthplaceDialog::SelectedPlace() const {
    const int row = m_list->currentRow();
    if (m_source != Source::Place || row < 0 || static_cast<std::size_t>(row) >= m_found.size()) {
        return std::nullopt;
    }
    return m_found[static_cast<std::size_t>(row)];
}

std::optional<std::string> CBirthplaceDialog::SelectedZone() const {
    const int row = m_zoneList->currentRow();
    if (m_source != Source::Zone || row < 0 || static_cast<std::size_t>(row) >= m_zones.size()) {
        return std::nullopt;
    }
    return m_zones[static_cast<std::size_t>(row)];
}

void CBirthplaceDialog::Search(const QString& text) {
    m_found = SearchPlaces(m_catalogue, text.toStdString());
    {
        const QSignalBlocker block(m_list);
        m_list->clear();
        for (const Place& p : m_found) {
            m_list->addItem(Utf8(PlaceLineText(p)));
        }
        if (!m_found.empty()) {
            m_list->setCurrentRow(0);
        }
    }
    // Typing a place name takes over from a zone chosen before.
    m_source = Source::Place;
    ClearCurrent(*m_zoneList);
    ResetChoices();
    Update();
}

void CBirthplaceDialog::SearchZone(const QString& text) {
    const QString wanted = text.trimmed();
    m_zones = SearchZones(wanted.toStdString());
    {
        const QSignalBlocker block(m_zoneList);
        m_zoneList->clear();
        for (const std::string& zone : m_zones) {
            m_zoneList->addItem(Utf8(zone));
        }
    }
    if (wanted.isEmpty()) {
        // All zones listed to browse, none chosen: the place list speaks.
        m_source = Source::Place;
    } else {
        m_source = Source::Zone;
        ClearCurrent(*m_list);
        if (!m_zones.empty()) {
            const QSignalBlocker block(m_zoneList);
            m_zoneList->setCurrentRow(0);
        }
    }
    ResetChoices();
    Update();
}

void CBirthplaceDialog::OnPlaceChanged() {
    if (m_list->currentRow() >= 0) {
        m_source = Source::Place;
        ClearCurrent(*m_zoneList);
    }
    ResetChoices();
    Update();
}

void CBirthplaceDialog::OnZoneChanged() {
    if (m_zoneList->currentRow() >= 0) {
        m_source = Source::Zone;
        ClearCurrent(*m_list);
    }
    ResetChoices();
    Update();
}

void CBirthplaceDialog::ResetChoices() {
    // A new place or zone: the user decides its special cases anew.
    const QSignalBlocker blockRound(m_round);
    const QSignalBlocker blockSummer(m_summer);
    const QSignalBlocker blockWinter(m_winter);
    m_round->setChecked(false);
    QButtonGroup* group = m_summer->group();
    group->setExclusive(false);
    m_summer->setChecked(false);
    m_winter->setChecked(false);
    group->setExclusive(true);
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

void CBirthplaceDialog::Update() {
    const std::optional<Place> place = SelectedPlace();
    const std::optional<std::string> zone = SelectedZone();
    if (!place && !zone) {
        ShowNothingChosen();
        return;
    }
    ZoneChoice choice;
    choice.dst = m_summer->isChecked()   ? DstChoice::Dst
                 : m_winter->isChecked() ? DstChoice::NoDst
                                         : DstChoice::None;
    choice.round = m_round->isChecked();
    // A zone chosen by name is resolved exactly as a place's zone is.
    m_result = place ? ResolvePlaceZone(*place, m_moment, choice)
                     : ResolveZone({ZoneSource::Kind::Zone, *zone}, m_moment, choice);
    ShowResult();
    OkButton()->setEnabled(m_result.Determined());
}

void CBirthplaceDialog::ShowNothingChosen() {
    m_result = ZoneResolution{};
    m_summer->setVisible(false);
    m_winter->setVisible(false);
    m_round->setVisible(false);
    OkButton()->setEnabled(false);
    TextId text = TextId::PlaceChoose;
    if (m_source == Source::Zone) {
        text = m_zones.empty() ? TextId::PlaceNoZoneFound : TextId::PlaceChoose;
    } else if (!m_placesUsable) {
        // Nothing to type or choose among places: the notice above says what to do instead.
        m_explanation->clear();
        return;
    } else if (m_search->text().trimmed().isEmpty()) {
        text = TextId::PlaceTypeToSearch;
    } else if (m_found.empty()) {
        text = TextId::PlaceNoneFound;
    }
    m_explanation->setText(UiText(text));
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
