#include "app/VemoCtlPdf.h"

#include "base/Errors.h"
#include "base/FileIO.h"
#include "output/widgets/PageRenderer.h"
#include "ui/text/AnsiText.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>

#include <cstdio>
#include <memory>

namespace {

constexpr int kResolution = 300;

// Fonts and painting need an application; the offscreen platform needs no
// display. Qt's own remarks (no runtime folder and the like) are no
// business of a script reading stderr.
class OffscreenApplication {
public:
    OffscreenApplication() {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
            if (type == QtCriticalMsg || type == QtFatalMsg) fprintf(stderr, "%s\n", qPrintable(message));
        });
        FApplication = std::make_unique<QGuiApplication>(FArgc, FArgv);
    }

private:
    int FArgc = 1;
    char FName[8] = "vemoctl";
    char* FArgv[2] = {FName, nullptr};
    std::unique_ptr<QGuiApplication> FApplication;
};

void DrawPages(QPdfWriter& writer, const ReportData& data, PageOrientation orientation) {
    const int printed = PrintAllPages(writer, data, orientation);
    if (printed > 0) return;
    UseWholePages(writer, orientation);
    QPainter painter;
    if (printed < 0 || !painter.begin(&writer)) throw EInOutError("Disk write error");
    RenderPage(painter, writer.width(), writer.height(), data, 1, orientation);
}

}  // namespace

bool WritePdfReport(const ReportData& data, PageOrientation orientation, const std::string& path) {
    const OffscreenApplication application;
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("ВеМо 2007"));
        writer.setTitle(FromAnsi(data.title));
        writer.setResolution(kResolution);
        writer.setPageSize(QPageSize(QPageSize::A4));
        DrawPages(writer, data, orientation);
    }
    return FileIO::ReplaceFile(path, bytes.toStdString());
}
