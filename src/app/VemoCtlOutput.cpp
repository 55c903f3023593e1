#include "app/VemoCtlOutput.h"

#include "app/VemoCtlErrors.h"
#include "app/VemoCtlPdf.h"
#include "base/Errors.h"
#include "base/TransCodes.h"
#include "output/TextReport.h"
#include "output/WorkbookLayout.h"
#include "output/WorkbookWriter.h"

#include <functional>

namespace {

bool Write(OutputKind kind, const ReportData& data, const std::string& path, bool landscape) {
    switch (kind) {
        case OutputKind::Report: return WriteTextReport(data, path);
        case OutputKind::Workbook: return WriteWorkbook(BuildWorkbookLayout(data), path);
        case OutputKind::Pdf: break;
    }
    try {
        return WritePdfReport(data, landscape ? PageOrientation::Landscape : PageOrientation::Portrait, path);
    } catch (const PdfUnavailable&) {
        throw CtlError{kExitUsage, "этот vemoctl собран без окон и не рисует PDF"};
    }
}

// Runs a writer of the file at `path`; its failure is one line.
void WriteOrFail(const std::string& path, const std::function<bool()>& write) {
    bool written = false;
    try {
        written = write();
    } catch (const Exception& e) {
        throw CtlError{kExitFileError, "ошибка записи: " + path + ": " + TransCodes::AnsiToUtf8(e.what())};
    }
    if (!written) throw CtlError{kExitFileError, "не удалось создать файл: " + path};
}

}  // namespace

void WriteOutputFile(OutputKind kind, const ReportData& data, const std::string& path, bool landscape) {
    WriteOrFail(path, [&] { return Write(kind, data, path, landscape); });
}

void WritePublishedFile(const ReportData& data, PublishFormat format, int refreshSeconds, const std::string& path) {
    WriteOrFail(path, [&] { return WritePublished(data, format, path, refreshSeconds); });
}
