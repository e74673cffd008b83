// The main window's creation, the calculation cycle and the buttons' handlers.
#include "tmainform.h"

#include <QDialog>
#include <QEvent>
#include <QPrinter>

#include "antenna.h"
#include "number_format.h"
#include "revision.h"
#include "sensitivity_charts.h"
#include "ui_mainform.h"
#include "window_printing.h"

namespace corvane {
namespace {

const char* const kAntennaItems[] = {"Dish Dia. (m)", "3dB Beam (deg)"};
const char* const kSourceItems[] = {" Flux (Jy)", " Delta Temp. (K)", " Feed Power (dBm)", " Detector Output (V)"};

}  // namespace

TMainForm::TMainForm(Services services, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::TMainForm>()), services_(std::move(services)) {
    ui_->setupUi(this);
    charts_ = std::make_unique<SensitivityCharts>(ui_->DeltaJyChart, ui_->DeltaJyCursor, ui_->RMSnoiseChart,
                                                  ui_->RMSnoiseCursor);
    if (services_.readDecimalSeparator) decimalSeparator_ = services_.readDecimalSeparator();

    connect(ui_->Analyze, &QPushButton::clicked, this, [this] { Guarded([this] { AnalyzeClick(); }); });
    connect(ui_->PrintBtn, &QPushButton::clicked, this, [this] { Guarded([this] { PrintBtnClick(); }); });
    connect(ui_->BitBtn1, &QPushButton::clicked, this, [this] { Guarded([this] { AboutButtonClick(); }); });
    connect(ui_->RFdetectorHelpBtn, &QPushButton::clicked, this,
            [this] { Guarded([this] { RFdetectorHelpBtnClick(); }); });
    connect(ui_->EquationBtn, &QPushButton::clicked, this, [this] { Guarded([this] { EquationBtnClick(); }); });
    FormCreate();
}

TMainForm::~TMainForm() = default;

void TMainForm::FormCreate() {
    setWindowTitle(QStringLiteral("Amateur Radio Astronomy -- Corvane        ") + QString::fromUtf8(kRevisionText));

    for (const char* item : kAntennaItems) ui_->AntennaCombo->addItem(item);
    for (const char* item : kSourceItems) ui_->SourceCombo->addItem(item);
    ui_->AntennaCombo->setCurrentIndex(-1);
    ui_->SourceCombo->setCurrentIndex(-1);

    const std::pair<QWidget*, const char*> hints[] = {
        {ui_->OprFreq, "Center operating freqeuncy of reciever"},
        {ui_->AntennaCombo, "Choose either dish or generic antenna"},
        {ui_->AntennaInput, "Diameter of parabolic dish or 3dB beamwidth of generic antenna"},
        {ui_->NoiseFigure, "System Noise figure of entire system"},
        {ui_->Efficiency, "Antenna and feed efficiency"},
        {ui_->SensitivityConstant, "From Orlen"},
        {ui_->WaveLength, "WaveLength in air at operating freqeuncy"},
        {ui_->AntennaAperature, "Equivalent antenna area for size and efficiency"},
        {ui_->DishGain, "Antenna Gain including efficiency"},
        {ui_->BeamWidth, "3 dB beam width of antenna"},
        {ui_->SystemTemp, "Temperature from system noise figure"},
        {ui_->GoverT, "Capability metric of antenna gain over Tsys"},
        {ui_->SourceCombo, "Choose type of rxternal antenna source, or the detector output voltage"},
        {ui_->RFGainEdit, "Net system RF gain"},
        {ui_->IntTimeEdit, "Detector RF integration time"},
        {ui_->NumRecordsEdit, "Number or measurement records averaged"},
        {ui_->DetectSlopeEdit, "Slope of RF Detector"},
        {ui_->DetIntercept, "RF detector o dBm intercept point"},
        {ui_->DetectBW, "RF bandwidth at detector "},
    };
    for (const auto& [control, hint] : hints) control->setToolTip(QString::fromUtf8(hint));
}

void TMainForm::SetInformationWindows(QDialog* about, QDialog* detector, QDialog* equations) {
    aboutBox_ = about;
    detectorForm_ = detector;
    equationList_ = equations;
}

void TMainForm::SetSkyPicture(const QImage& picture) { ui_->Image1->setPixmap(QPixmap::fromImage(picture)); }

NoticeHandler TMainForm::Notices() {
    return [this](const std::string& text) {
        if (services_.notices) services_.notices->ShowNotice(text);
    };
}

void TMainForm::AnalyzeClick() {
    const NoticeHandler notices = Notices();
    const InputReader reader{[this](InputField field) { return InputText(field); },
                             [this](SourceMode mode) { ShowCaptions(mode); }, decimalSeparator_};
    const SensitivityInputs in = ReadSensitivityInputs(reader);

    const AntennaFigures antenna = WriteAntennaFigures(in);
    ui_->Analyze->setText("Re-Calculate");

    ComputePrediction(in, antenna, notices, [this](PredictionStage, const std::vector<FieldText>& texts) {
        for (const FieldText& t : texts) FieldOf(t.field)->setText(QString::fromStdString(t.text));
    });
    charts_->PlotSweep(ComputeSweepGrid(in.Ks, antenna.Tsys, antenna.Aeff));
}

AntennaFigures TMainForm::WriteAntennaFigures(const SensitivityInputs& in) {
    const NoticeHandler notices = Notices();
    AntennaFigures a = ComputeAntennaFigures(in, notices);
    const auto show = [](QLineEdit* field, double value) {
        field->setText(QString::fromStdString(FormatAntennaFigure(value)));
    };
    show(ui_->WaveLength, a.Lamda);
    show(ui_->AntennaAperature, a.Aeff);
    show(ui_->DishGain, a.G);
    show(ui_->BeamWidth, a.HPBW);
    show(ui_->SystemTemp, a.Tsys);
    a.GoverT = ComputeGoverT(a, notices);
    show(ui_->GoverT, a.GoverT);
    return a;
}

std::string TMainForm::InputText(InputField field) const {
    const auto text = [](const QString& s) { return s.toStdString(); };
    switch (field) {
        case InputField::OprFreq: return text(ui_->OprFreq->text());
        case InputField::AntennaCombo: return text(ui_->AntennaCombo->currentText());
        case InputField::AntennaInput: return text(ui_->AntennaInput->text());
        case InputField::SourceCombo: return text(ui_->SourceCombo->currentText());
        case InputField::NoiseFigure: return text(ui_->NoiseFigure->text());
        case InputField::Efficiency: return text(ui_->Efficiency->text());
        case InputField::SensitivityConstant: return text(ui_->SensitivityConstant->text());
        case InputField::RFGainEdit: return text(ui_->RFGainEdit->text());
        case InputField::DetectSlopeEdit: return text(ui_->DetectSlopeEdit->text());
        case InputField::DetIntercept: return text(ui_->DetIntercept->text());
        case InputField::SourceLevelEdit: return text(ui_->SourceLevelEdit->text());
        case InputField::DetectBW: return text(ui_->DetectBW->text());
        case InputField::IntTimeEdit: return text(ui_->IntTimeEdit->text());
        case InputField::NumRecordsEdit: return text(ui_->NumRecordsEdit->text());
    }
    return {};
}

QLineEdit* TMainForm::FieldOf(PredictionField field) const {
    switch (field) {
        case PredictionField::AntTemp: return ui_->AntTemp;
        case PredictionField::InputSrcTop: return ui_->InputSrcTop;
        case PredictionField::InputSrcBot: return ui_->InputSrcBot;
        case PredictionField::DetInputEdit: return ui_->DetInputEdit;
        case PredictionField::DetectorVoltage: return ui_->DetectorVoltage;
        case PredictionField::DetectorVoltageWO: return ui_->DetectorVoltageWO;
        case PredictionField::DeltaFluxV: return ui_->DeltaFluxV;
        case PredictionField::RXfloordBm: return ui_->RXfloordBm;
        case PredictionField::RXfloorK: return ui_->RXfloorK;
        case PredictionField::DeltaTedit: return ui_->DeltaTedit;
    }
    return nullptr;
}

void TMainForm::ShowCaptions(SourceMode mode) {
    const auto captions = SourceCaptions(mode);
    if (!captions) return;
    const QString top = QString::fromStdString(captions->InputTop);
    const QString bottom = QString::fromStdString(captions->InputBot);
    ui_->InputTop->setText(top);
    ui_->InputBot->setText(bottom);
    // The result fields are known to screen readers by their labels.
    ui_->InputSrcTop->setAccessibleName(top);
    ui_->InputSrcBot->setAccessibleName(bottom);
}

void TMainForm::AboutButtonClick() { ShowModal(aboutBox_); }
void TMainForm::RFdetectorHelpBtnClick() { ShowModal(detectorForm_); }
void TMainForm::EquationBtnClick() { ShowModal(equationList_); }

void TMainForm::PrintBtnClick() {
    if (!services_.printing) return;
    if (!printer_) {
        const std::string name = services_.printing->DefaultPrinterName();
        if (name.empty()) throw EPrinter("There is no default printer currently selected");
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setPrinterName(QString::fromStdString(name));
        printer_->setCollateCopies(false);
    }
    if (!services_.printing->ConfirmPrint(*printer_, this)) return;
    PrintPicture(*printer_, grab());
}

void TMainForm::ShowModal(QDialog* window) {
    if (window) window->exec();
}

void TMainForm::Guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const Exception& e) {
        if (services_.errors) services_.errors->ShowError(e.Message());
    } catch (...) {
        if (services_.errors) services_.errors->ShowError("");
    }
}

void TMainForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LocaleChange && services_.readDecimalSeparator)
        decimalSeparator_ = services_.readDecimalSeparator();
    QWidget::changeEvent(event);
}

}  // namespace corvane
