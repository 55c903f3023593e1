#include "table/widgets/GridCellDelegate.h"

#include "table/widgets/FrozenGridView.h"
#include "ui/draw/ProgramFont.h"
#include "table/widgets/GameTableModel.h"
#include "table/widgets/SignImages.h"

#include <QApplication>
#include <QPainter>

namespace {

constexpr int kSignLeft = 8;
constexpr int kSignTop = 2;
constexpr int kTextTop = 2;
// Eight points: the face of an ordinary grid, which fits the 18-pixel rows.
// (Eight pixels of cell height would leave digits five pixels tall.)
constexpr int kFontPoints = 8;

bool IsCurrent(const QStyleOptionViewItem& option) {
    return option.state & (QStyle::State_Selected | QStyle::State_HasFocus);
}

}  // namespace

GridCellDelegate::GridCellDelegate(Form form, QObject* parent)
    : QStyledItemDelegate(parent), FForm(form), FFont(Draw::ProgramFont(kFontPoints)), FBoldFont(FFont) {
    FBoldFont.setBold(true);
}

void GridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const bool fixed = index.data(GameTableModel::FixedRole).toBool();
    // The frozen parts laid over the grid show its fixed cells; the grid
    // itself need not paint what they cover.
    if (fixed && qobject_cast<const FrozenGridView*>(option.widget)) return;
    painter->save();
    if (fixed) PaintFixed(painter, option.rect, index);
    else PaintAnswer(painter, option, index);
    painter->restore();
}

void GridCellDelegate::PaintFixed(QPainter* painter, const QRect& cell, const QModelIndex& index) const {
    const QPalette& palette = QApplication::palette();
    painter->fillRect(cell, palette.button());
    const bool bold = FForm == Form::Graphic && index.data(GameTableModel::TeamHeaderRole).toBool();
    painter->setFont(bold ? FBoldFont : FFont);
    painter->setPen(palette.buttonText().color());
    painter->setClipRect(cell);
    const QRect text = cell.adjusted(bold ? 3 : 2, kTextTop, 0, 0);
    painter->drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, index.data(Qt::DisplayRole).toString());
}

void GridCellDelegate::PaintAnswer(QPainter* painter, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    const QRect cell = option.rect;
    const QPalette& palette = QApplication::palette();
    const QString text = index.data(Qt::DisplayRole).toString();
    const bool current = IsCurrent(option);
    if (FForm == Form::Graphic) {
        painter->fillRect(cell, Qt::white);
        const QPixmap& sign = text == QLatin1String("+") ? SignImages::Taken() : SignImages::NotTaken();
        painter->drawPixmap(cell.left() + kSignLeft, cell.top() + kSignTop, sign);
        if (current) {
            painter->setPen(QPen(palette.highlight(), 2));
            painter->drawRect(cell.adjusted(1, 1, -1, -1));
        }
        return;
    }
    painter->fillRect(cell, current ? palette.highlight() : QBrush(Qt::white));
    painter->setFont(FFont);
    painter->setPen(current ? palette.highlightedText().color() : palette.text().color());
    painter->drawText(cell.adjusted(2, kTextTop, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}
