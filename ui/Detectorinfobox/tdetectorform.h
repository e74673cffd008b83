// Help on the RF detector figures.
#pragma once

#include <memory>

#include "info_dialog.h"

namespace Ui {
class TDetectorForm;
}

namespace corvane {

class TDetectorForm : public InfoDialog {
    Q_OBJECT

public:
    explicit TDetectorForm(QWidget* parent = nullptr);
    ~TDetectorForm() override;
    Ui::TDetectorForm& Form() { return *ui_; }

private:
    std::unique_ptr<Ui::TDetectorForm> ui_;
};

}  // namespace corvane
