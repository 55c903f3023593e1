// A grid of the championship window: one header row over rows 18 pixels
// high, selected whole, read-only, with five columns that the user may drag
// and that take their shares of the width again whenever the grid is
// resized. With no rows it keeps one empty row under the header.
#pragma once

#include <QTableWidget>

#include <array>
#include <string>
#include <vector>

class ChampGrid : public QTableWidget {
    Q_OBJECT
public:
    // Kept: a row is always selected while there are rows (the game list,
    // whose selected game the user removes). Dropped: nothing is selected until the user
    // clicks, and new rows drop the selection (the table, whose rows move).
    enum class Selection { Kept, Dropped };

    ChampGrid(const char* name, const std::array<double, 5>& shares, const QStringList& captions,
              Selection selection, QWidget* parent);

    void SetCaption(int column, const QString& caption);
    // Shows `rows` (Windows-1251 texts). A kept selection stays on its row
    // number, or on the last row when there are fewer now.
    void SetRows(const std::vector<std::vector<std::string>>& rows);
    // The selected row from 0; -1 when the grid shows no rows.
    int SelectedRow() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    std::array<double, 5> FShares;
    Selection FSelection;
    bool FEmpty = true;
};
