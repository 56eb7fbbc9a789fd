#pragma once
// The plot of the Moon phase (blue) and the Sun phase (red) over the four days around a birth.
#include <QWidget>
#include <cstdint>

#include "sheet/diagram_samples.h"

class QPainter;

class CPhaseDiagram : public QWidget {
    Q_OBJECT
  public:
    explicit CPhaseDiagram(QWidget* parent = nullptr);
    ~CPhaseDiagram() override;

    // Written directly by the form during an evaluation, before it asks for a repaint.
    int32_t m_bSouthern = 0;
    double m_dCentreJD = 0.0;

    // The samples kept from the last drawing (tests check their reuse).
    const DiagramSampleCache& SampleCache() const { return m_samples; }

    // Draws frame, centre line, ticks and both curves for a client area of clientSize pixels.
    void DrawDiagram(QPainter& painter, const QSize& clientSize);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // Both curves of the last drawing, reused while centre, flag and size stay the same.
    DiagramSampleCache m_samples;
};
