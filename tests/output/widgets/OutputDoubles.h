// What the output windows' tests put in place of the desktop: a printer
// that prints to PDF files, a spreadsheet opener that records what it is
// given, and an opener's data taken from a game. The printer and the
// opener install themselves for their lifetime.
#pragma once

#include "output/widgets/OutputSource.h"
#include "output/widgets/Printers.h"
#include "output/widgets/SpreadsheetOpener.h"

#include <QPrinter>
#include <QStringList>

#include <memory>

class TVemoData;

// An A4 PDF printer at 600 dpi, so that the preview halves its page. The
// print dialog chooses `fileName`, or is cancelled when that is empty.
class PdfPrinters final : public Printers {
public:
    PdfPrinters();
    ~PdfPrinters() override;
    PdfPrinters(const PdfPrinters&) = delete;
    PdfPrinters& operator=(const PdfPrinters&) = delete;

    QPrinter& Printer() override { return *FPrinter; }
    bool Choose(QWidget* parent) override;

    QString fileName;
    int dialogs = 0;  // print dialogs shown

private:
    std::unique_ptr<QPrinter> FPrinter;
};

// Answers `opens`; keeps a copy of every workbook it was given, since a
// workbook nothing could open is removed.
class RecordingOpener final : public SpreadsheetOpener {
public:
    explicit RecordingOpener(QString copyFolder);
    ~RecordingOpener() override;
    RecordingOpener(const RecordingOpener&) = delete;
    RecordingOpener& operator=(const RecordingOpener&) = delete;

    bool Open(const QString& path) override;

    bool opens = true;
    QStringList opened;
    QStringList copies;

private:
    QString FCopyFolder;
};

// A game as the main window hands it: ordering by places switches sorting
// by rating off and counts.
class GameSource final : public OutputSource {
public:
    explicit GameSource(TVemoData& game) : FGame(game) {}

    ReportData Data(InfoType type) override;
    void OrderByPlaces() override;

    int orderings = 0;

private:
    TVemoData& FGame;
};
