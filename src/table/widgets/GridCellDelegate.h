// Draws the cells of both grids of the game table. Header and team cells
// are text on the button face (the team headers of the drawn grid in bold);
// answer cells are white, with a sign picture in the drawn grid `TableGr`
// and the text "+" or "-" in the text grid `Table`. The current cell is
// framed, since a double click or a whole-question command acts on it.
//
// Drawing is direct, without the style's item panels, because a scorer's
// table of thousands of cells is repainted after every mark.
#pragma once

#include <QStyledItemDelegate>

class GridCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    enum class Form { Graphic, Text };

    GridCellDelegate(Form form, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    void PaintFixed(QPainter* painter, const QRect& cell, const QModelIndex& index) const;
    void PaintAnswer(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;

    Form FForm;
    QFont FFont;
    QFont FBoldFont;
};
