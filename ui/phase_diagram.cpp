#include "ui/phase_diagram.h"

#include <QPainter>

#include "sheet/diagram_drawing.h"
#include "ui/diagram_image.h"

CPhaseDiagram::CPhaseDiagram(QWidget* parent) : QWidget(parent) {
    // Every paint covers the whole client area.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CPhaseDiagram::~CPhaseDiagram() = default;

void CPhaseDiagram::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const double ratio = devicePixelRatioF();
    if (ratio > 1.0) {
        // A screen with more pixels than the control's: the same lines as vectors, at the
        // screen's own resolution.
        const QImage image = DiagramPictureAt(m_dCentreJD, m_bSouthern, size(), ratio);
        if (!image.isNull()) {
            painter.drawImage(QPointF(0, 0), image);
        }
        return;
    }
    DrawDiagram(painter, size());
}

void CPhaseDiagram::DrawDiagram(QPainter& painter, const QSize& clientSize) {
    // Drawn pixel by pixel into an image of the client area, then copied in one piece.
    const QImage image = DrawDiagramImage(m_dCentreJD, m_bSouthern, clientSize, m_samples);
    if (!image.isNull()) {
        painter.drawImage(QPoint(0, 0), image);
    }
}
