// The application shell: the title rule, the error and notice boxes, and the sky picture decoder.
#include <QFile>
#include <QMessageBox>
#include <QtTest>

#include "jpeg_image.h"
#include "message_boxes.h"
#include "shell_texts.h"

using namespace corvane;

static void InitResources() { Q_INIT_RESOURCE(resources); }

class ShellTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitResources(); }

    void title_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("title");
        QTest::newRow("bare name") << "Corvane"
                                   << "Corvane";
        QTest::newRow("installed") << "/usr/bin/Corvane"
                                   << "Corvane";
        QTest::newRow("dots") << "ABC.DEF.EXE"
                              << "Abc";
        QTest::newRow("windows path") << "C:\\Program Files\\Radio\\Corvane.exe"
                                      << "Corvane";
        QTest::newRow("mixed separators") << "/opt/x\\y/CORVANE"
                                          << "Corvane";
        QTest::newRow("empty") << ""
                               << "";
    }

    void title() {
        QFETCH(QString, path);
        QFETCH(QString, title);
        QCOMPARE(ApplicationTitle(path), title);
    }

    void noticeCaption() {
        QCOMPARE(NoticeCaption("/usr/bin/Corvane"), QStringLiteral("Corvane"));
        QCOMPARE(NoticeCaption("C:\\APPS\\Corvane.exe"), QStringLiteral("Corvane.exe"));
        QCOMPARE(NoticeCaption("C:Corvane.exe"), QStringLiteral("Corvane.exe"));
    }

    void periodRule_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << "Floating point overflow"
                                << "Floating point overflow.";
        QTest::newRow("apostrophe-quoted text") << "'abc' is not a valid floating point value"
                                                << "'abc' is not a valid floating point value.";
        QTest::newRow("digit") << "code 7"
                               << "code 7.";
        QTest::newRow("slash") << "a/"
                               << "a/.";
        QTest::newRow("period") << "Done."
                                << "Done.";
        QTest::newRow("bang") << "Stop!"
                              << "Stop!";
        QTest::newRow("parenthesis") << "(x)"
                                     << "(x)";
        QTest::newRow("blank") << "trailing "
                               << "trailing ";
        QTest::newRow("empty") << ""
                               << "";
    }

    void periodRule() {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(ErrorBoxText(message), shown);
    }

    void errorBox() {
        QWidget owner;
        const auto box = MakeErrorBox(&owner, "Corvane", "'abc' is not a valid floating point value");
        QCOMPARE(box->windowTitle(), QStringLiteral("Corvane"));
        QCOMPARE(box->text(), QStringLiteral("'abc' is not a valid floating point value."));
        QCOMPARE(box->icon(), QMessageBox::Critical);
        QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(box->parentWidget(), &owner);
        QCOMPARE(box->windowModality(), Qt::ApplicationModal);
    }

    void noticeBox() {
        const auto box = MakeNoticeBox("Corvane", "log10: SING error");
        QCOMPARE(box->windowTitle(), QStringLiteral("Corvane"));
        QCOMPARE(box->text(), QStringLiteral("log10: SING error"));  // no period added to notices
        QCOMPARE(box->icon(), QMessageBox::Critical);
        QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(!box->parentWidget());
        QCOMPARE(box->windowModality(), Qt::ApplicationModal);
    }

    void skyPictureDecodes() {
        QFile file(":/radiosky.jpg");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const JpegResult result = DecodeJpeg(file.readAll());
        QVERIFY2(!result.image.isNull(), qPrintable(result.error));
        QCOMPARE(result.image.size(), QSize(242, 163));
        QCOMPARE(result.image.pixelColor(0, 0).value() < 20, true);  // black outside the ellipse
        const QColor centre = result.image.pixelColor(121, 81);      // the galactic centre glows red
        QVERIFY2(centre.red() > 200 && centre.blue() < 80, qPrintable(centre.name()));
    }

    void damagedPicturesFailCleanly_data() {
        QFile file(":/radiosky.jpg");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray good = file.readAll();
        QByteArray corrupt = good;
        for (qsizetype i = 200; i < corrupt.size(); i += 7) corrupt[i] = char(corrupt[i] ^ 0x5a);
        QByteArray badHeader = good;
        badHeader[3] = 0;
        QTest::addColumn<QByteArray>("data");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not a jpeg") << QByteArray("GIF89a this is no JPEG at all");
        QTest::newRow("truncated") << good.left(good.size() / 2);
        QTest::newRow("header only") << good.left(20);
        QTest::newRow("corrupt data") << corrupt;
        QTest::newRow("corrupt marker") << badHeader;
    }

    void damagedPicturesFailCleanly() {
        QFETCH(QByteArray, data);
        const JpegResult result = DecodeJpeg(data);
        QVERIFY(result.image.isNull());
        QVERIFY(!result.error.isEmpty());
    }
};

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
