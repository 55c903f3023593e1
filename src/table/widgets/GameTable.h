// The game table: one row per team in view, one column per question of the
// current tour, with the chosen team columns in front. It exists in two
// forms in the same place, the text grid `Table` and the drawn grid
// `TableGr`, both views on one model of the cell matrix; one of them is
// visible. A double click asks to toggle the mark of the grid's current
// cell; whoever owns the game makes the change and rebuilds the table.
#pragma once

#include "settings/TableOptions.h"

#include <QWidget>

#include <memory>

class QTableView;
class TTeamData;
class TVemoData;
class FrozenGridView;
class GameTableModel;

class GameTable : public QWidget {
    Q_OBJECT
public:
    explicit GameTable(QWidget* parent = nullptr);
    ~GameTable() override;

    // Rebuilds the matrix from `game` and refreshes the visible grid. When no
    // team column is chosen, OutTeam is switched on in `options` (the caller
    // checks its action to match). False when the game has neither a
    // question in the window nor a team in view: both grids are hidden then.
    // The table reads `game` until the next rebuild: rebuild it after every
    // change or replacement of the game, before the grids paint again.
    bool Rebuild(const TVemoData& game, TableOptions& options);

    // Shows the graphic or the text grid; the newly shown one takes the
    // other's current cell and the focus.
    void SetGraphic(bool graphic);
    bool Graphic() const { return FGraphic; }

    // Index among the teams in view of the team in the visible grid's current
    // row, or -1.
    int CurrentTeamIndex() const;
    // Window question (0-based) of the visible grid's current column, or -1.
    int CurrentQuestion() const;
    // Releases the matrix (the window is closing).
    void Clear();

    QTableView* TextGrid() const;
    QTableView* GraphicGrid() const;

signals:
    // A double click on either grid, or Space on its current cell: the user
    // toggles the mark of `team` (nullptr when no team is in that row) for
    // window question `question` (-1 when the cell is no answer).
    void ToggleRequested(TTeamData* team, int question);

private:
    struct Views;
    FrozenGridView* VisibleGrid() const;
    int QuestionOf(const FrozenGridView* grid) const;
    void ToggleCurrent(const FrozenGridView* grid);

    std::unique_ptr<GameTableModel> FModel;
    std::unique_ptr<Views> FViews;
    bool FGraphic = true;
};
