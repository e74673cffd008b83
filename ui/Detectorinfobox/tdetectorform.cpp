// Builds the detector help from its layout; the text lives in the layout.
#include "tdetectorform.h"

#include "ui_detectorform.h"

namespace corvane {

TDetectorForm::TDetectorForm(QWidget* parent) : InfoDialog(parent), ui_(std::make_unique<Ui::TDetectorForm>()) {
    ui_->setupUi(this);
    move(362, 265);
    SetOkButton(ui_->BitBtn1);
}

TDetectorForm::~TDetectorForm() = default;

}  // namespace corvane
