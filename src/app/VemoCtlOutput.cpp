#include "app/VemoCtlOutput.h"

#include "app/VemoCtlErrors.h"
#include "app/VemoCtlPdf.h"
#include "base/Errors.h"
#include "base/TransCodes.h"
#include "output/TextReport.h"
#include "output/WorkbookLayout.h"
#include "output/WorkbookWriter.h"

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

}  // namespace

void WriteOutputFile(OutputKind kind, const ReportData& data, const std::string& path, bool landscape) {
    bool written = false;
    try {
        written = Write(kind, data, path, landscape);
    } catch (const Exception& e) {
        throw CtlError{kExitFileError, "ошибка записи: " + path + ": " + TransCodes::AnsiToUtf8(e.what())};
    }
    if (!written) throw CtlError{kExitFileError, "не удалось создать файл: " + path};
}
