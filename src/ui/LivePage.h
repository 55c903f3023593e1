// The live results page: while it is on, the standings of the open game
// are written into a folder after every change of the game, at most once a
// second: a page that reloads itself every ten seconds, for a web server or
// a shared folder to show in the hall and on phones, and the CSV table
// beside it. The game is read on the window's thread when a write is due
// (a moment after the change, off the way from the click to the repaint);
// the files are made and written on a thread of the page's own, each
// replaced in one step, so a browser never reads half a page.
#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>

class GameDocument;
class WorkerThread;
class WriteSchedule;

class LivePage : public QObject {
    Q_OBJECT
public:
    static constexpr int kDelayMs = 100;
    static constexpr int kGapMs = 1000;
    static constexpr int kRefreshSeconds = 10;
    inline static const QString kPageName = QStringLiteral("results.html");
    inline static const QString kTableName = QStringLiteral("results.csv");

    explicit LivePage(GameDocument& document, QObject* parent = nullptr);
    // Waits for the write in flight.
    ~LivePage() override;

    // Publishes into `folder` from now on, the game as it stands first.
    void Start(const QString& folder);
    // Writes no more; the files written stay.
    void Stop();
    bool Active() const { return FActive; }
    const QString& Folder() const { return FFolder; }

signals:
    // The state after the document's `changes`-th change (counted from
    // Start) is in the folder.
    void Written(std::uint64_t changes);
    // The folder cannot be written; said once, and again only after a
    // write has succeeded in between.
    void WriteFailed(const QString& folder);

private:
    bool WriteNow();
    void AfterTask(const QString& folder, bool ok, std::uint64_t changes);

    GameDocument& FDocument;
    WriteSchedule* FSchedule;
    std::unique_ptr<WorkerThread> FWriter;
    QString FFolder;
    bool FActive = false;
    bool FFailureSaid = false;
    std::uint64_t FChanges = 0;
};
