// Printing the main window: the fit-to-page rule, the page, and every way a print can fail.
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "recorders.h"
#include "tmainform.h"
#include "window_printing.h"

using namespace corvane;
using namespace corvane::testing;

namespace {

// Stands in for the system's printers and the print dialog.
struct FakePrinting : PrintService {
    std::string defaultPrinter = "Office";
    std::function<bool(QPrinter&)> dialog = [](QPrinter&) { return false; };
    int dialogsShown = 0;
    std::string DefaultPrinterName() override { return defaultPrinter; }
    bool ConfirmPrint(QPrinter& printer, QWidget*) override {
        ++dialogsShown;
        return dialog(printer);
    }
};

int PdfPageCount(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QByteArray pdf = file.readAll();
    return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page>") +
               pdf.count("/Type /Page "));
}

}  // namespace

class PrintingTest : public QObject {
    Q_OBJECT

private:
    RecordingErrors errors;
    RecordingNotices notices;
    FakePrinting printing;
    std::unique_ptr<TMainForm> form;
    QTemporaryDir dir;

private slots:
    void init() {
        errors.shown.clear();
        printing = FakePrinting();
        form = std::make_unique<TMainForm>(TMainForm::Services{&errors, &notices, {}, &printing});
        form->resize(897, 740);
    }

    void fitToPage_data() {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QSize>("page");
        QTest::addColumn<QSize>("printed");
        // A portrait A4 page at 600 dpi less its margins.
        QTest::newRow("stored window on a portrait page") << QSize(897, 740) << QSize(4760, 6814) << QSize(4760, 3927);
        QTest::newRow("maximised window") << QSize(1280, 995) << QSize(4760, 6814) << QSize(4760, 3700);
        QTest::newRow("landscape page") << QSize(897, 740) << QSize(6814, 4760) << QSize(5770, 4760);
        QTest::newRow("equal ratios") << QSize(400, 300) << QSize(800, 600) << QSize(800, 600);
        QTest::newRow("tall window") << QSize(400, 1000) << QSize(4760, 6814) << QSize(2726, 6814);
    }

    void fitToPage() {
        QFETCH(QSize, window);
        QFETCH(QSize, page);
        QFETCH(QSize, printed);
        QCOMPARE(FitToPage(window, page), printed);
    }

    void pictureLandsAtTheTopLeft() {
        QPixmap picture(90, 74);
        picture.fill(Qt::red);
        QImage page(200, 300, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        PaintPage(painter, page.size(), picture);
        painter.end();
        QCOMPARE(page.pixelColor(0, 0), QColor(Qt::red));
        QCOMPARE(page.pixelColor(199, 163), QColor(Qt::red));    // the whole width
        QCOMPARE(page.pixelColor(199, 165), QColor(Qt::white));  // then blank below
        QCOMPARE(page.pixelColor(100, 299), QColor(Qt::white));
    }

    void confirmedPrintMakesOnePage() {
        const QString path = dir.filePath("window.pdf");
        printing.dialog = [&](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            return true;
        };
        form->Form();  // the window as it stands right after start
        QTest::mouseClick(form->findChild<QPushButton*>("PrintBtn"), Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([&] { return QFile::exists(path); }, 5000));
        QVERIFY(errors.shown.empty());
        QCOMPARE(PdfPageCount(path), 1);
        QCOMPARE(form->CurrentPrinter()->printerName(), QString());  // a PDF printer has no queue
        QCOMPARE(printing.dialogsShown, 1);
    }

    void cancelledDialogPrintsNothing() {
        bool asked = false;
        printing.dialog = [&](QPrinter& printer) {
            asked = true;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(dir.filePath("cancelled.pdf"));
            printer.setPrinterName("Changed in the dialog");
            return false;
        };
        QTest::mouseClick(form->findChild<QPushButton*>("PrintBtn"), Qt::LeftButton);
        QVERIFY(asked);
        QVERIFY(!QFile::exists(dir.filePath("cancelled.pdf")));
        QVERIFY(errors.shown.empty());
    }

    void noDefaultPrinter() {
        printing.defaultPrinter.clear();
        QTest::mouseClick(form->findChild<QPushButton*>("PrintBtn"), Qt::LeftButton);
        QCOMPARE(errors.shown, std::vector<std::string>{"There is no default printer currently selected"});
        QCOMPARE(printing.dialogsShown, 0);  // the dialog does not open
    }

    void printerThatCannotBeOpened() {
        printing.defaultPrinter = "No such queue";
        printing.dialog = [](QPrinter&) { return true; };
        QTest::mouseClick(form->findChild<QPushButton*>("PrintBtn"), Qt::LeftButton);
        QCOMPARE(errors.shown, std::vector<std::string>{"Printer selected is not valid"});
    }

    void jobThatCannotStartIsReported() {
        printing.dialog = [](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName("/nonexistent-folder/window.pdf");
            return true;
        };
        QTest::mouseClick(form->findChild<QPushButton*>("PrintBtn"), Qt::LeftButton);
        QCOMPARE(errors.shown, std::vector<std::string>{"The printer could not start the print job"});
    }

    void printerIsKeptForTheRun() {
        int copiesSeen = 0;
        printing.dialog = [&](QPrinter& printer) {
            copiesSeen = printer.copyCount();
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(dir.filePath("kept.pdf"));
            printer.setCopyCount(2);
            return true;
        };
        QTest::mouseClick(form->findChild<QPushButton*>("PrintBtn"), Qt::LeftButton);
        QCOMPARE(copiesSeen, 1);
        printing.defaultPrinter.clear();  // the confirmed printer stays the current one
        QTest::mouseClick(form->findChild<QPushButton*>("PrintBtn"), Qt::LeftButton);
        QCOMPARE(copiesSeen, 2);
        QVERIFY(errors.shown.empty());
    }
};

QTEST_MAIN(PrintingTest)
#include "printing_test.moc"
