#include "ui/document/RecoveryJournal.h"

#include "model/RecoveryFile.h"
#include "model/VemoData.h"
#include "ui/document/GameDocument.h"
#include "ui/document/JournalWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Relative values of the variable are to be ignored, as the desktop's base
// directory rules say.
QString StateFolder() {
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    const QString base = QDir::isAbsolutePath(state) ? state : QDir::homePath() + QStringLiteral("/.local/state");
    return base + QStringLiteral("/vemo");
}

}  // namespace

RecoveryJournal::RecoveryJournal(GameDocument& document, QObject* parent)
    : QObject(parent), FDocument(document), FPath(StateFolder() + QStringLiteral("/recovery.qgm")) {
    FWriter = std::make_unique<JournalWriter>(QFile::encodeName(FPath).toStdString(),
                                              [this](bool wrote, bool ok, std::uint64_t changes) {
                                                  QMetaObject::invokeMethod(
                                                      this, [=, this] { AfterTask(wrote, ok, changes); },
                                                      Qt::QueuedConnection);
                                              });
    FDelay.setSingleShot(true);
    FDelay.setInterval(kDelayMs);
    connect(&FDelay, &QTimer::timeout, this, &RecoveryJournal::WriteNow);
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
    FDelay.stop();
    FWriter->Remove();
    FWriter->Wait();
}

// The delay starts with the first change after a write and is not pushed
// back by later ones, so a long burst of changes is still written every
// kDelayMs or so.
void RecoveryJournal::Follow() {
    if (!FStarted) return;
    if (!FDocument.Modified()) {
        FDelay.stop();
        FWriteWhenIdle = false;
        FWriter->Remove();
        return;
    }
    if (!FDelay.isActive()) FDelay.start();
}

void RecoveryJournal::WriteNow() {
    if (!FStarted || !FDocument.Modified()) return;
    if (FWriter->Busy()) {
        FWriteWhenIdle = true;
        return;
    }
    const TVemoData& game = FDocument.Game();
    RecoveryInfo info;
    info.userFile = QFile::encodeName(FDocument.FileName()).toStdString();
    info.modified = FDocument.Modified();
    info.lastQuestion = game.LastQuestion();
    FWriter->Write(RecoveryFileBytes(game, info), FChanges);
}

void RecoveryJournal::AfterTask(bool wrote, bool ok, std::uint64_t changes) {
    if (wrote && ok) emit Written(changes);
    if (wrote && !ok && !FFailureSaid) {
        FFailureSaid = true;
        emit WriteFailed(FPath);
    }
    if (FWriteWhenIdle) {
        FWriteWhenIdle = false;
        WriteNow();
    }
}
