// The list of variables and equations.
#pragma once

#include <memory>

#include "info_dialog.h"

namespace Ui {
class TEquationList;
}

namespace corvane {

class TEquationList : public InfoDialog {
    Q_OBJECT

public:
    explicit TEquationList(QWidget* parent = nullptr);
    ~TEquationList() override;
    Ui::TEquationList& Form() { return *ui_; }

private:
    std::unique_ptr<Ui::TEquationList> ui_;
};

}  // namespace corvane
