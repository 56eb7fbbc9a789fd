// Temporary plain rendering of the diagram control, used only while the real one is absent.
#include <QPainter>

#include "ui/phase_diagram.h"

CPhaseDiagram::CPhaseDiagram(QWidget* parent) : QWidget(parent) {}
CPhaseDiagram::~CPhaseDiagram() = default;

void CPhaseDiagram::DrawDiagram(QPainter& painter, const QSize& clientSize) {
    painter.fillRect(QRect(QPoint(0, 0), clientSize), Qt::white);
}

void CPhaseDiagram::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawDiagram(painter, size());
}
