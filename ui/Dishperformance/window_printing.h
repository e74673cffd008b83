// Printing the main window: a picture of its client area scaled to fit one page.
#pragma once

#include <QPixmap>
#include <QSize>

class QPainter;
class QPrinter;

namespace corvane {

// The printed size of a w × h picture on a W × H printable area: as wide as the page when the
// picture is relatively wider than the page, as tall as the page otherwise.
QSize FitToPage(QSize picture, QSize printable);

// Draws the picture at the top-left of the printable area, scaled by FitToPage.
void PaintPage(QPainter& painter, QSize printable, const QPixmap& picture);

// One job of one page on `printer`, which must already hold the chosen settings. Raises
// EPrinter when the printer cannot be opened, cannot start the job or ends in error.
void PrintPicture(QPrinter& printer, const QPixmap& picture);

}  // namespace corvane
