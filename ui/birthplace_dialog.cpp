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
#include <cstdlib>

#include "app/text_catalogue.h"
#include "places/place_catalogue.h"

namespace {

QString Tr(TextId id) {
    return QString::fromUtf8(UserText(id));
}
QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

// "UTC+01:00", "UTC-03:30", "UTC+00:53:28".
QString FormatOffset(int seconds) {
    const QChar sign = seconds < 0 ? QLatin1Char('-') : QLatin1Char('+');
    const int a = std::abs(seconds);
    QString text = QStringLiteral("UTC%1%2:%3")
                       .arg(sign)
                       .arg(a / 3600, 2, 10, QLatin1Char('0'))
                       .arg(a / 60 % 60, 2, 10, QLatin1Char('0'));
    if (a % 60 != 0) {
        text += QStringLiteral(":%1").arg(a % 60, 2, 10, QLatin1Char('0'));
    }
    return text;
}

// The form's value for an offset: "-1", or "-5:30" when it is not whole hours.
QString FormatDifference(int offsetSeconds) {
    const int difference = -offsetSeconds;
    if (difference % 3600 == 0) {
        return QString::number(difference / 3600);
    }
    const int a = std::abs(difference);
    QString text = QStringLiteral("%1%2:%3")
                       .arg(difference < 0 ? QStringLiteral("-") : QString())
                       .arg(a / 3600)
                       .arg(a / 60 % 60, 2, 10, QLatin1Char('0'));
    if (a % 60 != 0) {
        text += QStringLiteral(":%1").arg(a % 60, 2, 10, QLatin1Char('0'));
    }
    return text;
}

QString KindOfTime(const places::ZoneOffset& offset) {
    if (offset.dst) {
        return Tr(TextId::ZoneSummerTime);
    }
    return Tr(offset.abbreviation == "LMT" ? TextId::ZoneLocalMeanTime
                                           : TextId::ZoneStandardTime);
}

QString OffsetInForce(const places::ZoneOffset& offset) {
    return Tr(TextId::PlaceOffsetInForce)
        .arg(FormatOffset(offset.utcOffsetSeconds), Utf8(offset.abbreviation), KindOfTime(offset));
}

QString Shift(int seconds) {
    const int a = std::abs(seconds);
    const QString amount = a % 60 == 0 ? Tr(TextId::ZoneMinutes).arg(a / 60)
                                       : Tr(TextId::ZoneMinutesSeconds).arg(a / 60).arg(a % 60);
    return amount + QLatin1Char(' ') + Tr(seconds < 0 ? TextId::PlaceEarlier : TextId::PlaceLater);
}

QString PlaceLine(const places::Place& p) {
    QStringList parts{Utf8(p.name)};
    if (!p.region.empty() && p.region != p.name) {
        parts << Utf8(p.region);
    }
    if (!p.country.empty()) {
        parts << Utf8(p.country);
    }
    return Tr(TextId::PlaceLine).arg(parts.join(QStringLiteral(", ")), Utf8(p.zone));
}

} // namespace

CBirthplaceDialog::CBirthplaceDialog(const places::LocalMoment& moment, QWidget* parent,
                                     const places::PlaceCatalogue* catalogue)
    : QDialog(parent), m_catalogue(catalogue ? *catalogue : places::SharedPlaceCatalogue()),
      m_moment(moment) {
    setWindowTitle(Tr(TextId::PlaceTitle));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(Tr(TextId::PlaceSearchLabel), this);
    m_search = new QLineEdit(this);
    m_search->setPlaceholderText(Tr(TextId::PlaceSearchHint));
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
    m_buttons->addButton(Tr(TextId::PlaceOk), QDialogButtonBox::AcceptRole)->setDefault(true);
    m_buttons->addButton(Tr(TextId::PlaceCancel), QDialogButtonBox::RejectRole);

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
    m_chosen = m_result.hours;
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
        m_list->addItem(PlaceLine(p));
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
    m_summer->setVisible(false);
    m_winter->setVisible(false);
    m_round->setVisible(false);
    m_result = places::TimeDifference{};
    if (!place) {
        m_explanation->setText(Tr(m_search->text().trimmed().isEmpty() ? TextId::PlaceTypeToSearch
                                  : m_found.empty()                    ? TextId::PlaceNoneFound
                                                                       : TextId::PlaceChoose));
        OkButton()->setEnabled(false);
        return;
    }
    ShowResult(*place);
    OkButton()->setEnabled(m_result.Determined());
}

void CBirthplaceDialog::ShowResult(const places::Place& place) {
    using places::TimeDifferenceStatus;
    places::TimeDifferenceOptions options;
    options.dst = m_summer->isChecked()   ? places::DstChoice::Dst
                  : m_winter->isChecked() ? places::DstChoice::NoDst
                                          : places::DstChoice::None;
    options.round = m_round->isChecked();
    m_result = places::TimeDifferenceAt(place.zone, m_moment, options);

    const QString when =
        QStringLiteral("%1.%2.%3").arg(m_moment.day).arg(m_moment.month).arg(m_moment.year);
    const QString time =
        QStringLiteral("%1:%2").arg(m_moment.hour).arg(m_moment.minute, 2, 10, QLatin1Char('0'));
    QStringList lines{Tr(TextId::PlaceMomentAt).arg(when, time, Utf8(place.name))};

    const places::LocalTimeOffsets& offsets = m_result.offsets;
    if (offsets.kind == places::LocalTimeKind::Ambiguous) {
        lines << Tr(TextId::PlaceAmbiguous);
        const bool firstLarger = offsets.first.utcOffsetSeconds >= offsets.second.utcOffsetSeconds;
        const places::ZoneOffset& summer = firstLarger ? offsets.first : offsets.second;
        const places::ZoneOffset& winter = firstLarger ? offsets.second : offsets.first;
        m_summer->setText(Tr(TextId::PlaceChooseSummer)
                              .arg(FormatOffset(summer.utcOffsetSeconds), Utf8(summer.abbreviation),
                                   FormatDifference(summer.utcOffsetSeconds)));
        m_winter->setText(Tr(TextId::PlaceChooseWinter)
                              .arg(FormatOffset(winter.utcOffsetSeconds), Utf8(winter.abbreviation),
                                   FormatDifference(winter.utcOffsetSeconds)));
        m_summer->setVisible(true);
        m_winter->setVisible(true);
    }

    switch (m_result.status) {
    case TimeDifferenceStatus::Ok:
        lines << OffsetInForce(*m_result.offset);
        break;
    case TimeDifferenceStatus::Ambiguous:
        break;
    case TimeDifferenceStatus::Nonexistent:
        lines << Tr(TextId::PlaceNonexistent)
                     .arg(FormatOffset(offsets.first.utcOffsetSeconds),
                          Utf8(offsets.first.abbreviation),
                          FormatOffset(offsets.second.utcOffsetSeconds),
                          Utf8(offsets.second.abbreviation));
        break;
    case TimeDifferenceStatus::NotWholeHours:
        lines << Tr(TextId::PlaceNotWholeHours)
                     .arg(FormatOffset(m_result.offset->utcOffsetSeconds),
                          Utf8(m_result.offset->abbreviation), KindOfTime(*m_result.offset));
        m_round->setText(Tr(TextId::PlaceRoundChoice)
                             .arg(m_result.roundedHours)
                             .arg(Shift(m_result.roundingShiftSeconds)));
        m_round->setVisible(true);
        break;
    case TimeDifferenceStatus::OutOfRange:
        lines << Tr(TextId::PlaceOutOfRange)
                     .arg(FormatOffset(m_result.offset->utcOffsetSeconds),
                          Utf8(m_result.offset->abbreviation),
                          FormatDifference(m_result.offset->utcOffsetSeconds));
        break;
    case TimeDifferenceStatus::UnknownZone:
        lines << (places::IsKnownZone(place.zone)
                      ? Tr(TextId::PlaceNoZoneData)
                      : Tr(TextId::PlaceUnknownZone).arg(Utf8(place.zone)));
        break;
    }
    if (m_result.Determined()) {
        lines << Tr(TextId::PlaceResult).arg(*m_result.hours);
    }
    m_explanation->setText(lines.join(QLatin1Char('\n')));
}
