// The game table: one row per team in view, one column per question of the
// current tour, with the chosen team columns in front. It exists in two
// forms in the same place, the text grid `Table` and the drawn grid
// `TableGr`, both views on one model of the cell matrix; one of them is
// visible. A double click toggles the mark of the grid's current cell.
#pragma once

#include "settings/TableOptions.h"

#include <QWidget>

#include <memory>

class QTableView;
class TVemoData;
class FrozenGridView;
class GameTableModel;

class GameTable : public QWidget {
    Q_OBJECT
public:
    enum class WholeQuestion { AllPlus, AllMinus, Inverse };

    explicit GameTable(QWidget* parent = nullptr);
    ~GameTable() override;

    // Rebuilds the matrix from `game` and refreshes the visible grid. When no
    // team column is chosen, OutTeam is switched on in `options` (the caller
    // checks its action to match). False when the game has neither a
    // question in the window nor a team in view: both grids are hidden then.
    bool Rebuild(TVemoData& game, TableOptions& options);

    // Shows the graphic or the text grid; the newly shown one takes the
    // other's current cell and the focus.
    void SetGraphic(bool graphic);
    bool Graphic() const { return FGraphic; }

    // Index among the teams in view of the team in the visible grid's current
    // row, or -1.
    int CurrentTeamIndex() const;
    // Window question (0-based) of the visible grid's current column, or -1.
    int CurrentQuestion() const;
    // Sets, clears or inverts the current question's mark for every team in
    // view of the game last rebuilt. The caller runs the change tail.
    void SetWholeQuestion(WholeQuestion action);
    // Releases the matrix (the window is closing).
    void Clear();

    QTableView* TextGrid() const;
    QTableView* GraphicGrid() const;

signals:
    // After a double click on either grid, or Space on its current cell: the
    // current cell's mark was toggled (or no team was there); the game takes
    // the change tail.
    void MarksChanged();

private:
    struct Views;
    FrozenGridView* VisibleGrid() const;
    int QuestionOf(const FrozenGridView* grid) const;
    void ToggleCurrent(const FrozenGridView* grid);

    std::unique_ptr<GameTableModel> FModel;
    std::unique_ptr<Views> FViews;
    TVemoData* FGame = nullptr;
    bool FGraphic = true;
};
