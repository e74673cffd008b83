// The main window: inputs, results, the calculation cycle and the two charts.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "prediction.h"
#include "presenters.h"
#include "sweep.h"

class QDialog;
class QPrinter;
class QLineEdit;

namespace Ui {
class TMainForm;
}

namespace corvane {

class SensitivityCharts;

class TMainForm : public QWidget {
    Q_OBJECT

public:
    struct Services {
        ErrorPresenter* errors = nullptr;
        NoticePresenter* notices = nullptr;
        std::function<char()> readDecimalSeparator;  // the user's regional decimal separator
        PrintService* printing = nullptr;
    };

    explicit TMainForm(Services services, QWidget* parent = nullptr);
    ~TMainForm() override;

    // The information windows, created after the main window, shown modally from its buttons.
    void SetInformationWindows(QDialog* about, QDialog* detector, QDialog* equations);
    void SetSkyPicture(const QImage& picture);
    char DecimalSeparator() const { return decimalSeparator_; }

    Ui::TMainForm& Form() { return *ui_; }
    SensitivityCharts& Charts() { return *charts_; }

    // Handlers, by the names the layout binds them with.
    void FormCreate();
    void AnalyzeClick();
    void AboutButtonClick();
    void RFdetectorHelpBtnClick();
    void EquationBtnClick();
    void PrintBtnClick();
    // The printer of this run: the system's default at first, then the one last confirmed.
    QPrinter* CurrentPrinter() const { return printer_.get(); }

protected:
    void changeEvent(QEvent* event) override;

private:
    NoticeHandler Notices();
    // Computes the antenna figures and writes each into its field, G/T last.
    AntennaFigures WriteAntennaFigures(const SensitivityInputs& in);
    QLineEdit* FieldOf(PredictionField field) const;
    std::string InputText(InputField field) const;
    void ShowCaptions(SourceMode mode);
    void ShowModal(QDialog* window);
    // Runs a handler; any error that leaves it goes to the error box and no further.
    void Guarded(const std::function<void()>& handler);

    std::unique_ptr<Ui::TMainForm> ui_;
    std::unique_ptr<SensitivityCharts> charts_;
    Services services_;
    char decimalSeparator_ = '.';
    QDialog* aboutBox_ = nullptr;
    QDialog* detectorForm_ = nullptr;
    QDialog* equationList_ = nullptr;
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace corvane
