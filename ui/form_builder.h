#pragma once
// Creates the controls of a dialog template as child widgets of a parent.
#include <QHash>
#include <QWidget>
#include <functional>

#include "res/form_template.h"

class QFont;

// The font the forms are laid out for: a small sans-serif face whose text fits the boxes
// measured in dialog units.
QFont FormFont(int logicalDpi);

// The picture of a bitmap or icon resource; null when it is not embedded. On a screen of a
// device pixel ratio above 1, its twice-resolution drawing where there is one.
QPixmap ResourcePixmap(int resourceId, qreal deviceRatio = 1);

struct BuiltForm {
    QHash<int, QWidget*> byId; // controls that have an id
    QList<QWidget*> all;       // every control, in template order
};

// Factory for controls the builder does not know how to make (the black rectangle);
// returns nullptr to let the builder make a plain frame.
using ControlFactory = std::function<QWidget*(const ControlTemplate&, QWidget* parent)>;

// Creates every control of dialog on parent: kind, pixel rectangle, text, style and tab
// order. Controls with an id get that id as their objectName (e.g. "1004").
BuiltForm BuildForm(const DialogTemplate& dialog, QWidget* parent, int logicalDpi,
                    const ControlFactory& factory = {});
