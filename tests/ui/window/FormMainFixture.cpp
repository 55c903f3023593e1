#include "FormMainFixture.h"

#include "support/GameBuilder.h"
#include "table/widgets/GameTableModel.h"
#include "support/TestApplication.h"
#include "ui/platform/DesktopDatabases.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QTableView>
#include <QTest>

#include <filesystem>

FormMainTest::FormMainTest() {
    TestApplication();
    std::filesystem::create_directories(FFolder.Path() / "program");
    std::filesystem::create_directories(FFolder.Path() / "data");
    qputenv("VEMO_PROGRAM_DIR", QByteArray::fromStdString(FFolder.File("program")));
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(FFolder.File("data")));
    qputenv("XDG_STATE_HOME", QByteArray::fromStdString(FFolder.File("state")));
}

FormMainTest::~FormMainTest() {
    FForm.reset();
    EXPECT_TRUE(QTest::qWaitFor([] { return !RefreshingDesktopDatabases(); }, 20000));
    qunsetenv("VEMO_PROGRAM_DIR");
    qunsetenv("XDG_DATA_HOME");
    qunsetenv("XDG_STATE_HOME");
}

std::string FormMainTest::RecoveryFile() const { return FFolder.File("state/vemo/recovery.qgm"); }

TFormMain& FormMainTest::Start(StartupOptions options) {
    options.showSplash = false;
    return Show(options);
}

TFormMain& FormMainTest::StartWithSplash() { return Show(StartupOptions{}); }

TFormMain& FormMainTest::Show(const StartupOptions& options) {
    if (FForm) Close();
    FForm = std::make_unique<TFormMain>(options);
    FForm->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(FForm.get()));
    return *FForm;
}

bool FormMainTest::Close() {
    FForm->close();
    return FForm->isVisible();
}

QString FormMainTest::ProgramDir() const { return QString::fromStdString(FFolder.File("program")) + u'/'; }

std::string FormMainTest::ConfigFile() const { return FFolder.File("program/Vemo.cfg"); }

QString FormMainTest::SaveGame(const TVemoData& game, const std::string& name) const {
    const std::string path = FFolder.File(name);
    EXPECT_TRUE(game.SaveToFile(path));
    return QString::fromStdString(path);
}

void FormMainTest::Open(const QString& path) {
    FDialogs.fileNames.enqueue(path);
    Action("ActOpenFile")->trigger();
}

void FormMainTest::CancelRegistration() {
    FDialogs.windows.enqueue([](QDialog& window) {
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Регистрация команд"));
        QTest::mouseClick(window.findChild<QAbstractButton*>(QStringLiteral("CancelButton")), Qt::LeftButton);
    });
}

QAction* FormMainTest::Action(const QByteArray& name) const {
    auto* action = FForm->findChild<QAction*>(QLatin1String(name));
    EXPECT_NE(action, nullptr) << name.constData();
    return action;
}

QAbstractButton* FormMainTest::Button(const QByteArray& name) const {
    auto* button = FForm->findChild<QAbstractButton*>(QLatin1String(name));
    EXPECT_NE(button, nullptr) << name.constData();
    return button;
}

QComboBox* FormMainTest::Box(const char* name) const {
    auto* box = FForm->findChild<QComboBox*>(QLatin1String(name));
    EXPECT_NE(box, nullptr) << name;
    return box;
}

QTableView* FormMainTest::Grid() const {
    auto* graphic = FForm->findChild<QTableView*>(QStringLiteral("TableGr"));
    auto* text = FForm->findChild<QTableView*>(QStringLiteral("Table"));
    return graphic->isVisibleTo(FForm.get()) ? graphic : text;
}

QString FormMainTest::Cell(int column, int row) const {
    return Grid()->model()->index(row, column).data().toString();
}

QStringList FormMainTest::RowTexts(int row, int count) const {
    QStringList texts;
    for (int column = 0; column < count; ++column) texts.append(Cell(column, row));
    return texts;
}

int FormMainTest::HeaderRows() const {
    const QAbstractItemModel* model = Grid()->model();
    int rows = 0;
    while (rows < model->rowCount() && !model->index(rows, 0).data(GameTableModel::TeamHeaderRole).toBool()) ++rows;
    return rows + 1;
}

QStringList FormMainTest::TeamOrder(int nameColumn) const {
    QStringList names;
    for (int row = HeaderRows(); row < Grid()->model()->rowCount(); ++row) names.append(Cell(nameColumn, row));
    return names;
}

namespace {

// The widget a user's pointer meets at the centre of a cell: the grid's
// viewport, or one of the parts laid over it for the frozen cells.
std::pair<QWidget*, QPoint> CellTarget(QTableView* grid, int column, int row) {
    const QModelIndex index = grid->model()->index(row, column);
    grid->scrollTo(index);
    const QPoint centre = grid->viewport()->mapTo(grid, grid->visualRect(index).center());
    QWidget* target = grid->childAt(centre);
    if (!target) target = grid->viewport();
    return {target, target->mapFrom(grid, centre)};
}

}  // namespace

void FormMainTest::ClickCell(int column, int row) {
    const auto [target, point] = CellTarget(Grid(), column, row);
    QTest::mouseClick(target, Qt::LeftButton, {}, point);
}

void FormMainTest::DoubleClickCell(int column, int row) {
    const auto [target, point] = CellTarget(Grid(), column, row);
    QTest::mouseClick(target, Qt::LeftButton, {}, point);
    QTest::mouseDClick(target, Qt::LeftButton, {}, point);
}

void FormMainTest::Choose(QComboBox* box, int index) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Home);
    for (int i = 0; i < index; ++i) QTest::keyClick(box, Qt::Key_Down);
}

std::unique_ptr<TVemoData> ThreeTeamGame() { return MakeGame({3, 2}, {"++-+-", "+----", "+++++"}); }

std::unique_ptr<TVemoData> GroupGame() {
    auto game = MakeGame({4}, {"----", "----", "----", "----"});
    for (const char* name : {"G1", "G2", "G3"}) {
        const TGroupData group{name};
        game->AddGroup(&group);
    }
    game->TeamByNumber(1)->SetGroup(game->GroupByIndex(0));
    game->TeamByNumber(2)->SetGroup(game->GroupByIndex(1));
    game->TeamByNumber(3)->SetGroup(game->GroupByIndex(1));
    game->UpdateGroupTeams();
    return game;
}
