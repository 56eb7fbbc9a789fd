#pragma once
// The results of an evaluation on the form: the texts, the picture of the type and the
// phase diagram.
#include <QPixmap>
#include <cstdint>

struct BirthEvaluation;
class CBirthForm;
class CPhaseDiagram;
class QLabel;

class CResultsDisplay {
  public:
    explicit CResultsDisplay(CBirthForm& form);

    // Puts the evaluation's texts into the form's result members, the type's picture into
    // its control and the moment into the diagram; the caller shows the members and asks
    // the diagram to repaint.
    void Show(const BirthEvaluation& evaluation, int32_t southern);

    QLabel* m_staticType = nullptr;
    CPhaseDiagram* m_diagram = nullptr;
    QPixmap m_bmpType;

  private:
    CBirthForm& m_form;
};
