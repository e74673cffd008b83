// The fit-to-page rule and the print job.
#include "window_printing.h"

#include <QPainter>
#include <QPrinter>
#include <cmath>

#include "exceptions.h"

namespace corvane {

QSize FitToPage(QSize picture, QSize printable) {
    const double w = picture.width(), h = picture.height();
    const double W = printable.width(), H = printable.height();
    if (w <= 0 || h <= 0) return {0, 0};
    const int p = static_cast<int>(std::lround(w * H / h));
    if (p < W) return {p, printable.height()};
    return {printable.width(), static_cast<int>(std::lround(h * W / w))};
}

void PaintPage(QPainter& painter, QSize printable, const QPixmap& picture) {
    painter.drawPixmap(QRect(QPoint(0, 0), FitToPage(picture.size(), printable)), picture);
}

void PrintPicture(QPrinter& printer, const QPixmap& picture) {
    // Qt turns a printer name it does not know into a PDF printer without a file: nothing can
    // draw on that either.
    const bool pdfWithoutFile = printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty();
    if (!printer.isValid() || pdfWithoutFile) throw EPrinter("Printer selected is not valid");
    printer.setDocName(QString());
    QPainter painter;
    if (!painter.begin(&printer)) throw EPrinter("The printer could not start the print job");
    // With the page not taken as a whole, the painter's origin is the printable area's corner.
    PaintPage(painter, QSize(printer.width(), printer.height()), picture);
    painter.end();
    if (printer.printerState() == QPrinter::Error) throw EPrinter("The print job failed");
}

}  // namespace corvane
