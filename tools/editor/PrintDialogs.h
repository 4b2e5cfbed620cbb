#pragma once
// The print and printer set-up dialogs, behind an interface so that tests
// answer them without a display.

class QPrinter;
class QWidget;

namespace orvantis {

class IPrintDialogs {
public:
    virtual ~IPrintDialogs() = default;
    // False when the user cancels.
    virtual bool Print(QPrinter& printer, QWidget* parent) = 0;
    virtual bool PrinterSetup(QPrinter& printer, QWidget* parent) = 0;
};

// Qt's own dialogs.
class TQtPrintDialogs : public IPrintDialogs {
public:
    bool Print(QPrinter& printer, QWidget* parent) override;
    bool PrinterSetup(QPrinter& printer, QWidget* parent) override;
};

}  // namespace orvantis
