// The base of the three information windows: fixed texts, an OK button that is the default
// button, hidden (not destroyed) when closed, and no cancel button, so Escape does nothing.
#pragma once

#include <QDialog>
#include <QIcon>

class QPushButton;

namespace corvane {

// A green check mark, the glyph of the OK buttons.
QIcon GreenCheckIcon();

class InfoDialog : public QDialog {
    Q_OBJECT

public:
    // A window of its own with an ordinary frame (system menu, minimise, maximise, close),
    // even when `parent` is the main window, which it belongs to for modality.
    explicit InfoDialog(QWidget* parent = nullptr);

protected:
    // Gives the OK button its glyph and makes it close the window with the result OK.
    void SetOkButton(QPushButton* ok);
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace corvane
