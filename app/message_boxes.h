// The application error box and the math-library notice box.
#pragma once

#include <QMessageBox>
#include <QPointer>
#include <memory>

#include "presenters.h"

namespace corvane {

// Stop icon, one OK button, the application title as caption, owned by the main window.
std::unique_ptr<QMessageBox> MakeErrorBox(QWidget* owner, const QString& title, const QString& message);
// Stop icon, one OK button, the executable's name as caption, no owner, modal for the whole program.
std::unique_ptr<QMessageBox> MakeNoticeBox(const QString& caption, const QString& text);

class MessageBoxErrors : public ErrorPresenter {
public:
    explicit MessageBoxErrors(QString title) : title_(std::move(title)) {}
    void SetOwner(QWidget* owner) { owner_ = owner; }
    void ShowError(const std::string& message) override;

private:
    QString title_;
    QPointer<QWidget> owner_;
};

class MessageBoxNotices : public NoticePresenter {
public:
    explicit MessageBoxNotices(QString caption) : caption_(std::move(caption)) {}
    void ShowNotice(const std::string& text) override;

private:
    QString caption_;
};

}  // namespace corvane
