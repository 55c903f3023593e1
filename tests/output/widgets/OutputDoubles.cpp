#include "OutputDoubles.h"

#include "model/VemoData.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

PdfPrinters::PdfPrinters() : FPrinter(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    FPrinter->setOutputFormat(QPrinter::PdfFormat);
    FPrinter->setPageSize(QPageSize(QPageSize::A4));
    FPrinter->setResolution(600);
    SetAppPrinters(this);
}

PdfPrinters::~PdfPrinters() { SetAppPrinters(nullptr); }

bool PdfPrinters::Choose(QWidget*) {
    ++dialogs;
    if (fileName.isEmpty()) return false;
    FPrinter->setOutputFileName(fileName);
    return true;
}

RecordingOpener::RecordingOpener(QString copyFolder) : FCopyFolder(std::move(copyFolder)) {
    SetAppSpreadsheetOpener(this);
}

RecordingOpener::~RecordingOpener() { SetAppSpreadsheetOpener(nullptr); }

bool RecordingOpener::Open(const QString& path) {
    opened.append(path);
    const QString copy = QDir(FCopyFolder).filePath(QStringLiteral("opened-%1.xlsx").arg(opened.size()));
    QFile::copy(path, copy);
    copies.append(copy);
    return opens;
}

ReportData GameSource::Data(InfoType type) {
    return GameReportData(FGame, type, FGame.RatingPlusOne() ? RatingType::PlusOne : RatingType::Zero);
}

void GameSource::OrderByPlaces() {
    ++orderings;
    FGame.SetSortByRating(false);
    FGame.CountResult();
}
