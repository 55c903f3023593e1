#include "output/widgets/SpreadsheetOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

class DesktopOpener final : public SpreadsheetOpener {
public:
    bool Open(const QString& path) override { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }
};

DesktopOpener gDesktopOpener;
SpreadsheetOpener* gInstalled = &gDesktopOpener;

}  // namespace

SpreadsheetOpener& AppSpreadsheetOpener() { return *gInstalled; }

void SetAppSpreadsheetOpener(SpreadsheetOpener* opener) { gInstalled = opener ? opener : &gDesktopOpener; }
