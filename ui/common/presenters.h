// What the windows need from the outside: the error box, the math-library notice and printing.
// The program installs Qt message boxes and the print dialog; tests install recorders.
#pragma once

#include <string>

class QPrinter;
class QWidget;

namespace corvane {

class ErrorPresenter {
public:
    virtual ~ErrorPresenter() = default;
    // Shows the application error box for an error's message; returns when it is closed.
    virtual void ShowError(const std::string& message) = 0;
};

class NoticePresenter {
public:
    virtual ~NoticePresenter() = default;
    // Shows one math-library notice ("log10: SING error"); returns after OK.
    virtual void ShowNotice(const std::string& text) = 0;
};

class PrintService {
public:
    virtual ~PrintService() = default;
    // The system's default printer, empty when there is none.
    virtual std::string DefaultPrinterName() = 0;
    // Shows the print dialog preset to `printer`; true when the user confirms, with the
    // chosen printer and settings (copies, orientation, paper) stored in `printer`.
    virtual bool ConfirmPrint(QPrinter& printer, QWidget* parent) = 0;
};

}  // namespace corvane
