#include "ui/about_dlg.h"

#include <QPushButton>
#include <QScreen>

#include "res/form_template.h"
#include "res/resource_ids.h"
#include "ui/dialog_units.h"
#include "ui/form_builder.h"

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    const QScreen* screen = this->screen();
    const int dpi = screen ? qRound(screen->logicalDotsPerInch()) : 96;
    const DialogTemplate& about = AboutTemplate100();
    setFont(FormFont(dpi));
    setWindowTitle(QString::fromUtf8(about.title));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setFixedSize(MapDialogRect(0, 0, about.cx, about.cy, dpi).size());
    const BuiltForm form = BuildForm(about, this, dpi);
    if (auto* ok = qobject_cast<QPushButton*>(form.byId.value(IDOK))) {
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
        ok->setFocus();
    }
}
