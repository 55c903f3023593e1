#include "champ/widgets/ChampGrid.h"

#include "champ/ChampTableRows.h"
#include "ui/text/AnsiText.h"

#include <QHeaderView>

#include <algorithm>

namespace {

constexpr int kRowHeight = 18;

}  // namespace

ChampGrid::ChampGrid(const char* name, const std::array<double, 5>& shares, const QStringList& captions,
                     Selection selection, QWidget* parent)
    : QTableWidget(1, static_cast<int>(shares.size()), parent), FShares(shares), FSelection(selection) {
    setObjectName(QLatin1String(name));
    setHorizontalHeaderLabels(captions);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(kRowHeight);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void ChampGrid::SetCaption(int column, const QString& caption) {
    horizontalHeaderItem(column)->setText(caption);
}

void ChampGrid::SetRows(const std::vector<std::vector<std::string>>& rows) {
    const int selected = currentRow();
    clearContents();
    FEmpty = rows.empty();
    setRowCount(std::max(static_cast<int>(rows.size()), 1));
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            setItem(static_cast<int>(r), static_cast<int>(c), new QTableWidgetItem(FromAnsi(rows[r][c])));
    if (FSelection == Selection::Kept && !FEmpty)
        setCurrentCell(std::clamp(selected, 0, rowCount() - 1), 0);
    else
        setCurrentIndex(QModelIndex());
}

int ChampGrid::SelectedRow() const { return FEmpty ? -1 : currentRow(); }

void ChampGrid::resizeEvent(QResizeEvent* event) {
    QTableWidget::resizeEvent(event);
    const std::vector<int> widths = ColumnWidths(FShares, viewport()->width());
    for (int c = 0; c < columnCount(); ++c) setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
}
