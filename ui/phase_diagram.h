#pragma once
// The plot of the Moon phase (blue) and the Sun phase (red) over the four days around a birth.
#include <QWidget>
#include <cstdint>

class QPainter;

class CPhaseDiagram : public QWidget {
    Q_OBJECT
  public:
    explicit CPhaseDiagram(QWidget* parent = nullptr);
    ~CPhaseDiagram() override;

    // Written directly by the form during an evaluation, before it asks for a repaint.
    int32_t m_bSouthern = 0;
    double m_dCentreJD = 0.0;

    // Draws frame, centre line, ticks and both curves for a client area of clientSize pixels.
    void DrawDiagram(QPainter& painter, const QSize& clientSize);

  protected:
    void paintEvent(QPaintEvent* event) override;

    // (sample cache: owned by the diagram's implementation)
};
