#pragma once
// The look the forms are laid out for: compact controls on a light-grey dialog face, group
// boxes with an etched frame whose caption sits on the top line.
class QApplication;

void ApplyClassicLook(QApplication& application);
