#pragma once
// The print, print preview and page set-up dialogs are run through this service, so tests can
// answer them without a modal loop.
#include <functional>

class QPrinter;
class QWidget;

class CPrintDialogService {
  public:
    virtual ~CPrintDialogService() = default;
    // Lets the user choose the printer and its options; true when printing is to go ahead.
    virtual bool ChoosePrinter(QPrinter& printer, QWidget* parent) = 0;
    // Lets the user choose page size, orientation and margins; true when they were accepted.
    virtual bool SetUpPage(QPrinter& printer, QWidget* parent) = 0;
    // Shows the pages paint draws on the printer it is given, until the user closes the view
    // (and may print from it).
    virtual void Preview(QPrinter& printer, QWidget* parent,
                         const std::function<void(QPrinter&)>& paint) = 0;
};
