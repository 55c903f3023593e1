#include "SignCellDelegate.h"

#include "GameTableModel.h"
#include "SignImages.h"

#include <QApplication>
#include <QPainter>

namespace {

constexpr int kSignLeft = 8;
constexpr int kSignTop = 2;
constexpr int kTextTop = 2;
// Eight points: the face of an ordinary grid, which fits the 18-pixel rows.
// (Eight pixels of cell height would leave digits five pixels tall.)
constexpr int kFixedFontPoints = 8;

}  // namespace

void SignCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const QRect cell = option.rect;
    const bool fixed = index.data(GameTableModel::FixedRole).toBool();
    const QPalette& palette = QApplication::palette();
    painter->save();
    painter->fillRect(cell, fixed ? palette.button() : QBrush(Qt::white));
    const QString text = index.data(Qt::DisplayRole).toString();
    if (!fixed) {
        const QPixmap& sign = text == QLatin1String("+") ? SignImages::Taken() : SignImages::NotTaken();
        painter->drawPixmap(cell.left() + kSignLeft, cell.top() + kSignTop, sign);
        // The current cell is where a double click or a whole-question
        // command acts, so it must be plain to see.
        if (option.state & (QStyle::State_Selected | QStyle::State_HasFocus)) {
            painter->setPen(QPen(palette.highlight(), 2));
            painter->drawRect(cell.adjusted(1, 1, -1, -1));
        }
    } else {
        const bool bold = index.data(GameTableModel::TeamHeaderRole).toBool();
        QFont font(QStringLiteral("Arial"), kFixedFontPoints);
        font.setBold(bold);
        painter->setFont(font);
        painter->setPen(palette.buttonText().color());
        const QRect textRect = cell.adjusted(bold ? 3 : 2, kTextTop, 0, 0);
        painter->setClipRect(cell);
        painter->drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    }
    painter->restore();
}
