// The print dialog with every setting at its default: all pages, no page or selection range,
// no print-to-file box.
#include "print_dialog.h"

#include <QPrintDialog>
#include <QPrinterInfo>

namespace corvane {

std::string QtPrintService::DefaultPrinterName() { return QPrinterInfo::defaultPrinterName().toStdString(); }

bool QtPrintService::ConfirmPrint(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace corvane
