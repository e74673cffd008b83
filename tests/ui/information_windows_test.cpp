// The about box, the detector help and the equation list: texts, modality and keys.
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QtTest>

#include "recorders.h"
#include "revision.h"
#include "taboutbox.h"
#include "tdetectorform.h"
#include "tequationlist.h"
#include "tmainform.h"
#include "ui_aboutbox.h"
#include "ui_detectorform.h"
#include "ui_equationlist.h"
#include "ui_mainform.h"

using namespace corvane;
using namespace corvane::testing;

namespace {

QStringList Lines(const QPlainTextEdit* memo) {
    QStringList lines;
    for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next()) lines << b.text();
    return lines;
}

// Runs `check` once `dialog` is up as the modal window, then lets `close` end it.
void WhileModal(QDialog* dialog, const std::function<void()>& check, const std::function<void()>& close) {
    QTimer::singleShot(0, dialog, [=] {
        QVERIFY(QTest::qWaitFor([&] { return dialog->isVisible(); }));
        check();
        close();
    });
}

}  // namespace

class InformationWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void aboutBoxTexts() {
        TAboutBox about;
        auto& ui = about.Form();
        QCOMPARE(about.windowTitle(), QStringLiteral("AboutBox -- ") + kAuthorEmail);
        QCOMPARE(ui.AboutBoxTitleText->text(), QStringLiteral("Amateur Radio Astronomy"));
        QCOMPARE(ui.AboutBoxTitleText2->text(), QStringLiteral("Corvane"));
        QCOMPARE(ui.AboutBoxText7->text(), QStringLiteral("Comments are Welcome at ") + kAuthorEmail);
        QCOMPARE(ui.AboutBoxText6->text(), QString::fromUtf8(kAuthorLine));
        QCOMPARE(ui.RevLabel->text(), QStringLiteral("   rev 2.2  ") + kAuthorEmail + " 23 MAR 06");
        QVERIFY(QString(kRevisionText).startsWith("rev 2.2  ") && QString(kRevisionText).contains(kAuthorEmail));
        for (QLabel* empty : {ui.AboutBoxText2, ui.AboutBoxText3, ui.AboutBoxText4}) QVERIFY(empty->text().isEmpty());
        QVERIFY(ui.AboutBoxButton->isDefault());
        QCOMPARE(ui.AboutBoxButton->text(), QStringLiteral("OK"));
        QVERIFY(!ui.AboutBoxButton->icon().isNull());
        QVERIFY(ui.AboutBoxTitleText->font().bold() && ui.AboutBoxTitleText->font().underline());
    }

    void detectorHelpText() {
        TDetectorForm form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Detector Information"));
        const QStringList lines = Lines(form.Form().DetectorMemo);
        QCOMPARE(lines.size(), 16);
        QCOMPARE(lines[0], QStringLiteral("  Some information on the RF detector numbers"));
        QCOMPARE(lines[5], QStringLiteral("          RF power (dbm) vs DC voltage (V)."));
        QCOMPARE(lines[8], QStringLiteral(" "));
        QCOMPARE(lines[9], QStringLiteral("            y = m(x) + b"));
        QCOMPARE(lines[11],
                 QStringLiteral("  In the program, 'm' represents the 'detector gain slope' and 'b' represents"));
        QCOMPARE(lines[14], QStringLiteral("  The 'detector bandwidth' is any filtering in front of the filter."));
        QCOMPARE(lines[15], QString());
        QCOMPARE(form.Form().DetectorMemo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(form.Form().DetectorMemo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QVERIFY(!form.Form().DetectorMemo->isReadOnly());
    }

    void equationListText() {
        TEquationList list;
        QCOMPARE(list.windowTitle(), QStringLiteral("EquationList"));
        const QStringList lines = Lines(list.Form().Memo1);
        QCOMPARE(lines.size(), 90);
        QCOMPARE(lines[0], QStringLiteral("Variables and associated units:"));
        QCOMPARE(lines[2], QStringLiteral("S               Flux in watts/meter^2/Hz"));
        QCOMPARE(lines[20], QStringLiteral("Tsys            system temperature in Kelvin (?\?)"));
        QCOMPARE(lines[43], QStringLiteral("  G = 10*Log10[Pi^2/(2*(Dia/Lamda)^2)]"));
        QCOMPARE(lines[73], QStringLiteral("DetInput =  (Voltage - DetInt)/DetSlope"));
        QCOMPARE(lines[76], QStringLiteral("  T=Ks*Tsys/[sqrt(DetBW*IntTime*NumRecords)"));
        QCOMPARE(lines[86], QStringLiteral(" Feed Input = DetInput - RXgain - (10*Log10(Gdec*Eff/100))"));
        for (int i = 87; i < 90; ++i) QCOMPARE(lines[i], QString());
        QCOMPARE(list.Form().Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    }

    void buttonsShowTheWindowsModally_data() {
        QTest::addColumn<int>("which");
        QTest::newRow("about") << 0;
        QTest::newRow("detector help") << 1;
        QTest::newRow("equation list") << 2;
    }

    void buttonsShowTheWindowsModally() {
        QFETCH(int, which);
        RecordingErrors errors;
        RecordingNotices notices;
        TMainForm main({&errors, &notices, {}});
        TAboutBox about(&main);
        TDetectorForm detector(&main);
        TEquationList equations(&main);
        main.SetInformationWindows(&about, &detector, &equations);
        main.show();
        QDialog* windows[] = {&about, &detector, &equations};
        QPushButton* buttons[] = {main.Form().BitBtn1, main.Form().RFdetectorHelpBtn, main.Form().EquationBtn};
        QDialog* shown = windows[which];
        bool sawModal = false;
        WhileModal(
            shown, [&] { sawModal = shown->isModal() && QApplication::activeModalWidget() == shown; },
            [&] { shown->findChild<QPushButton*>()->click(); });
        buttons[which]->click();
        QVERIFY(sawModal);
        QVERIFY(!shown->isVisible());
        QCOMPARE(shown->result(), int(QDialog::Accepted));
        QVERIFY(errors.shown.empty());
    }

    void escapeDoesNotCloseAndEnterPressesOk() {
        TAboutBox about;
        WhileModal(
            &about,
            [&] {
                QTest::keyClick(&about, Qt::Key_Escape);
                QVERIFY(about.isVisible());
            },
            [&] { QTest::keyClick(about.Form().AboutBoxButton, Qt::Key_Return); });
        QCOMPARE(about.exec(), int(QDialog::Accepted));
    }

    void enterInTheMemoStartsALineAndTypedTextSurvives() {
        TDetectorForm form;
        QPlainTextEdit* memo = form.Form().DetectorMemo;
        WhileModal(
            &form,
            [&] {
                form.activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(&form));
                QCOMPARE(QApplication::focusWidget(), memo);  // first in the tab order
                memo->moveCursor(QTextCursor::End);
                QTest::keyClicks(memo, "my note");
                QTest::keyClick(memo, Qt::Key_Return);
                QVERIFY(form.isVisible());  // Enter went into the memo
                QTest::keyClick(memo, Qt::Key_Tab);
                QCOMPARE(QApplication::focusWidget(), form.Form().BitBtn1);
            },
            [&] { QTest::keyClick(form.Form().BitBtn1, Qt::Key_Return); });
        QCOMPARE(form.exec(), int(QDialog::Accepted));
        QCOMPARE(Lines(memo).size(), 17);  // typed onto the empty last line, then a new one
        QCOMPARE(Lines(memo)[15], QStringLiteral("my note"));
        // Shown again: the window was only hidden, so the text is still there.
        WhileModal(
            &form, [&] { QVERIFY(memo->toPlainText().contains("my note")); }, [&] { form.accept(); });
        form.exec();
    }
};

QTEST_MAIN(InformationWindowsTest)
#include "information_windows_test.moc"
