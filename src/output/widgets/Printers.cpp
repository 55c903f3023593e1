#include "output/widgets/Printers.h"

#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrinter>

#include <memory>

namespace {

// A printer lives within the application: made on first use, gone with the
// application.
std::unique_ptr<QPrinter> gPrinter;

class SystemPrinters final : public Printers {
public:
    QPrinter& Printer() override {
        if (!gPrinter) {
            gPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
            qAddPostRoutine([] { gPrinter.reset(); });
        }
        return *gPrinter;
    }

    // The pages are drawn whole by the program, so the dialog offers no
    // page ranges.
    bool Choose(QWidget* parent) override {
        QPrintDialog dialog(&Printer(), parent);
        dialog.setOptions(QAbstractPrintDialog::PrintToFile);
        return dialog.exec() == QDialog::Accepted;
    }
};

SystemPrinters gSystemPrinters;
Printers* gInstalled = &gSystemPrinters;

}  // namespace

Printers& AppPrinters() { return *gInstalled; }

void SetAppPrinters(Printers* printers) { gInstalled = printers ? printers : &gSystemPrinters; }
