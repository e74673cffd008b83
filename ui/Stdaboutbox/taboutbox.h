// The about box: title lines, contact and author, and the revision.
#pragma once

#include <memory>

#include "info_dialog.h"

namespace Ui {
class TAboutBox;
}

namespace corvane {

class TAboutBox : public InfoDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent = nullptr);
    ~TAboutBox() override;
    Ui::TAboutBox& Form() { return *ui_; }

private:
    std::unique_ptr<Ui::TAboutBox> ui_;
};

}  // namespace corvane
