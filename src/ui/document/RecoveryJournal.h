// Keeps the open game with unsaved changes in a recovery file under the
// user's state folder, so that a crash or a power cut costs the scorer at
// most the last moments. A change is written kDelayMs after it (with every
// change that came meanwhile), on the writer's thread, never on the way from
// the scorer's click to the repainted table; a saved game, or one undone
// back to its saved state, removes the file.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <memory>

class GameDocument;
class JournalWriter;

class RecoveryJournal : public QObject {
    Q_OBJECT
public:
    static constexpr int kDelayMs = 200;

    // The folder: $XDG_STATE_HOME/vemo, or ~/.local/state/vemo.
    explicit RecoveryJournal(GameDocument& document, QObject* parent = nullptr);
    // Waits for the write in flight.
    ~RecoveryJournal() override;

    QString FilePath() const { return FPath; }
    bool HasRecord() const;

    // From now on the document's unsaved state is kept.
    void Start();
    // Removes the recovery file and keeps nothing more (a clean close, or a
    // recovery the user declined).
    void Discard();

signals:
    // The state after the document's `changes`-th change (counted from
    // Start) is on disk.
    void Written(std::uint64_t changes);
    // The recovery file cannot be written; said once.
    void WriteFailed(const QString& path);

private:
    void Follow();
    void WriteNow();
    void AfterTask(bool wrote, bool ok, std::uint64_t changes);

    GameDocument& FDocument;
    const QString FPath;
    QTimer FDelay;
    std::unique_ptr<JournalWriter> FWriter;
    bool FStarted = false;
    bool FWriteWhenIdle = false;
    bool FFailureSaid = false;
    std::uint64_t FChanges = 0;
};
