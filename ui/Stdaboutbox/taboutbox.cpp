// Builds the about box from its layout and sets the texts that carry the revision.
#include "taboutbox.h"

#include "number_format.h"
#include "revision.h"
#include "ui_aboutbox.h"

namespace corvane {

TAboutBox::TAboutBox(QWidget* parent) : InfoDialog(parent), ui_(std::make_unique<Ui::TAboutBox>()) {
    ui_->setupUi(this);
    move(380, 260);
    SetOkButton(ui_->AboutBoxButton);
    ui_->AboutBoxTitleText->setText("Amateur Radio Astronomy");
    ui_->AboutBoxTitleText2->setText("Corvane");
    ui_->RevLabel->setText(QStringLiteral("   ") + QString::fromUtf8(kRevisionText));
}

TAboutBox::~TAboutBox() = default;

}  // namespace corvane
