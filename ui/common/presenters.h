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

}  // namespace corvane
