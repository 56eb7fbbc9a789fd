#include "ui/classic_style.h"

#include <QApplication>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleFactory>

namespace {

// Fusion with the narrow button margins of the dialog boxes the form was measured for.
class CClassicStyle : public QProxyStyle {
  public:
    CClassicStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_ButtonMargin) {
            return 2;
        }
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

const char* const kGroupBoxSheet = "QGroupBox { border: 2px groove #c0c0c0; margin-top: 6px; }"
                                   "QGroupBox::title { subcontrol-origin: margin;"
                                   " subcontrol-position: top left; left: 6px;"
                                   " padding: 0px 2px; background-color: #c0c0c0; }";

} // namespace

void ApplyClassicLook(QApplication& application) {
    application.setStyle(new CClassicStyle);
    const QColor face(192, 192, 192);
    QPalette palette = application.style()->standardPalette();
    palette.setColor(QPalette::Window, face);
    palette.setColor(QPalette::Button, face);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::ButtonText, Qt::black);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    // Greyed items (the empty recent-file entry, disabled controls) in the dialog grey text.
    const QColor grey(128, 128, 128);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, grey);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, grey);
    palette.setColor(QPalette::Disabled, QPalette::Text, grey);
    application.setPalette(palette);
    application.setStyleSheet(QString::fromUtf8(kGroupBoxSheet));
}
