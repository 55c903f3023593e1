// A table view whose first rows and columns stay in place while the rest
// scrolls, like the header rows and team columns of a score sheet. Three
// views laid over the edges of the viewport show the frozen cells; they
// share the model and the delegate and follow the main view's scrolling.
// Only cells outside the frozen part can become current.
#pragma once

#include <QTableView>

#include <vector>

class FrozenGridView : public QTableView {
    Q_OBJECT
public:
    explicit FrozenGridView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;
    void setItemDelegate(QAbstractItemDelegate* delegate);

    // Frozen counts and column widths, applied to every part.
    void SetLayout(int frozenRows, int frozenColumns, const std::vector<int>& columnWidths, int rowHeight);
    int FrozenRows() const { return FFrozenRows; }
    int FrozenColumns() const { return FFrozenColumns; }
    // Makes (row, column) current, moved out of the frozen part if needed.
    void SetCurrentCell(int row, int column);

signals:
    // A double click anywhere on the grid, frozen parts included; the
    // current cell is what it acts on.
    void GridDoubleClicked();
    // Space on the current cell: the keyboard's double click.
    void ToggleKeyPressed();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    void updateGeometries() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTableView* MakeOverlay();
    void PlaceOverlays();
    int FrozenWidth() const;
    int FrozenHeight() const;
    QModelIndex OutsideFrozen(QModelIndex index) const;

    QTableView* FTop = nullptr;     // frozen rows, scrolls sideways with the grid
    QTableView* FLeft = nullptr;    // frozen columns, scrolls up and down with the grid
    QTableView* FCorner = nullptr;  // both
    int FFrozenRows = 0;
    int FFrozenColumns = 0;
};
