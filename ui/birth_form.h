#pragma once
// The form of template 130: its controls, the entered birth moment and the shown result texts
// as members, and the exchange between the two.
#include <QHash>
#include <QRect>
#include <QString>
#include <QWidget>
#include <cstdint>

#include "ui/form_builder.h"

class CMessageService;
class QLabel;

class CBirthForm : public QWidget {
    Q_OBJECT
  public:
    // Builds every control of the template; factory makes the controls that are not plain.
    CBirthForm(CMessageService& messages, const ControlFactory& factory, QWidget* parent);
    ~CBirthForm() override;

    // The control with this id (e.g. IDC_DAY), or nullptr.
    QWidget* Control(int id) const { return m_controls.value(id); }
    const QHash<int, QWidget*>& Controls() const { return m_controls; }

    // Members to controls (false), or controls to members (true). Reading fails, with a
    // message naming the field and the focus in it, when an integer field holds no
    // integer; the members are then left as they were.
    bool UpdateData(bool saveAndValidate = true);
    // Writes only day, month, year, hour and minute into their controls.
    void ShowDateAndTime();

    // Entered values and shown results.
    int32_t m_nDay = 0;
    int32_t m_nHour = 0;
    int32_t m_nMinute = 0;
    int32_t m_nMonth = 0;
    int32_t m_nYear = 0;
    QString m_strMoon;
    QString m_strEcart;
    QString m_strSun;
    QString m_strTypeName;
    int32_t m_bConstZone = 0;
    int32_t m_bSouthern = 0;
    QString m_strLastNew;
    QString m_strNextNew;
    QString m_strFull;
    QString m_strJulian;
    QString m_strName;
    int32_t m_nTimeZone = 1;
    QString m_strBirth;
    QString m_strMondtag;

  protected:
    CMessageService& m_messages;

  private:
    void SetText(int id, const QString& text) const;
    // Widens a result text beyond its rectangle of the form when the text needs it (very
    // early or late years), and gives it back its rectangle otherwise.
    void FitResultText(QLabel& label, const QRect& formRect) const;
    QString Text(int id) const;

    QHash<int, QWidget*> m_controls;
    QHash<int, QRect> m_resultRects; // the result texts' rectangles on the form
};
