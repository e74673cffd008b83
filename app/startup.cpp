// Start-up in its fixed order: numbers, application, main window, about box, detector help,
// equation list, then the event loop.
#include "startup.h"

#include <QApplication>
#include <QFile>
#include <QLocale>

#include "jpeg_image.h"
#include "message_boxes.h"
#include "numeric_environment.h"
#include "print_dialog.h"
#include "shell_texts.h"
#include "taboutbox.h"
#include "tdetectorform.h"
#include "tequationlist.h"
#include "tmainform.h"

// The picture and the icon are compiled into the window library.
static void InitResources() { Q_INIT_RESOURCE(resources); }

namespace corvane {
namespace {

// The last line of defence: an error that escapes a handler reaches the error box here
// instead of unwinding through Qt's event dispatch.
class CorvaneApplication : public QApplication {
public:
    CorvaneApplication(int& argc, char** argv) : QApplication(argc, argv) {}
    ErrorPresenter* errors = nullptr;

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const Exception& e) {
            if (errors) errors->ShowError(e.Message());
        } catch (...) {
            if (errors) errors->ShowError("");
        }
        return false;
    }
};

QImage SkyPicture() {
    QFile file(QStringLiteral(":/radiosky.jpg"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const JpegResult picture = DecodeJpeg(file.readAll());
    if (picture.image.isNull()) qWarning("The sky picture could not be decoded: %s", qPrintable(picture.error));
    return picture.image;
}

int RunWindows(CorvaneApplication& app, MessageBoxErrors& errors, const QString& noticeCaption) {
    MessageBoxNotices notices(noticeCaption);
    QtPrintService printing;
    TMainForm mainForm({&errors, &notices, &ReadDecimalSeparator, &printing});
    errors.SetOwner(&mainForm);
    TAboutBox aboutBox(&mainForm);
    TDetectorForm detectorForm(&mainForm);
    TEquationList equationList(&mainForm);
    mainForm.SetInformationWindows(&aboutBox, &detectorForm, &equationList);
    if (const QImage sky = SkyPicture(); !sky.isNull()) mainForm.SetSkyPicture(sky);

    mainForm.move(216, 151);
    mainForm.show();
    app.exec();
    return 0;
}

}  // namespace

char ReadDecimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    if (point.isEmpty() || point.front().unicode() > 127) return '.';
    return static_cast<char>(point.front().unicode());
}

int RunCorvane(int argc, char** argv) {
    SetNumericEnvironment();
    InitResources();
    CorvaneApplication app(argc, argv);
    const QString path = QCoreApplication::applicationFilePath().isEmpty() ? QString::fromLocal8Bit(argv[0])
                                                                           : QCoreApplication::applicationFilePath();
    const QString title = ApplicationTitle(path);
    QApplication::setApplicationName(title);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/corvane.png")));
    MessageBoxErrors errors(title);
    app.errors = &errors;
    try {
        return RunWindows(app, errors, NoticeCaption(path));
    } catch (const Exception& e) {
        errors.ShowError(e.Message());
    } catch (...) {
        errors.ShowError("");
    }
    return 0;
}

}  // namespace corvane
