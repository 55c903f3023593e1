// The open game and the one door every change of it goes through: the
// table's marks, the whole-question commands, registration, quick entry,
// deposits, merge and the automation interface. The document owns the game,
// its file name and its modified state, keeps the undo history, runs the
// tail every change shares (count when counting is automatic) and then says
// Changed(), which the table, the board, the automation interface and the
// recovery journal follow.
//
//     GameDocument& doc = parts.document;
//
//     // An edit in place: one undo step under its Russian description.
//     // Everything the function changes is recorded, so it may run a whole
//     // modal window (quick entry) and every entry is undone together.
//     doc.Edit(QStringLiteral("Ответ команды 7 на вопрос 12"), [&](TVemoData& game) {
//         TTeamData* team = game.TeamByNumber(7);
//         team->SetMark(11, team->Mark(11) ? 0 : 1);
//     });
//
//     // A replacement as a whole (registration works on a copy).
//     auto copy = TVemoData::CreateCopy(doc.Game());
//     ... the dialog edits the copy ...
//     doc.Replace(std::move(copy), QStringLiteral("Регистрация команд"));
//
//     // Automation's "No recount" calls: the tail without the count.
//     doc.Edit(description, change, GameDocument::Recount::Never);
//
//     // New and Open start a new history; Save marks the saved state.
//     doc.Open(std::move(loaded), path);
//     doc.SetSaved(path);
//
// Hold the document, never the game: Replace, Open and the undo of a
// replacement put another TVemoData in its place (Changed() follows). A
// change that changes nothing is not recorded; the tail still runs.
#pragma once

#include "base/CountOptions.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <functional>
#include <memory>

struct GameStep;
struct TGameValues;
class TVemoData;

class GameDocument : public QObject {
    Q_OBJECT
public:
    enum class Recount { IfAutomatic, Never };

    // The history keeps at most this many steps, and drops the oldest ones
    // once the steps hold more than this many bytes.
    static constexpr int kHistorySteps = 100;
    static constexpr std::size_t kHistoryBytes = std::size_t{64} << 20;

    explicit GameDocument(QObject* parent = nullptr);
    ~GameDocument() override;

    TVemoData& Game() const { return *FGame; }
    // The game's file; empty for a game never saved or loaded.
    const QString& FileName() const { return FFileName; }
    // Unsaved changes: true from the first change after the last Open or
    // SetSaved until an undo returns to that state.
    bool Modified() const { return !FHistory.isClean(); }

    void Edit(const QString& description, const std::function<void(TVemoData&)>& change,
              Recount recount = Recount::IfAutomatic);
    // False, changing nothing, while an Edit runs (a window in the middle of
    // an edit holds parts of the game).
    bool Replace(std::unique_ptr<TVemoData> game, const QString& description,
                 Recount recount = Recount::IfAutomatic);
    // A game loaded, created or recovered: the history starts anew. A
    // recovered game is opened `modified`, so that it is saved again.
    void Open(std::unique_ptr<TVemoData> game, const QString& fileName, bool modified = false);
    // The game was written to `fileName`: this state is the saved one.
    void SetSaved(const QString& fileName);

    // Where the count options and the automatic counting come from (the
    // main window's options). Every game the document takes in gets these
    // options, so an undo never brings back options the window no longer shows.
    void SetCountSource(std::function<CountOptions()> options, std::function<bool()> automatic);
    // An empty game with the count options.
    std::unique_ptr<TVemoData> NewGame() const;

    void Undo();
    void Redo();
    // For the captions and enabled states of the undo and redo commands.
    const QUndoStack& History() const { return FHistory; }
    // What the history's steps hold, roughly.
    std::size_t HistoryBytes() const;

signals:
    // After every change, undo and redo, when the tail has run.
    void Changed();
    void ModifiedChanged(bool modified);

private:
    friend class GameUndoCommand;

    void Record(const QString& description, Recount recount, std::shared_ptr<GameStep> step);
    void RecordEdit(const QString& description, Recount recount, const TGameValues& valuesBefore);
    void FinishChange(Recount recount);
    void TakeIn(TVemoData& game) const;
    // Puts one side of a step into the game (the undo commands call these).
    void Revert(GameStep& step);
    void Reapply(GameStep& step);
    void Step(bool undo);
    void TrimHistory();

    std::unique_ptr<TVemoData> FGame;
    // The game as the history last left it; an edit is what differs from it.
    std::unique_ptr<TVemoData> FRecorded;
    QString FFileName;
    QUndoStack FHistory;
    std::function<CountOptions()> FCountOptions;
    std::function<bool()> FAutomaticCount;
    int FEditDepth = 0;
    bool FRebuildingHistory = false;
};
