// Keeps the open game with unsaved changes in a recovery file under the
// user's state folder, so that a crash or a power cut costs the scorer at
// most the last moments. A change is written kDelayMs after it (with every
// change that came meanwhile), on the writer's thread, never on the way from
// the scorer's click to the repainted table; a saved game, or one undone
// back to its saved state, removes the file.
#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class GameDocument;
class WorkerThread;
class WriteSchedule;

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
    bool WriteNow();
    // Writes `bytes` over the file, or removes it when there are none.
    void Post(std::optional<std::string> bytes, std::uint64_t changes);
    void AfterTask(bool wrote, bool ok, std::uint64_t changes);

    GameDocument& FDocument;
    const QString FPath;
    WriteSchedule* FSchedule;
    std::unique_ptr<WorkerThread> FWriter;
    bool FStarted = false;
    bool FFailureSaid = false;
    std::uint64_t FChanges = 0;
};
