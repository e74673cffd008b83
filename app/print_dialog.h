// The system's printers and Qt's print dialog.
#pragma once

#include "presenters.h"

namespace corvane {

class QtPrintService : public PrintService {
public:
    std::string DefaultPrinterName() override;
    bool ConfirmPrint(QPrinter& printer, QWidget* parent) override;
};

}  // namespace corvane
