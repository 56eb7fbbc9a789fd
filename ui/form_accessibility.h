#pragma once
// Names for assistive tools: every field of a form is named after its label (the text before
// it in the template, without the colon) and the label is its buddy; a result text is
// described by its label; the list and the diagram are named after their group boxes.
// Buttons and boxes are named by their own texts.
#include <QList>

#include "res/form_template.h"

class QWidget;

// all: the controls of dialog as built, in template order.
void NameFormControls(const DialogTemplate& dialog, const QList<QWidget*>& all);
