#include "entry/widgets/TFormDepos.h"

#include "base/Rounding.h"
#include "entry/widgets/EntryPictures.h"
#include "model/TeamData.h"
#include "ui/text/AnsiText.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kHelpTopic = 1024;
constexpr int kRowHeight = 18;
constexpr int kDepositColumn = 2;
constexpr double kColumnShares[] = {0.09, 0.56, 0.34};

QTableWidgetItem* Cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

}  // namespace

TFormDepos::TFormDepos(TVemoData& game, QWidget* parent) : ProgramDialog(parent, kHelpTopic), FDeposits(game) {
    setObjectName(QStringLiteral("FormDepos"));
    setWindowTitle(QStringLiteral("Ввод очкового залога"));

    Table = new QTableWidget(FDeposits.Count(), 3, this);
    Table->setObjectName(QStringLiteral("Table"));
    Table->setHorizontalHeaderLabels({QStringLiteral("#"), QStringLiteral("Команда"), QStringLiteral("Заложено очков")});
    Table->verticalHeader()->hide();
    Table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Table->verticalHeader()->setDefaultSectionSize(kRowHeight);
    Table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table->setSelectionMode(QAbstractItemView::SingleSelection);
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    FillTable();
    Table->viewport()->installEventFilter(this);

    AddButton = MakeButton("AddButton", "depositadd", QStringLiteral("Добавить очко в залог"));
    RemoveButton = MakeButton("RemoveButton", "depositremove", QStringLiteral("Удалить очко из залога"));
    OKButton = new QPushButton(QStringLiteral("Готово"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Отмена"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(AddButton);
    buttons->addWidget(RemoveButton);
    buttons->addStretch(1);
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Table);
    layout->addLayout(buttons);
    setFixedSize(480, 460);

    connect(AddButton, &QToolButton::clicked, this, &TFormDepos::AddButtonClick);
    connect(RemoveButton, &QToolButton::clicked, this, &TFormDepos::RemoveButtonClick);
    connect(OKButton, &QPushButton::clicked, this, &TFormDepos::OKButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

QToolButton* TFormDepos::MakeButton(const char* name, const char* picture, const QString& hint) {
    auto* button = new QToolButton(this);
    button->setObjectName(QLatin1String(name));
    button->setIcon(EntryPicture(picture));
    button->setIconSize(QSize(22, 22));
    button->setAutoRaise(true);
    button->setToolTip(hint);
    return button;
}

void TFormDepos::FillTable() {
    for (int row = 0; row < FDeposits.Count(); ++row) {
        const TTeamData& team = FDeposits.Team(row);
        Table->setItem(row, 0, Cell(QString::number(team.Number)));
        Table->setItem(row, 1, Cell(FromAnsi(TeamWithTown(team))));
        Table->setItem(row, kDepositColumn, Cell({}));
        ShowDeposit(row);
    }
    if (FDeposits.Count() > 0) Table->selectRow(0);
}

void TFormDepos::ShowDeposit(int row) {
    Table->item(row, kDepositColumn)->setText(QString::number(FDeposits.Deposit(row)));
}

void TFormDepos::AddButtonClick() {
    const int row = Table->currentRow();
    if (FDeposits.Add(row)) ShowDeposit(row);
}

void TFormDepos::RemoveButtonClick() {
    const int row = Table->currentRow();
    if (FDeposits.Remove(row)) ShowDeposit(row);
}

void TFormDepos::OKButtonClick() {
    FDeposits.WriteBack();
    accept();
}

bool TFormDepos::eventFilter(QObject* watched, QEvent* event) {
    // A hidden grid may be laid out anew without a resize event: its showing counts too.
    if (watched == Table->viewport() && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
        SizeColumns();
    return ProgramDialog::eventFilter(watched, event);
}

// Shares of the grid's client width, each rounded to the nearest pixel.
void TFormDepos::SizeColumns() {
    const int width = Table->viewport()->width();
    for (int column = 0; column < 3; ++column)
        Table->setColumnWidth(column, RoundHalfEven(width * kColumnShares[column]));
}
