#pragma once
// The form of template 130: its controls, the birth entered in them and the name, and the
// exchange between the fields and the entered values. The result texts are shown in their
// controls as they come.
#include <QHash>
#include <QRect>
#include <QString>
#include <QWidget>

#include "app/birth_input.h"
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

    // The birth and the name as last read from the fields or set.
    const BirthInput& Input() const { return m_input; }
    const QString& Name() const { return m_name; }
    void SetInput(const BirthInput& input) { m_input = input; }
    void SetName(const QString& name) { m_name = name; }

    // Reads the fields into the input and the name. Fails, with a message naming the field
    // and the focus in it, when an integer field holds no integer; nothing is taken then.
    bool ReadFields();
    // Shows the input and the name in their fields.
    void ShowFields();
    // Shows only day, month, year, hour and minute in their fields.
    void ShowDateAndTime();

    // Shows a result text in its control, widened when the text needs more room.
    void ShowText(int id, const QString& text);
    // The text a field or result control shows.
    QString Text(int id) const;

  private:
    // Widens a result text beyond its rectangle of the form when the text needs it (very
    // early or late years), and gives it back its rectangle otherwise.
    void FitResultText(QLabel& label, const QRect& formRect) const;

    CMessageService& m_messages;
    BirthInput m_input;
    QString m_name;
    QHash<int, QWidget*> m_controls;
    QHash<int, QRect> m_resultRects; // the result texts' rectangles on the form
};
