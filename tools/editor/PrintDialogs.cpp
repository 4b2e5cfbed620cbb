#include "PrintDialogs.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace orvantis {

bool TQtPrintDialogs::Print(QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    // The whole text is printed; there is no range or selection to choose.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    return dialog.exec() == QDialog::Accepted;
}

bool TQtPrintDialogs::PrinterSetup(QPrinter& printer, QWidget* parent)
{
    QPageSetupDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace orvantis
