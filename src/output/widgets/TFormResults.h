// The full-screen results board for the hall's projector: the title band
// on top and the standings below, ten teams at a time, with arrows for the
// teams that moved since the previous question. No frame, over every other
// window, the pointer hidden. Enter or Escape or a click closes it; the
// arrows, Page Up and Page Down and the wheel (a page with Ctrl) scroll.
// It reads the game it is given: its own counts at the previous question
// leave the game's LastQuestion and results as they were.
#pragma once

#include "output/ResultsBoardRows.h"
#include "ui/platform/ProgramDialog.h"

class BoardPicture;
class TVemoData;

class TFormResults : public ProgramDialog {
    Q_OBJECT
public:
    explicit TFormResults(TVemoData& game, QWidget* parent = nullptr);

    // The first row of the table on show (rows in place order, from 0).
    int FirstRow() const { return FFirstRow; }
    const std::vector<BoardRow>& Rows() const { return FBoard.Rows; }

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // Every activation builds the rows from the game anew and draws both pictures.
    void FormActivate();
    void DrawBand();
    void DrawTable();
    void ScrollBy(int rows);

    TVemoData& FGame;
    ResultsBoard FBoard;
    int FFirstRow = 0;
    bool FBuilt = false;
    // The showing builds the board; the activation that follows it has nothing new to show.
    bool FActivatedSinceShow = false;
    BoardPicture* TopImage;
    BoardPicture* Image;
};
