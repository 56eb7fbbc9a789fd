#pragma once
// "Copier le diagramme": the phase diagram control as a picture on the clipboard.
class CMessageService;
class QWidget;

// Puts on the clipboard the picture diagram shows, pixel for pixel; says so in a message when
// there is no clipboard.
void CopyDiagramToClipboard(QWidget& diagram, CMessageService& messages);
