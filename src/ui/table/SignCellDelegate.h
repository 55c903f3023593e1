// Draws the cells of the graphic grid `TableGr`: answer cells as a sign
// picture on white, header and team cells as text on the button face.
#pragma once

#include <QStyledItemDelegate>

class SignCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
