// Qt message boxes for errors and math-library notices.
#include "message_boxes.h"

#include <QApplication>

#include "shell_texts.h"

namespace corvane {

std::unique_ptr<QMessageBox> MakeErrorBox(QWidget* owner, const QString& title, const QString& message) {
    auto box =
        std::make_unique<QMessageBox>(QMessageBox::Critical, title, ErrorBoxText(message), QMessageBox::Ok, owner);
    box->setWindowModality(Qt::ApplicationModal);
    return box;
}

std::unique_ptr<QMessageBox> MakeNoticeBox(const QString& caption, const QString& text) {
    auto box = std::make_unique<QMessageBox>(QMessageBox::Critical, caption, text, QMessageBox::Ok);
    box->setWindowModality(Qt::ApplicationModal);
    return box;
}

void MessageBoxErrors::ShowError(const std::string& message) {
    MakeErrorBox(owner_, title_, QString::fromStdString(message))->exec();
}

void MessageBoxNotices::ShowNotice(const std::string& text) {
    const auto box = MakeNoticeBox(caption_, QString::fromStdString(text));
    box->show();
    box->raise();
    box->activateWindow();
    box->exec();
}

}  // namespace corvane
