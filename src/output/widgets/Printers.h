// The printer the print preview lays its pages out for and prints on. The
// real one is the system's default printer with the print dialog, which
// also offers printing to a PDF file; tests install one that prints to a
// PDF file of their own.
#pragma once

class QPrinter;
class QWidget;

class Printers {
public:
    virtual ~Printers() = default;
    // The printer in use; it keeps the user's last choice for the run.
    virtual QPrinter& Printer() = 0;
    // The print dialog on Printer(): the printer or a PDF file, the
    // copies. False when the user cancelled.
    virtual bool Choose(QWidget* parent) = 0;
};

// The printers in use; the system's unless a test has installed others.
Printers& AppPrinters();
// Installs `printers` (tests), which must outlive their use; nullptr puts
// the system's back.
void SetAppPrinters(Printers* printers);
