// The main window: its initial state, the calculation cycle and what each failure leaves behind.
#include <QComboBox>
#include <QEvent>
#include <QLineSeries>
#include <QtTest>
#include <map>

#include "recorders.h"
#include "sensitivity_charts.h"
#include "tmainform.h"
#include "ui_mainform.h"

using namespace corvane;
using namespace corvane::testing;

namespace {

// Every text a calculation may change: result fields, the two captions and the button.
using Snapshot = std::map<QString, QString>;

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    RecordingErrors errors;
    RecordingNotices notices;
    char separator = '.';
    std::unique_ptr<TMainForm> form;

    Ui::TMainForm& ui() { return form->Form(); }

    QLineEdit* Edit(const QString& name) { return form->findChild<QLineEdit*>(name); }

    void Press() { ui().Analyze->click(); }

    Snapshot Texts() {
        Snapshot s;
        for (const char* name : {"WaveLength", "AntennaAperature", "DishGain", "BeamWidth", "SystemTemp", "GoverT",
                                 "AntTemp", "InputSrcTop", "InputSrcBot", "DetInputEdit", "DetectorVoltage",
                                 "DetectorVoltageWO", "DeltaFluxV", "RXfloordBm", "RXfloorK", "DeltaTedit"})
            s[name] = Edit(name)->text();
        s["InputTop"] = ui().InputTop->text();
        s["InputBot"] = ui().InputBot->text();
        s["Analyze"] = ui().Analyze->text();
        return s;
    }

    // The names whose texts differ between two snapshots.
    static QStringList Changed(const Snapshot& before, const Snapshot& after) {
        QStringList names;
        for (const auto& [name, text] : before)
            if (after.at(name) != text) names << name;
        return names;
    }

    QList<QPointF> FirstCurve() { return form->Charts().DeltaJySeries(0)->points(); }

private slots:
    void init() {
        errors.shown.clear();
        notices.shown.clear();
        separator = '.';
        form = std::make_unique<TMainForm>(TMainForm::Services{&errors, &notices, [this] { return separator; }});
    }

    void initialTextsListsAndHints() {
        QCOMPARE(form->windowTitle(), QStringLiteral("Amateur Radio Astronomy -- Corvane        rev 2.2  "
                                                     "corvane.author@example.org 23 MAR 06"));
        const std::map<QString, QString> inputs{{"OprFreq", "1420"},
                                                {"AntennaInput", "4.6"},
                                                {"NoiseFigure", ".5"},
                                                {"Efficiency", "50"},
                                                {"SensitivityConstant", "1.000"},
                                                {"SourceLevelEdit", "10"},
                                                {"RFGainEdit", "85"},
                                                {"IntTimeEdit", "1"},
                                                {"NumRecordsEdit", "1"},
                                                {"DetectSlopeEdit", "0.024788"},
                                                {"DetIntercept", "1.20921"},
                                                {"DetectBW", "60"}};
        for (const auto& [name, text] : inputs) QCOMPARE(Edit(name)->text(), text);
        for (const auto& [name, text] : Texts()) {
            if (name == "InputTop")
                QCOMPARE(text, QStringLiteral("Source Temperature (K)"));
            else if (name == "InputBot")
                QCOMPARE(text, QStringLiteral("source Power (dBm)"));
            else if (name == "Analyze")
                QCOMPARE(text, QStringLiteral("Calculate"));
            else
                QVERIFY2(text.isEmpty(), qPrintable(name));
        }
        QCOMPARE(ui().AntennaCombo->currentIndex(), -1);
        QCOMPARE(ui().AntennaCombo->currentText(), QString());
        QCOMPARE(ui().SourceCombo->currentIndex(), -1);
        QStringList antenna, source;
        for (int i = 0; i < ui().AntennaCombo->count(); ++i) antenna << ui().AntennaCombo->itemText(i);
        for (int i = 0; i < ui().SourceCombo->count(); ++i) source << ui().SourceCombo->itemText(i);
        QCOMPARE(antenna, (QStringList{"Dish Dia. (m)", "3dB Beam (deg)"}));
        QCOMPARE(source, (QStringList{" Flux (Jy)", " Delta Temp. (K)", " Feed Power (dBm)", " Detector Output (V)"}));
        QVERIFY(!ui().AntennaCombo->isEditable());
        QCOMPARE(ui().DetectBW->toolTip(), QStringLiteral("RF bandwidth at detector "));
        QCOMPARE(ui().SourceCombo->toolTip(),
                 QStringLiteral("Choose type of rxternal antenna source, or the detector output voltage"));
        QCOMPARE(ui().Analyze->toolTip(), QStringLiteral("Estimate Performance"));
        QCOMPARE(ui().BitBtn1->text(), QStringLiteral("About "));
        int hinted = 0;
        for (QWidget* w : form->findChildren<QWidget*>()) hinted += w->toolTip().isEmpty() ? 0 : 1;
        QCOMPARE(hinted, 20);
        QVERIFY(!ui().Analyze->isDefault() && !ui().Analyze->autoDefault());
    }

    void accessibleNamesFollowTheLabels() {
        QCOMPARE(ui().OprFreq->accessibleName(), QStringLiteral("Frequency (MHz)"));
        QCOMPARE(ui().AntennaAperature->accessibleName(), QStringLiteral("Effective  Area (m^2)"));
        QCOMPARE(ui().DeltaTedit->accessibleName(), QStringLiteral("Disernable Temperature Change (mK)"));
        QCOMPARE(ui().AntennaCombo->accessibleName(), QStringLiteral("Antenna"));
        QCOMPARE(ui().InputSrcTop->accessibleName(), QStringLiteral("Source Temperature (K)"));
        ui().SourceCombo->setCurrentIndex(0);
        Press();
        QCOMPARE(ui().InputSrcTop->accessibleName(), QStringLiteral("Added Temp. from Source (mK)"));
        // Every label with a field names that field.
        for (QLabel* label : form->findChildren<QLabel*>())
            if (label->buddy()) QCOMPARE(label->buddy()->accessibleName(), label->text());
    }

    void firstPressWithoutSelection() {
        ui().AntennaInput->setText("whatever");  // not read without an antenna item
        Press();
        QVERIFY(errors.shown.empty());
        Snapshot s = Texts();
        QCOMPARE(QStringList({s["WaveLength"], s["AntennaAperature"], s["DishGain"], s["BeamWidth"], s["SystemTemp"],
                              s["GoverT"]}),
                 QStringList({"0.21", "9.82", "34.42", "45.00", "35.39", "78.11"}));
        QCOMPARE(s["InputTop"], QStringLiteral("Source Temperature (K)"));
        QCOMPARE(s["InputBot"], QStringLiteral("source Power (dBm)"));
        QVERIFY(s["AntTemp"].isEmpty() && s["InputSrcTop"].isEmpty() && s["InputSrcBot"].isEmpty());
        QCOMPARE(s["DetInputEdit"], QStringLiteral("-50.0000"));
        QCOMPARE(s["DetectorVoltage"], QStringLiteral("-0.0301900000"));
        QCOMPARE(s["Analyze"], QStringLiteral("Re-Calculate"));
        QCOMPARE(FirstCurve().size(), 7);
    }

    void dishWithDefaultsAndEveryMode_data() {
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("level");
        QTest::addColumn<QStringList>("sourceFields");
        QTest::addColumn<QString>("detectorVoltage");
        QTest::newRow("Flux") << 0 << "10" << QStringList{"0.0301", "30.1069", "-136.03"} << "0.7053252887";
        QTest::newRow("DeltaTemp") << 1 << "0.1" << QStringList{"0.1000", "33.2149", "-130.8197"} << "0.7055375344";
        QTest::newRow("FeedPower") << 2 << "-130" << QStringList{"0.1208", "40.1147", "120.7729"} << "0.7056005354";
        QTest::newRow("DetectorOutput") << 3 << "0.71" << QStringList{"0.0316", "10.5026", "-135.8201"}
                                        << "0.7100000000";
    }

    void dishWithDefaultsAndEveryMode() {
        QFETCH(int, source);
        QFETCH(QString, level);
        QFETCH(QStringList, sourceFields);
        QFETCH(QString, detectorVoltage);
        ui().AntennaCombo->setCurrentIndex(0);
        ui().SourceCombo->setCurrentIndex(source);
        ui().SourceLevelEdit->setText(level);
        Press();
        QVERIFY(errors.shown.empty());
        Snapshot s = Texts();
        QCOMPARE(QStringList({s["WaveLength"], s["AntennaAperature"], s["DishGain"], s["BeamWidth"], s["SystemTemp"],
                              s["GoverT"]}),
                 QStringList({"0.21", "8.31", "33.69", "3.10", "35.39", "66.11"}));
        QCOMPARE(QStringList({s["AntTemp"], s["InputSrcTop"], s["InputSrcBot"]}), sourceFields);
        QCOMPARE(s["DetectorVoltage"], detectorVoltage);
        QCOMPARE(s["DetectorVoltageWO"], QStringLiteral("0.7052337333"));
        QCOMPARE(s["RXfloordBm"], QStringLiteral("-105.33"));
        QCOMPARE(s["RXfloorK"], QStringLiteral("35.3854"));
        QCOMPARE(s["DeltaTedit"], QStringLiteral("4.5682"));
    }

    // Each row: a first calculation (Flux, defaults), then a change and a second press.
    void failureLeavesTheStatedState_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("source");  // -1 leaves the list as it is
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("changed");
        QTest::addColumn<bool>("chartsChange");
        const QStringList antenna{"WaveLength", "AntennaAperature", "DishGain", "BeamWidth", "SystemTemp"};
        QTest::newRow("step 1: frequency")
            << "OprFreq"
            << "" << -1 << "'' is not a valid floating point value" << QStringList{} << false;
        QTest::newRow("step 2: antenna value")
            << "AntennaInput"
            << "4,6" << 1 << "'4,6' is not a valid floating point value" << QStringList{} << false;
        QTest::newRow("step 4: noise figure")
            << "NoiseFigure"
            << "abc" << 1 << "'abc' is not a valid floating point value" << QStringList{"InputTop"} << false;
        QTest::newRow("step 4: last field") << "NumRecordsEdit"
                                            << " 1 000" << 2 << "' 1 000' is not a valid floating point value"
                                            << QStringList{"InputTop", "InputBot"} << false;
        QTest::newRow("step 5: zero frequency")
            << "OprFreq"
            << "0" << 1 << "Floating point division by zero" << QStringList{"InputTop"} << false;
        QTest::newRow("step 5: G/T") << "NoiseFigure"
                                     << "0" << -1 << "Floating point division by zero" << QStringList{"SystemTemp"}
                                     << false;
        QTest::newRow("step 7: flux of zero")
            << "SourceLevelEdit"
            << "0" << -1 << "Floating point division by zero" << QStringList{} << false;
        QTest::newRow("step 8: no integration time")
            << "IntTimeEdit"
            << "0" << 1 << "Floating point division by zero"
            << QStringList{"AntTemp",         "InputSrcTop", "InputSrcBot", "DetInputEdit",
                           "DetectorVoltage", "DeltaFluxV",  "InputTop"}
            << false;
        QTest::newRow("step 9: sweep overflow")
            << "SensitivityConstant"
            << "1e306" << -1 << "Floating point overflow" << QStringList{"DeltaTedit"} << false;
        QTest::newRow("beyond double range") << "DetectBW"
                                             << "1e400" << -1 << "Floating point overflow" << QStringList{} << false;
    }

    void failureLeavesTheStatedState() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(int, source);
        QFETCH(QString, message);
        QFETCH(QStringList, changed);
        ui().AntennaCombo->setCurrentIndex(0);
        ui().SourceCombo->setCurrentIndex(0);
        Press();
        QVERIFY(errors.shown.empty());
        const Snapshot before = Texts();
        const QList<QPointF> curve = FirstCurve();

        if (source >= 0) ui().SourceCombo->setCurrentIndex(source);
        Edit(field)->setText(text);
        Press();
        QCOMPARE(errors.shown, std::vector<std::string>{message.toStdString()});
        QStringList got = Changed(before, Texts());
        QStringList want = changed;
        got.sort();
        want.sort();
        QCOMPARE(got, want);
        QCOMPARE(FirstCurve(), curve);
    }

    void failureOnTheFirstCalculationKeepsTheButton() {
        ui().AntennaCombo->setCurrentIndex(0);
        ui().NoiseFigure->setText("0");
        Press();
        QCOMPARE(errors.shown, std::vector<std::string>{"Floating point division by zero"});
        QCOMPARE(ui().SystemTemp->text(), QStringLiteral("0.00"));
        QCOMPARE(ui().WaveLength->text(), QStringLiteral("0.21"));
        QVERIFY(ui().GoverT->text().isEmpty());
        QCOMPARE(ui().Analyze->text(), QStringLiteral("Calculate"));
        QVERIFY(FirstCurve().isEmpty());
    }

    void fluxWithEmptyNoiseFigureSwitchesCaptionsOnly() {
        ui().SourceCombo->setCurrentIndex(0);
        ui().NoiseFigure->clear();
        Press();
        QCOMPARE(errors.shown, std::vector<std::string>{"'' is not a valid floating point value"});
        QCOMPARE(ui().InputTop->text(), QStringLiteral("Added Temp. from Source (mK)"));
        QCOMPARE(ui().InputBot->text(), QStringLiteral("Source Power at LNA (dBm)"));
        QVERIFY(ui().WaveLength->text().isEmpty());
        QCOMPARE(ui().Analyze->text(), QStringLiteral("Calculate"));
    }

    void noticesGoThroughThePresenterAndTheCycleGoesOn() {
        ui().SourceCombo->setCurrentIndex(1);
        ui().SourceLevelEdit->setText("0");
        Press();
        QCOMPARE(notices.shown, std::vector<std::string>{"log10: SING error"});
        QVERIFY(errors.shown.empty());
        QCOMPARE(ui().InputSrcBot->text(), QStringLiteral("  -INF"));
        QCOMPARE(ui().DeltaFluxV->text(), QStringLiteral(" 0.00000000"));
    }

    void resultFieldsAreTypedIntoAndOverwritten() {
        ui().WaveLength->setText("typed");
        ui().AntennaCombo->setCurrentIndex(1);
        ui().SourceCombo->setCurrentIndex(2);
        ui().OprFreq->setText("10");
        QCOMPARE(ui().WaveLength->text(), QStringLiteral("typed"));  // nothing happens before the press
        QCOMPARE(ui().InputTop->text(), QStringLiteral("Source Temperature (K)"));
        Press();
        QCOMPARE(ui().WaveLength->text(), QStringLiteral("30.00"));
    }

    void commaSeparator() {
        separator = ',';
        QEvent change(QEvent::LocaleChange);
        QCoreApplication::sendEvent(form.get(), &change);
        QCOMPARE(form->DecimalSeparator(), ',');
        ui().AntennaCombo->setCurrentIndex(0);
        ui().AntennaInput->setText("4,6");
        Press();  // ".5" no longer converts
        QCOMPARE(errors.shown, std::vector<std::string>{"'.5' is not a valid floating point value"});
        errors.shown.clear();
        ui().NoiseFigure->setText("0,5");
        ui().SensitivityConstant->setText("1");
        ui().DetectSlopeEdit->setText("0,024788");
        ui().DetIntercept->setText("1,20921");
        Press();
        QVERIFY(errors.shown.empty());
        QCOMPARE(ui().SystemTemp->text(), QStringLiteral("35.39"));  // results keep the point
        QCOMPARE(ui().DetectorVoltageWO->text(), QStringLiteral("0.7052337333"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
