#pragma once
// The form view: the entered birth moment, its results, the record list and the clipboard
// commands, on the controls of form template 130.
#include <QDateTime>
#include <QHash>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>

class CMessageService;
class CPhaseDiagram;
class CVexamoDoc;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

class CMainView : public QWidget {
    Q_OBJECT
  public:
    CMainView(CVexamoDoc& document, CMessageService& messages, QWidget* parent = nullptr);
    ~CMainView() override;

    CVexamoDoc& GetDocument() const { return m_document; }
    // The control with this id (e.g. 1004), or nullptr.
    QWidget* Control(int id) const { return m_controls.value(id); }
    // The source of the current local time (tests fix it).
    void SetClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

    // Form, results and layout.
    void OnInitialUpdate();
    void OnCalculate();
    void Recalculate();
    bool ValidateInput();
    void OnToggleLayout();
    // Sizes the frame to end 15 pixels past the group box of the current layout ("Résultat :"
    // when simple, "Options :" when extended); repeated once the window manager's decoration
    // is known.
    void FitFrameToLayout();
    void SetCurrentDate();
    void OnInsertCurrentDate();

    // Record list commands.
    void OnAdd();
    void OnSelChangeList();
    void LoadSelectedRecord();
    void OnDelete();
    void OnDeleteAll();
    void FillRecordList();

    // Clipboard.
    void OnEditCopy();
    void OnCopyAll();
    void CopyToClipboard(const QString& text);

    // Members to controls (false), or controls to members (true). Reading fails, with a
    // message naming the field and the focus in it, when an integer field holds no
    // integer; the members are then left as they were.
    bool UpdateData(bool saveAndValidate = true);

    // Controls bound to the view.
    QPushButton* m_btnLayout = nullptr;
    QGroupBox* m_grpOptions = nullptr;
    QGroupBox* m_grpResult = nullptr;
    QLabel* m_staticType = nullptr;
    CPhaseDiagram* m_diagram = nullptr;
    QListWidget* m_listDates = nullptr;

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
    QPixmap m_bmpType;
    bool m_bSimple = true;

  private:
    void EnableToolTips();
    void SetText(int id, const QString& text) const;
    // Widens a result text beyond its rectangle of the form when the text needs it (very
    // early or late years), and gives it back its rectangle otherwise.
    void FitResultText(QLabel& label, const QRect& formRect) const;
    QString Text(int id) const;

    CVexamoDoc& m_document;
    CMessageService& m_messages;
    QHash<int, QWidget*> m_controls;
    QHash<int, QRect> m_resultRects; // the result texts' rectangles on the form
    std::function<QDateTime()> m_clock;
};
