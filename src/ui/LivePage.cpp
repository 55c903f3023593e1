#include "ui/LivePage.h"

#include "base/Errors.h"
#include "base/FileIO.h"
#include "model/VemoData.h"
#include "output/PublishWriter.h"
#include "ui/document/GameDocument.h"
#include "ui/document/WorkerThread.h"
#include "ui/document/WriteSchedule.h"

#include <QDir>
#include <QFile>

namespace {

std::string LocalPath(const QString& folder, const QString& name) {
    return QFile::encodeName(QDir(folder).filePath(name)).toStdString();
}

bool WriteFiles(const ReportData& data, const std::string& pagePath, const std::string& tablePath) {
    try {
        return WritePublished(data, PublishFormat::Html, pagePath, LivePage::kRefreshSeconds) &&
               WritePublished(data, PublishFormat::Csv, tablePath);
    } catch (const Exception&) {
        return false;
    }
}

}  // namespace

LivePage::LivePage(GameDocument& document, QObject* parent)
    : QObject(parent),
      FDocument(document),
      FSchedule(new WriteSchedule(kDelayMs, kGapMs, [this] { return WriteNow(); }, [this] { return FWriter->Busy(); },
                                  this)) {
    FWriter = std::make_unique<WorkerThread>([this] {
        QMetaObject::invokeMethod(FSchedule, &WriteSchedule::WriteDone, Qt::QueuedConnection);
    });
    connect(&FDocument, &GameDocument::Changed, this, [this] {
        if (!FActive) return;
        ++FChanges;
        FSchedule->Request();
    });
}

LivePage::~LivePage() = default;

void LivePage::Start(const QString& folder) {
    FFolder = folder;
    FActive = true;
    FFailureSaid = false;
    FChanges = 0;
    FSchedule->Request();
}

void LivePage::Stop() {
    FActive = false;
    FSchedule->Cancel();
}

// Only the game's snapshot is taken here; the page is made on the writer's thread.
bool LivePage::WriteNow() {
    if (!FActive) return false;
    TVemoData& game = FDocument.Game();
    ReportData data = GameReportData(game, InfoType::TourResults,
                                     game.RatingPlusOne() ? RatingType::PlusOne : RatingType::Zero);
    FWriter->Post([this, data = std::move(data), page = LocalPath(FFolder, kPageName),
                   table = LocalPath(FFolder, kTableName), folder = FFolder, changes = FChanges] {
        const bool ok = WriteFiles(data, page, table);
        QMetaObject::invokeMethod(this, [=, this] { AfterTask(folder, ok, changes); }, Qt::QueuedConnection);
    });
    return true;
}

// A write that was under way when publishing stopped, or moved to another
// folder, says nothing.
void LivePage::AfterTask(const QString& folder, bool ok, std::uint64_t changes) {
    if (!FActive || folder != FFolder) return;
    if (ok) {
        FFailureSaid = false;
        emit Written(changes);
    } else if (!FFailureSaid) {
        FFailureSaid = true;
        emit WriteFailed(FFolder);
    }
}
