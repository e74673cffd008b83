// Builds the equation list from its layout; the text lives in the layout.
#include "tequationlist.h"

#include "ui_equationlist.h"

namespace corvane {

TEquationList::TEquationList(QWidget* parent) : InfoDialog(parent), ui_(std::make_unique<Ui::TEquationList>()) {
    ui_->setupUi(this);
    move(463, 282);
    SetOkButton(ui_->BitBtn1);
}

TEquationList::~TEquationList() = default;

}  // namespace corvane
