#include "table/widgets/FrozenGridView.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>

FrozenGridView::FrozenGridView(QWidget* parent) : QTableView(parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectItems);
    setEditTriggers(NoEditTriggers);
    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerPixel);
    setTabKeyNavigation(false);
    // Texts are cut at the cell's edge, as on a paper score sheet.
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    FTop = MakeOverlay();
    FLeft = MakeOverlay();
    FCorner = MakeOverlay();
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, FTop->horizontalScrollBar(), &QScrollBar::setValue);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, FLeft->verticalScrollBar(), &QScrollBar::setValue);
}

QTableView* FrozenGridView::MakeOverlay() {
    auto* overlay = new QTableView(this);
    overlay->horizontalHeader()->hide();
    overlay->verticalHeader()->hide();
    overlay->setFocusPolicy(Qt::NoFocus);
    overlay->setSelectionMode(NoSelection);
    overlay->setEditTriggers(NoEditTriggers);
    overlay->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    overlay->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    overlay->setHorizontalScrollMode(ScrollPerPixel);
    overlay->setVerticalScrollMode(ScrollPerPixel);
    overlay->setFrameShape(QFrame::NoFrame);
    overlay->setWordWrap(false);
    overlay->setTextElideMode(Qt::ElideNone);
    overlay->hide();
    // Double clicks and the wheel over a frozen part belong to the grid.
    overlay->viewport()->installEventFilter(this);
    return overlay;
}

void FrozenGridView::setModel(QAbstractItemModel* model) {
    QTableView::setModel(model);
    for (QTableView* overlay : {FTop, FLeft, FCorner}) overlay->setModel(model);
}

void FrozenGridView::setItemDelegate(QAbstractItemDelegate* delegate) {
    QTableView::setItemDelegate(delegate);
    for (QTableView* overlay : {FTop, FLeft, FCorner}) overlay->setItemDelegate(delegate);
}

void FrozenGridView::SetLayout(int frozenRows, int frozenColumns, const std::vector<int>& columnWidths,
                               int rowHeight) {
    FFrozenRows = frozenRows;
    FFrozenColumns = frozenColumns;
    // Each resized section costs the header a pass over all sections, which
    // at tens of thousands of questions froze the window for seconds. The
    // question columns share one width: it becomes the header's default in
    // one pass, and only the few other columns are resized one by one.
    const int common = columnWidths.empty() ? 0 : columnWidths.back();
    for (QTableView* view : {static_cast<QTableView*>(this), FTop, FLeft, FCorner}) {
        view->verticalHeader()->setMinimumSectionSize(1);
        view->verticalHeader()->setDefaultSectionSize(rowHeight);
        QHeaderView* columns = view->horizontalHeader();
        columns->setMinimumSectionSize(1);
        if (common > 0) columns->setDefaultSectionSize(common);
        for (std::size_t c = 0; c < columnWidths.size(); ++c)
            if (columnWidths[c] != common) view->setColumnWidth(static_cast<int>(c), columnWidths[c]);
    }
    PlaceOverlays();
}

int FrozenGridView::FrozenWidth() const {
    int width = 0;
    for (int c = 0; c < FFrozenColumns; ++c) width += columnWidth(c);
    return width;
}

int FrozenGridView::FrozenHeight() const {
    int height = 0;
    for (int r = 0; r < FFrozenRows; ++r) height += rowHeight(r);
    return height;
}

void FrozenGridView::PlaceOverlays() {
    if (!FCorner) return;  // the base class lays out before the overlays exist
    const QRect area = viewport()->geometry();
    const int width = std::min(FrozenWidth(), area.width());
    const int height = std::min(FrozenHeight(), area.height());
    FLeft->setGeometry(area.left(), area.top(), width, area.height());
    FTop->setGeometry(area.left(), area.top(), area.width(), height);
    FCorner->setGeometry(area.left(), area.top(), width, height);
    FLeft->setVisible(width > 0);
    FTop->setVisible(height > 0);
    FCorner->setVisible(width > 0 && height > 0);
    FCorner->raise();
    FLeft->verticalScrollBar()->setValue(verticalScrollBar()->value());
    FTop->horizontalScrollBar()->setValue(horizontalScrollBar()->value());
}

void FrozenGridView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    PlaceOverlays();
}

void FrozenGridView::updateGeometries() {
    QTableView::updateGeometries();
    PlaceOverlays();
}

QModelIndex FrozenGridView::OutsideFrozen(QModelIndex index) const {
    if (!index.isValid() || !model()) return index;
    const int rows = model()->rowCount();
    const int columns = model()->columnCount();
    if (rows <= FFrozenRows || columns <= FFrozenColumns) return {};
    return model()->index(std::max(index.row(), FFrozenRows), std::max(index.column(), FFrozenColumns));
}

QModelIndex FrozenGridView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    return OutsideFrozen(QTableView::moveCursor(action, modifiers));
}

void FrozenGridView::SetCurrentCell(int row, int column) {
    if (!model()) return;
    const QModelIndex target = OutsideFrozen(model()->index(std::clamp(row, 0, model()->rowCount() - 1),
                                                            std::clamp(column, 0, model()->columnCount() - 1)));
    if (target.isValid()) setCurrentIndex(target);
}

// Scrolls so that the cell is clear of the frozen parts laid over the viewport.
void FrozenGridView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    QTableView::scrollTo(index, hint);
    if (!index.isValid() || index.row() < FFrozenRows || index.column() < FFrozenColumns) return;
    const QRect cell = visualRect(index);
    if (cell.left() < FrozenWidth())
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() - (FrozenWidth() - cell.left()));
    if (cell.top() < FrozenHeight())
        verticalScrollBar()->setValue(verticalScrollBar()->value() - (FrozenHeight() - cell.top()));
}

bool FrozenGridView::eventFilter(QObject* watched, QEvent* event) {
    if (watched != viewport()) {
        if (event->type() == QEvent::Wheel) {
            QCoreApplication::sendEvent(viewport(), event);
            return true;
        }
        if (event->type() == QEvent::MouseButtonDblClick) {
            emit GridDoubleClicked();
            return true;
        }
    }
    return QTableView::eventFilter(watched, event);
}

// The press before a double click has made the cell under the mouse
// current (when it can be); the double click then acts on the current cell.
void FrozenGridView::mouseDoubleClickEvent(QMouseEvent* event) {
    const QModelIndex under = indexAt(event->position().toPoint());
    if (under.isValid() && (under.flags() & Qt::ItemIsSelectable)) setCurrentIndex(under);
    event->accept();
    emit GridDoubleClicked();
}

void FrozenGridView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        emit ToggleKeyPressed();
        return;
    }
    QTableView::keyPressEvent(event);
}
