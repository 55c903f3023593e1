// The one list editor of the setup windows (teams, tours, groups): a grid
// whose header is its row 0 and whose last row is always empty for adding,
// with no editing of its own. The window opens one text field, or one
// drop-down list, laid exactly over the selected cell (one pixel wider and
// higher, over the grid lines). Enter hands the field's text to the window,
// which stores it and moves on; Escape or leaving the field drops the edit.
//
//     ListEditor* list = new ListEditor({"№", "Название"}, {0.08, 0.92}, this);
//     connect(list, &ListEditor::CellSelected, this, [=](int column, int row) {
//         if (column == 1) list->OpenEditor({column, row}, ListEditor::Field::FreeText);
//     });
//     connect(list, &ListEditor::EditorEntered, this, [=](const QString& text) {
//         ... store text at list->Edited(), list->SetRows(...) ...
//         list->SelectCell({1, list->Edited().row + 1});   // the next cell's editor opens
//     });
#pragma once

#include "entry/EntryRows.h"

#include <QStringList>
#include <QWidget>

#include <vector>

class CellChoice;
class CellEdit;
class ListGridModel;
class QTableView;
class QValidator;

class ListEditor : public QWidget {
    Q_OBJECT
public:
    // Free text takes the ASCII characters and the Cyrillic of
    // Windows-1251; number fields take digits only.
    enum class Field { FreeText, Digits };

    // Cells are 18 pixels high, with a grid line below each.
    static constexpr int kCellHeight = 18;

    // Column widths are the fractions of the grid's client width less 3.
    ListEditor(const QStringList& headers, std::vector<double> widthFractions, QWidget* parent);

    // The items' rows, shown as rows 1..n; row n + 1 stays empty.
    void SetRows(const std::vector<RowTexts>& rows);
    // The empty row.
    int LastRow() const;
    GridCell Current() const;
    QString CellText(GridCell cell) const;

    // Makes the cell current and reports it with CellSelected (also when it
    // already was current). The grid takes the focus unless the report
    // opened an editor.
    void SelectCell(GridCell cell);
    // Lays the text field over the cell with the cell's text, all selected.
    void OpenEditor(GridCell cell, Field field);
    void SetChoiceItems(const QStringList& items);
    // Lays the drop-down list over the cell with item `index` chosen.
    void OpenChoice(GridCell cell, int index);
    // The cell whose field or list was opened last.
    GridCell Edited() const { return FEdited; }

    QTableView* Table() const { return FTable; }

signals:
    // A cell became current: by a click, by the keys, or by SelectCell.
    void CellSelected(int column, int row);
    // Enter in the text field, with its text.
    void EditorEntered(const QString& text);
    // An item of the drop-down list was chosen.
    void ChoiceChosen(int index);
    // Enter in the drop-down list, with its item.
    void ChoiceEntered(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildTable();
    void ApplyColumnWidths();
    void PlaceOver(QWidget& editor, GridCell cell);
    void CloseEditor(QWidget& editor);
    bool EditorOpenAt(const QModelIndex& index) const;

    std::vector<double> FFractions;
    ListGridModel* FModel;
    QTableView* FTable;
    CellEdit* FEdit;
    CellChoice* FChoice;
    QValidator* FFreeText;
    QValidator* FDigits;
    GridCell FEdited{0, 1};
};
