#pragma once
// The results of an evaluation on the form: the texts, the picture of the type and the
// phase diagram.
#include <QPixmap>

struct BirthEvaluation;
class CBirthForm;
class CPhaseDiagram;
class QLabel;

class CResultsDisplay {
  public:
    // The result texts start empty.
    explicit CResultsDisplay(CBirthForm& form);

    // Shows the evaluation's texts in the form's result controls, the type's picture in its
    // control and the moment in the diagram, which is repainted.
    void Show(const BirthEvaluation& evaluation, bool southern);
    // The diagram control ("Copier le diagramme" puts its picture on the clipboard).
    CPhaseDiagram& Diagram() const { return *m_diagram; }

  private:
    CBirthForm& m_form;
    QLabel* m_staticType = nullptr;
    CPhaseDiagram* m_diagram = nullptr;
    QPixmap m_bmpType;
};
