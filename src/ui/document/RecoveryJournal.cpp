#include "ui/document/RecoveryJournal.h"

#include "base/Errors.h"
#include "base/FileIO.h"
#include "model/RecoveryFile.h"
#include "model/VemoData.h"
#include "ui/document/GameDocument.h"
#include "ui/document/WorkerThread.h"
#include "ui/document/WriteSchedule.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>

namespace {

// Relative values of the variable are to be ignored, as the desktop's base
// directory rules say.
QString StateFolder() {
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    const QString base = QDir::isAbsolutePath(state) ? state : QDir::homePath() + QStringLiteral("/.local/state");
    return base + QStringLiteral("/vemo");
}

bool WriteOrRemove(const std::string& path, const std::optional<std::string>& bytes) {
    std::error_code error;
    if (!bytes) {
        std::filesystem::remove(path, error);
        return !error;
    }
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    try {
        return FileIO::ReplaceFile(path, *bytes);
    } catch (const Exception&) {
        return false;
    }
}

}  // namespace

RecoveryJournal::RecoveryJournal(GameDocument& document, QObject* parent)
    : QObject(parent),
      FDocument(document),
      FPath(StateFolder() + QStringLiteral("/recovery.qgm")),
      FSchedule(new WriteSchedule(kDelayMs, kDelayMs, [this] { return WriteNow(); }, [this] { return FWriter->Busy(); },
                                  this)) {
    FWriter = std::make_unique<WorkerThread>([this] {
        QMetaObject::invokeMethod(FSchedule, &WriteSchedule::WriteDone, Qt::QueuedConnection);
    });
    connect(&FDocument, &GameDocument::Changed, this, [this] {
        ++FChanges;
        Follow();
    });
    connect(&FDocument, &GameDocument::ModifiedChanged, this, &RecoveryJournal::Follow);
}

RecoveryJournal::~RecoveryJournal() = default;

bool RecoveryJournal::HasRecord() const { return QFileInfo::exists(FPath); }

void RecoveryJournal::Start() {
    FStarted = true;
    FChanges = 0;
    Follow();
}

void RecoveryJournal::Discard() {
    FStarted = false;
    FSchedule->Cancel();
    Post(std::nullopt, 0);
    FWriter->Wait();
}

void RecoveryJournal::Follow() {
    if (!FStarted) return;
    if (!FDocument.Modified()) {
        FSchedule->Cancel();
        Post(std::nullopt, 0);
        return;
    }
    FSchedule->Request();
}

bool RecoveryJournal::WriteNow() {
    if (!FStarted || !FDocument.Modified()) return false;
    const TVemoData& game = FDocument.Game();
    RecoveryInfo info;
    info.userFile = QFile::encodeName(FDocument.FileName()).toStdString();
    info.modified = FDocument.Modified();
    info.lastQuestion = game.LastQuestion();
    Post(RecoveryFileBytes(game, info), FChanges);
    return true;
}

void RecoveryJournal::Post(std::optional<std::string> bytes, std::uint64_t changes) {
    FWriter->Post([this, path = QFile::encodeName(FPath).toStdString(), bytes = std::move(bytes), changes] {
        const bool ok = WriteOrRemove(path, bytes);
        const bool wrote = bytes.has_value();
        QMetaObject::invokeMethod(this, [=, this] { AfterTask(wrote, ok, changes); }, Qt::QueuedConnection);
    });
}

void RecoveryJournal::AfterTask(bool wrote, bool ok, std::uint64_t changes) {
    if (wrote && ok) emit Written(changes);
    if (wrote && !ok && !FFailureSaid) {
        FFailureSaid = true;
        emit WriteFailed(FPath);
    }
}
