#include "entry/widgets/ListEditor.h"

#include "entry/ColumnWidths.h"
#include "entry/EntryChars.h"
#include "entry/widgets/CellChoice.h"
#include "entry/widgets/CellEdit.h"
#include "entry/widgets/ListGridModel.h"
#include "entry/widgets/TypedCharsValidator.h"

#include <QEvent>
#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// A section of a Qt grid holds the cell and the grid line below it.
constexpr int kSectionHeight = ListEditor::kCellHeight + 1;

// The light 3-D colour of the fields laid over cells, so that the cell
// being edited stands out from the grid.
void GiveCellEditorColours(QWidget& editor) {
    QPalette palette = editor.palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Midlight));
    palette.setColor(QPalette::Button, palette.color(QPalette::Midlight));
    editor.setPalette(palette);
}

}  // namespace

ListEditor::ListEditor(const QStringList& headers, std::vector<double> widthFractions, QWidget* parent)
    : QWidget(parent), FFractions(std::move(widthFractions)), FModel(new ListGridModel(headers, this)),
      FTable(new QTableView(this)) {
    BuildTable();
    FEdit = new CellEdit(FTable->viewport());
    FEdit->setObjectName(QStringLiteral("EnterValue"));
    FFreeText = new TypedCharsValidator(EntryChars::AcceptsFreeText, *FEdit);
    FDigits = new TypedCharsValidator(EntryChars::AcceptsDigits, *FEdit);
    FChoice = new CellChoice(FTable->viewport());
    FChoice->setObjectName(QStringLiteral("ChooseValue"));
    for (QWidget* editor : {static_cast<QWidget*>(FEdit), static_cast<QWidget*>(FChoice)}) GiveCellEditorColours(*editor);

    connect(FEdit, &CellEdit::Entered, this, [this] { emit EditorEntered(FEdit->text()); });
    connect(FEdit, &CellEdit::Escaped, this, [this] { CloseEditor(*FEdit); });
    connect(FChoice, &QComboBox::activated, this, &ListEditor::ChoiceChosen);
    connect(FChoice, &CellChoice::Entered, this, [this] { emit ChoiceEntered(FChoice->currentIndex()); });
    connect(FChoice, &CellChoice::Escaped, this, [this] { CloseEditor(*FChoice); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FTable);
}

void ListEditor::BuildTable() {
    FTable->setObjectName(QStringLiteral("Table"));
    FTable->setModel(FModel);
    FTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FTable->setSelectionMode(QAbstractItemView::SingleSelection);
    FTable->setSelectionBehavior(QAbstractItemView::SelectItems);
    FTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FTable->setWordWrap(false);
    FTable->verticalHeader()->hide();
    FTable->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    FTable->verticalHeader()->setDefaultSectionSize(kSectionHeight);
    QHeaderView* header = FTable->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setFixedHeight(kSectionHeight);
    header->setMinimumSectionSize(1);
    FTable->viewport()->installEventFilter(this);
    // The first cell is current from the start, as in a new grid, without
    // being reported: nothing is selected until the user chooses a cell.
    FTable->setCurrentIndex(FModel->index(0, 0));

    connect(FTable->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
        if (current.isValid()) emit CellSelected(current.column(), current.row() + 1);
    });
    // A click on the current cell after its edit was dropped opens it again.
    connect(FTable, &QAbstractItemView::pressed, this, [this](const QModelIndex& index) {
        if (index == FTable->currentIndex() && !EditorOpenAt(index)) emit CellSelected(index.column(), index.row() + 1);
    });
}

bool ListEditor::eventFilter(QObject* watched, QEvent* event) {
    // A grid laid out while hidden gets its last size without a resize event.
    const bool sized = event->type() == QEvent::Resize || event->type() == QEvent::Show;
    if (watched == FTable->viewport() && sized) {
        ApplyColumnWidths();
        if (FEdit->isVisible()) PlaceOver(*FEdit, FEdited);
        if (FChoice->isVisible()) PlaceOver(*FChoice, FEdited);
    }
    return QWidget::eventFilter(watched, event);
}

void ListEditor::ApplyColumnWidths() {
    const std::vector<int> widths = ColumnWidths(FTable->viewport()->width(), FFractions);
    for (std::size_t c = 0; c < widths.size(); ++c) FTable->setColumnWidth(static_cast<int>(c), widths[c]);
}

void ListEditor::SetRows(const std::vector<RowTexts>& rows) { FModel->SetRows(rows); }

int ListEditor::LastRow() const { return FModel->rowCount(); }

GridCell ListEditor::Current() const {
    const QModelIndex current = FTable->currentIndex();
    if (!current.isValid()) return {0, 1};
    return {current.column(), current.row() + 1};
}

QString ListEditor::CellText(GridCell cell) const { return FModel->Text(cell.row - 1, cell.column); }

void ListEditor::SelectCell(GridCell cell) {
    const QModelIndex index = FModel->index(cell.row - 1, cell.column);
    if (!index.isValid()) return;
    if (index == FTable->currentIndex())
        emit CellSelected(cell.column, cell.row);
    else
        FTable->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    if (!FEdit->isVisible() && !FChoice->isVisible()) FTable->setFocus();
}

void ListEditor::OpenEditor(GridCell cell, Field field) {
    FChoice->hide();
    FEdited = cell;
    FEdit->setValidator(field == Field::Digits ? FDigits : FFreeText);
    FEdit->setText(CellText(cell));
    PlaceOver(*FEdit, cell);
    FEdit->show();
    FEdit->setFocus();
    FEdit->selectAll();
}

void ListEditor::SetChoiceItems(const QStringList& items) {
    FChoice->clear();
    FChoice->addItems(items);
}

void ListEditor::OpenChoice(GridCell cell, int index) {
    FEdit->hide();
    FEdited = cell;
    FChoice->setCurrentIndex(index);
    PlaceOver(*FChoice, cell);
    FChoice->show();
    FChoice->setFocus();
}

void ListEditor::PlaceOver(QWidget& editor, GridCell cell) {
    const QModelIndex index = FModel->index(cell.row - 1, cell.column);
    FTable->scrollTo(index);
    editor.setGeometry(FTable->visualRect(index).adjusted(0, 0, 1, 1));
}

// The grid keeps the focus, so the keys go on moving through its cells.
void ListEditor::CloseEditor(QWidget& editor) {
    FTable->setFocus();
    editor.hide();
}

bool ListEditor::EditorOpenAt(const QModelIndex& index) const {
    const bool open = FEdit->isVisible() || FChoice->isVisible();
    return open && FEdited == GridCell{index.column(), index.row() + 1};
}
