// vemoctl built without the windows has no page renderer.
#include "app/VemoCtlPdf.h"

bool WritePdfReport(const ReportData&, PageOrientation, const std::string&) { throw PdfUnavailable{}; }
