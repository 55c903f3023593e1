#include "table/widgets/GameTable.h"

#include "table/widgets/FrozenGridView.h"
#include "table/widgets/GameTableModel.h"
#include "table/widgets/GridCellDelegate.h"

#include <QStackedLayout>

struct GameTable::Views {
    FrozenGridView* text;
    FrozenGridView* graphic;
    QStackedLayout* stack;
};

namespace {

FrozenGridView* MakeGrid(QWidget* parent, const char* name, QAbstractItemModel* model, GridCellDelegate::Form form) {
    auto* grid = new FrozenGridView(parent);
    grid->setObjectName(QLatin1String(name));
    grid->setModel(model);
    grid->setItemDelegate(new GridCellDelegate(form, grid));
    grid->setShowGrid(true);
    return grid;
}

}  // namespace

GameTable::GameTable(QWidget* parent)
    : QWidget(parent), FModel(std::make_unique<GameTableModel>()), FViews(std::make_unique<Views>()) {
    FViews->text = MakeGrid(this, "Table", FModel.get(), GridCellDelegate::Form::Text);
    FViews->graphic = MakeGrid(this, "TableGr", FModel.get(), GridCellDelegate::Form::Graphic);
    FViews->graphic->setFrameShape(QFrame::NoFrame);
    FViews->graphic->setStyleSheet(QStringLiteral("QTableView#TableGr { background: white; }"));
    FViews->stack = new QStackedLayout(this);
    FViews->stack->setContentsMargins(0, 0, 0, 0);
    FViews->stack->addWidget(FViews->graphic);
    FViews->stack->addWidget(FViews->text);
    for (FrozenGridView* grid : {FViews->text, FViews->graphic}) {
        connect(grid, &FrozenGridView::GridDoubleClicked, this, [this, grid] { ToggleCurrent(grid); });
        connect(grid, &FrozenGridView::ToggleKeyPressed, this, [this, grid] { ToggleCurrent(grid); });
    }
}

GameTable::~GameTable() = default;

QTableView* GameTable::TextGrid() const { return FViews->text; }
QTableView* GameTable::GraphicGrid() const { return FViews->graphic; }

FrozenGridView* GameTable::VisibleGrid() const { return FGraphic ? FViews->graphic : FViews->text; }

bool GameTable::Rebuild(const TVemoData& game, TableOptions& options) {
    FrozenGridView* grid = VisibleGrid();
    const QModelIndex before = grid->currentIndex();
    const bool content = FModel->Rebuild(game, options);
    setVisible(content);
    if (!content) return false;
    const CellMatrix& m = FModel->Matrix();
    for (FrozenGridView* g : {FViews->text, FViews->graphic})
        g->SetLayout(m.FixedRowCount(), m.FixedColumnCount(), m.ColumnWidths(), CellMatrix::kDefaultRowHeight);
    if (!grid->currentIndex().isValid() || grid->currentIndex() != before)
        grid->SetCurrentCell(before.isValid() ? before.row() : 0, before.isValid() ? before.column() : 0);
    grid->viewport()->update();
    return true;
}

void GameTable::SetGraphic(bool graphic) {
    FrozenGridView* from = VisibleGrid();
    FGraphic = graphic;
    FrozenGridView* to = VisibleGrid();
    if (from != to && from->currentIndex().isValid())
        to->SetCurrentCell(from->currentIndex().row(), from->currentIndex().column());
    FViews->stack->setCurrentWidget(to);
    to->setFocus();
}

int GameTable::CurrentTeamIndex() const {
    const QModelIndex current = VisibleGrid()->currentIndex();
    if (!current.isValid()) return -1;
    return FModel->Matrix().TeamAtRow(current.row() - FModel->Matrix().FixedRowCount());
}

int GameTable::CurrentQuestion() const {
    return QuestionOf(VisibleGrid());
}

int GameTable::QuestionOf(const FrozenGridView* grid) const {
    const QModelIndex current = grid->currentIndex();
    if (!current.isValid()) return -1;
    const int q = current.column() - FModel->Matrix().FixedColumnCount();
    return q >= 0 ? q : -1;
}

void GameTable::ToggleCurrent(const FrozenGridView* grid) {
    const QModelIndex current = grid->currentIndex();
    const int q = QuestionOf(grid);
    TTeamData* team = current.isValid() && q >= 0
                          ? FModel->Matrix().TeamOfRow(current.row() - FModel->Matrix().FixedRowCount())
                          : nullptr;
    emit ToggleRequested(team, q);
}

void GameTable::Clear() { FModel->Clear(); }
