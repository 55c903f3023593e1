#include "champ/widgets/TFormChamp.h"

#include "base/Errors.h"
#include "champ/ChampTableRows.h"
#include "champ/widgets/ChampGrid.h"
#include "champ/widgets/TFormChampSett.h"
#include "output/widgets/FlatButton.h"
#include "output/widgets/OutputSource.h"
#include "output/widgets/TFormPrint.h"
#include "ui/platform/Dialogs.h"
#include "ui/platform/GameFileDialog.h"
#include "ui/platform/GeneralError.h"
#include "ui/text/AnsiText.h"

#include <QButtonGroup>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

// The pictures live in this library's resources, which a static library
// has to register itself.
static void RegisterPictures() {
    static bool registered = false;
    if (registered) return;
    Q_INIT_RESOURCE(vemo_champ_widgets);
    registered = true;
}

namespace {

constexpr int kHelpTopic = 1026;
constexpr int kPictureSize = 24;
constexpr int kGamesTableHeight = 120;
const QString kNoName = QStringLiteral("Без названия");
const QString kError = QStringLiteral("Ошибка");

// The championship's table as the output dialog reads it. Its rows are in
// the order of places already, so there is nothing to recount.
class ChampOutput final : public OutputSource {
public:
    ChampOutput(const Championship& champ, QString name) : FChamp(champ), FName(std::move(name)) {}

    ReportData Data(InfoType) override { return ChampReportData(FChamp, ToAnsi(FName)); }
    void OrderByPlaces() override {}

private:
    const Championship& FChamp;
    QString FName;
};

QString ResultCaption(bool byScore) { return byScore ? QStringLiteral("Рез.") : QStringLiteral("Очки"); }

}  // namespace

TFormChamp::TFormChamp(QString programDirectory, QWidget* parent)
    : ProgramDialog(parent, kHelpTopic), FProgramDirectory(std::move(programDirectory)) {
    setObjectName(QStringLiteral("FormChamp"));
    setWindowTitle(QStringLiteral("Подсчет чемпионата"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    GamesTable = new ChampGrid("GamesTable", kGamesTableColumns,
                               {QStringLiteral("#"), QStringLiteral("Описание тура"), QStringLiteral("Дата"),
                                QStringLiteral("Ком."), QStringLiteral("Вопр.")},
                               ChampGrid::Selection::Kept, this);
    ResTable = new ChampGrid("ResTable", kResTableColumns,
                             {QStringLiteral("М"), QStringLiteral("Команда"), QStringLiteral("Город"),
                              QStringLiteral("Игры"), ResultCaption(true)},
                             ChampGrid::Selection::Dropped, this);
    Splitter = new QSplitter(Qt::Vertical, this);
    Splitter->setObjectName(QStringLiteral("Splitter"));
    Splitter->setChildrenCollapsible(false);
    Splitter->addWidget(GamesTable);
    Splitter->addWidget(ResTable);
    Splitter->setStretchFactor(1, 1);
    Splitter->setSizes({kGamesTableHeight, 10 * kGamesTableHeight});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(TopPanel());
    layout->addWidget(Splitter, 1);
    resize(640, 480);
}

QWidget* TFormChamp::TopPanel() {
    RegisterPictures();
    auto* panel = new QWidget(this);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    AddGameButton = AddButton(panel, "AddGameButton", "addgame", QStringLiteral("Включить игру в чемпионат"));
    DelGameButton = AddButton(panel, "DelGameButton", "delgame", QStringLiteral("Исключить игру из чемпионата"));
    PrintButton = AddButton(panel, "PrintButton", "print", QStringLiteral("Печать итоговой таблицы чемпионата"));
    row->addWidget(AddGameButton);
    row->addWidget(DelGameButton);
    row->addWidget(PrintButton);
    row->addSpacing(12);

    ScoreCountButton = AddButton(panel, "ScoreCountButton", "score",
                                 QStringLiteral("Подсчет суммарного результата (возможно исключение худших игр)"));
    PointsCountButton = AddButton(panel, "PointsCountButton", "points",
                                  QStringLiteral("Подсчет суммарного количества очков за занятые в играх места"));
    auto* modes = new QButtonGroup(panel);
    for (QToolButton* button : {ScoreCountButton, PointsCountButton}) {
        button->setCheckable(true);
        modes->addButton(button);
        row->addWidget(button);
    }
    SettingsButton = AddButton(panel, "SettingsButton", "settings", QStringLiteral("Настройки подсчета чемпионата"));
    row->addWidget(SettingsButton);
    row->addSpacing(12);

    row->addWidget(new QLabel(QStringLiteral("Чемпионат"), panel));
    EnterChampName = new QLineEdit(kNoName, panel);
    EnterChampName->setObjectName(QStringLiteral("EnterChampName"));
    row->addWidget(EnterChampName, 1);

    connect(AddGameButton, &QToolButton::clicked, this, &TFormChamp::AddGameButtonClick);
    connect(DelGameButton, &QToolButton::clicked, this, &TFormChamp::DelGameButtonClick);
    connect(PrintButton, &QToolButton::clicked, this, &TFormChamp::PrintButtonClick);
    connect(ScoreCountButton, &QToolButton::clicked, this, [this] { CountModeClick(true); });
    connect(PointsCountButton, &QToolButton::clicked, this, [this] { CountModeClick(false); });
    connect(SettingsButton, &QToolButton::clicked, this, &TFormChamp::SettingsButtonClick);
    return panel;
}

QToolButton* TFormChamp::AddButton(QWidget* panel, const char* name, const char* picture, const QString& hint) {
    return MakeFlatButton(panel, name, QIcon(QStringLiteral(":/vemo/champ/icons/%1.svg").arg(QLatin1String(picture))),
                          hint, kPictureSize);
}

void TFormChamp::SetSettings(const ChampSettings& settings) { FChamp.SetSettings(settings); }

// A showing of the window's own, not the desktop's return of it after a
// minimize, starts a new championship.
void TFormChamp::showEvent(QShowEvent* event) {
    ProgramDialog::showEvent(event);
    if (event->spontaneous()) return;
    EnterChampName->setText(kNoName);
    FChamp.Clear();
    (Settings().CountByScore ? ScoreCountButton : PointsCountButton)->setChecked(true);
    ShowGames();
    ShowResults();
}

void TFormChamp::done(int result) {
    FChamp.Clear();
    ShowGames();
    ShowResults();
    ProgramDialog::done(result);
}

// A file that is not a game, or breaks off, joins nothing: it is told, and
// the list stays as it was.
void TFormChamp::AddGameButtonClick() {
    const QString path = AppDialogs().OpenFileName(
        GameFileRequest(QStringLiteral("Включить игру в чемпионат"), FProgramDirectory));
    if (path.isEmpty()) return;
    Championship::AddResult result{};
    try {
        result = FChamp.AddGame(QFile::encodeName(path).toStdString());
    } catch (const Exception& error) {
        ShowGeneralError(error);
        return;
    }
    if (result != Championship::AddResult::Added) {
        AppDialogs().ErrorBox(FromAnsi(AddGameMessage(result)), kError);
        return;
    }
    ShowGames();
    ShowResults();
}

void TFormChamp::DelGameButtonClick() {
    if (!FChamp.DeleteGame(GamesTable->SelectedRow())) return;
    ShowGames();
    ShowResults();
}

void TFormChamp::PrintButtonClick() {
    ChampOutput output(FChamp, EnterChampName->text());
    TFormPrint form(output, FProgramDirectory, this);
    for (InfoType type : {InfoType::TourResults, InfoType::FinalTable, InfoType::TakenQuestions,
                          InfoType::QuestionRatings})
        form.SetInfoTypeEnabled(type, false);
    form.SetInfoTypeEnabled(InfoType::Championship, true);
    form.SetInfoType(InfoType::Championship);
    AppDialogs().Exec(form);
}

void TFormChamp::CountModeClick(bool byScore) {
    ChampSettings settings = Settings();
    settings.CountByScore = byScore;
    FChamp.SetSettings(settings);
    ShowResults();
}

// The table is counted again even when the settings window was cancelled.
void TFormChamp::SettingsButtonClick() {
    TFormChampSett form(Settings(), this);
    if (AppDialogs().Exec(form) == QDialog::Accepted) FChamp.SetSettings(form.Settings());
    ShowResults();
}

void TFormChamp::ShowGames() {
    std::vector<std::vector<std::string>> rows;
    for (int g = 0; g < FChamp.GameCount(); ++g) rows.push_back(GameListRow(g + 1, *FChamp.Game(g)));
    GamesTable->SetRows(rows);
    DelGameButton->setEnabled(FChamp.GameCount() > 0);
    PrintButton->setEnabled(FChamp.GameCount() > 0);
}

void TFormChamp::ShowResults() {
    std::vector<std::vector<std::string>> rows;
    for (const ChampTeamRec& row : FChamp.ChampTeams()) rows.push_back(ChampTableRow(row, Settings()));
    ResTable->SetRows(rows);
    ResTable->SetCaption(4, ResultCaption(Settings().CountByScore));
}
