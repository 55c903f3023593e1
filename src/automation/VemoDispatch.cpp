#include "automation/VemoDispatch.h"

#include "base/TransCodes.h"
#include "model/VemoData.h"
#include "output/widgets/OutputFiles.h"
#include "output/widgets/TFormPreview.h"
#include "output/widgets/TFormPrint.h"
#include "ui/FileCommands.h"
#include "ui/GameFiles.h"
#include "ui/GameOutput.h"
#include "ui/MainActions.h"
#include "ui/MainParts.h"
#include "ui/TFormMain.h"
#include "ui/WindowTitle.h"
#include "ui/document/GameDocument.h"
#include "ui/platform/Dialogs.h"
#include "ui/platform/ProgramDirectory.h"
#include "ui/text/AnsiText.h"

#include <QFileInfo>

#include <algorithm>
#include <optional>

using enum ActionId;

namespace {

// A deposit is kept in 16 bits by the game file.
constexpr int kMaxDeposit = 65535;

// A text of the interface in the game's Windows-1251; none when it is
// longer than a game file can hold, which makes the method do nothing.
std::optional<std::string> GameText(const QString& text) {
    std::string ansi = ToAnsi(text);
    if (ansi.size() > static_cast<std::size_t>(TVemoData::kMaxTextLength)) return std::nullopt;
    return ansi;
}

bool InRange(int value, int first, int last) { return value >= first && value <= last; }

// A team with the four texts, to be added; none when the name or the town
// is empty or a text is too long.
std::unique_ptr<TTeamData> NewTeam(const QString& strTeam, const QString& strTown, const QString& strCaptain,
                                   const QString& strTrainer) {
    const auto name = GameText(strTeam), town = GameText(strTown);
    const auto captain = GameText(strCaptain), trainer = GameText(strTrainer);
    if (strTeam.isEmpty() || strTown.isEmpty() || !name || !town || !captain || !trainer) return nullptr;
    auto team = std::make_unique<TTeamData>();
    team->Name = *name;
    team->Town = *town;
    team->Captain = *captain;
    team->Trainer = *trainer;
    return team;
}

// Result types 1 to 4 are the information types 0 to 3.
std::optional<InfoType> ResultType(int nResultType) {
    if (!InRange(nResultType, 1, 4)) return std::nullopt;
    return static_cast<InfoType>(nResultType - 1);
}

}  // namespace

TVemoData& VemoDispatch::Game() const { return FParts.document.Game(); }

TTeamData* VemoDispatch::TeamInView(int position) const {
    if (!InRange(position, 1, Game().ActiveTeamCount())) return nullptr;
    return Game().ActiveTeam(position - 1);
}

int VemoDispatch::PositionOf(const std::string& name, const std::string* town) const {
    const TVemoData& game = Game();
    for (int i = 0; i < game.ActiveTeamCount(); ++i) {
        const TTeamData& team = *game.ActiveTeam(i);
        if (TransCodes::SameTextUpper(team.Name, name) && (!town || TransCodes::SameTextUpper(team.Town, *town)))
            return i + 1;
    }
    return 0;
}

void VemoDispatch::Edit(const QString& description, const std::function<void(TVemoData&)>& change) {
    FParts.document.Edit(description, change);
}

void VemoDispatch::EditWithoutCount(const QString& description, const std::function<void(TVemoData&)>& change) {
    FParts.document.Edit(description, change, GameDocument::Recount::Never);
}

// The counting commands take the last question from EnterQ, so it shows the game's.
void VemoDispatch::ShowLastQuestion() { FParts.form.SetLastQuestionShown(Game().LastQuestion()); }

void VemoDispatch::ShowNewGame() {
    FParts.actions.SetGameCommandsEnabled(true);
    for (ActionId id : {ActSaveAsFile, ActDeposit, ActScrResults}) FParts.actions.SetEnabled(id, true);
    ShowLastQuestion();
    // A game without questions shows no table and keeps the plain title.
    FParts.form.setWindowTitle(kProgramTitle);
    FParts.form.RebuildTable();
}

void VemoDispatch::ShowDateError(DateTextCheck check) {
    AppDialogs().ErrorBox(check == DateTextCheck::BadFormat ? QStringLiteral("Неправильный формат даты (дд.мм.гг)!")
                                                            : QStringLiteral("Неправильное значение даты (дд.мм.гг)!"),
                          QStringLiteral("Ошибка"));
}

// ---- The game's file ----

// A file that is no game leaves the empty game and says nothing; one that
// ends too early leaves it too and throws.
void VemoDispatch::OpenFile(const QString& strFileName) {
    const QString path = strFileName.isEmpty() ? FParts.files.AskOpenPath() : strFileName;
    if (path.isEmpty()) return;
    if (!FileCommands(FParts).LoadGame(path)) return;
    ShowNewGame();
}

// The game written counts as saved in that file, which the title then names.
void VemoDispatch::SaveFile(const QString& strFileName, bool bOverwrite) {
    if (Game().ActiveTeamCount() == 0) return;
    if (strFileName.isEmpty()) {
        FileCommands(FParts).ActSaveAsFileExecute();
        return;
    }
    if (!bOverwrite && QFileInfo::exists(strFileName)) return;
    if (!GameFiles::Write(Game(), strFileName)) return;
    FParts.document.SetSaved(strFileName);
    FParts.form.setWindowTitle(GameWindowTitle(Game(), strFileName));
}

// ---- The game in view ----

int VemoDispatch::GetTeamCount() const { return Game().ActiveTeamCount(); }

int VemoDispatch::GetQuestionCount() const { return Game().WindowQuestionCount(); }

void VemoDispatch::ShowWindow() {
    FParts.form.show();
    FParts.form.BringToFront();
    FParts.form.RebuildTable();
}

void VemoDispatch::HideWindow() { FParts.form.hide(); }

QString VemoDispatch::GetGameName() const { return FromAnsi(Game().GameName()); }

QString VemoDispatch::GetGameDate() const { return FromAnsi(Game().GameDateText()); }

TeamRec VemoDispatch::GetTeamAtNumber(int nNumber) const { return TeamRec::Of(Game().ActiveTeamByNumber(nNumber)); }

// Tied teams stand at different positions of the last count's order.
TeamRec VemoDispatch::GetTeamAtPlace(int nPlace) const {
    if (nPlace < 1 || nPlace > Game().ActiveTeamCount()) return {};
    return TeamRec::Of(Game().TeamsInCountedOrder()[static_cast<std::size_t>(nPlace - 1)]);
}

void VemoDispatch::SetLastQuestion(int nLastQuestion) {
    const int last = std::max(1, std::min(nLastQuestion, Game().WindowQuestionCount()));
    Edit(QStringLiteral("Результат после вопроса %1").arg(last), [last](TVemoData& game) { game.SetLastQuestion(last); });
    ShowLastQuestion();
}

int VemoDispatch::GetLastQuestion() const { return Game().GetLastQuestion(); }

void VemoDispatch::CountResult() {
    EditWithoutCount(QStringLiteral("Подсчет результата"), [](TVemoData& game) { game.CountResult(); });
}

// ---- Teams ----

void VemoDispatch::AddTeam(const QString& strTeam, const QString& strTown, const QString& strCaptain,
                           const QString& strTrainer) {
    auto team = NewTeam(strTeam, strTown, strCaptain, strTrainer);
    if (!team || PositionOf(team->Name, &team->Town) > 0) return;
    Edit(QStringLiteral("Новая команда %1").arg(strTeam), [&team](TVemoData& game) { game.AddTeam(std::move(team)); });
}

// The new team takes number p; the team that had it takes the new team's.
// No test of duplicates here.
void VemoDispatch::InsertTeam(int nIndex, const QString& strTeam, const QString& strTown, const QString& strCaptain,
                              const QString& strTrainer) {
    auto team = NewTeam(strTeam, strTown, strCaptain, strTrainer);
    if (!team) return;
    const int p = std::clamp(nIndex, 1, Game().ActiveTeamCount() + 1);
    Edit(QStringLiteral("Новая команда %1").arg(strTeam), [&team, p](TVemoData& game) {
        const int added = game.AddTeam(std::move(team));
        game.SwapTeamNumbers(game.TeamByIndex(added)->Number, p);
    });
}

void VemoDispatch::DeleteTeam(int nIndex) {
    const TTeamData* team = TeamInView(nIndex);
    if (!team) return;
    Edit(QStringLiteral("Удаление команды %1").arg(team->Number),
         [nIndex](TVemoData& game) { game.DeleteTeam(nIndex - 1); });
}

int VemoDispatch::FindTeam(const QString& strName, const QString& strTown) const {
    if (strName.isEmpty()) return 0;
    const std::string town = ToAnsi(strTown);
    return PositionOf(ToAnsi(strName), town.empty() ? nullptr : &town);
}

// A new name that some team in view (the team itself too) already has in
// this team's town is refused, so no two teams of a town share a name.
void VemoDispatch::SetTeamName(int nIndex, const QString& strName) {
    TTeamData* team = TeamInView(nIndex);
    const auto name = GameText(strName);
    if (!team || strName.isEmpty() || !name || PositionOf(*name, &team->Town) > 0) return;
    Edit(QStringLiteral("Название команды %1").arg(team->Number), [&](TVemoData&) { team->Name = *name; });
}

void VemoDispatch::SetTeamTown(int nIndex, const QString& strTown) {
    TTeamData* team = TeamInView(nIndex);
    const auto town = GameText(strTown);
    if (!team || strTown.isEmpty() || !town || PositionOf(team->Name, &*town) > 0) return;
    Edit(QStringLiteral("Город команды %1").arg(team->Number), [&](TVemoData&) { team->Town = *town; });
}

void VemoDispatch::SetTeamCaptain(int nIndex, const QString& strCaptain) {
    TTeamData* team = TeamInView(nIndex);
    const auto captain = GameText(strCaptain);
    if (!team || !captain) return;
    Edit(QStringLiteral("Капитан команды %1").arg(team->Number), [&](TVemoData&) { team->Captain = *captain; });
}

void VemoDispatch::SetTeamTrainer(int nIndex, const QString& strTrainer) {
    TTeamData* team = TeamInView(nIndex);
    const auto trainer = GameText(strTrainer);
    if (!team || !trainer) return;
    Edit(QStringLiteral("Тренер команды %1").arg(team->Number), [&](TVemoData&) { team->Trainer = *trainer; });
}

void VemoDispatch::SetTeamNumber(int nIndex, int nNumber) {
    const TTeamData* team = TeamInView(nIndex);
    if (!team || !InRange(nNumber, 1, Game().ActiveTeamCount())) return;
    const int number = team->Number;
    Edit(QStringLiteral("Номер команды %1").arg(number),
         [number, nNumber](TVemoData& game) { game.SwapTeamNumbers(number, nNumber); });
}

// ---- Answers and deposits: the places wait for the client's count ----

void VemoDispatch::SetQuestSign(int nTeam, int nQuest, bool bSign) {
    TTeamData* team = TeamInView(nTeam);
    if (!team || !InRange(nQuest, 1, Game().WindowQuestionCount())) return;
    EditWithoutCount(QStringLiteral("Ответ команды %1 на вопрос %2").arg(team->Number).arg(nQuest),
                     [=](TVemoData&) { team->SetMark(nQuest - 1, bSign ? 1 : 0); });
}

bool VemoDispatch::GetQuestSign(int nTeam, int nQuest) const {
    const TTeamData* team = TeamInView(nTeam);
    return team && InRange(nQuest, 1, Game().WindowQuestionCount()) && team->Mark(nQuest - 1) != 0;
}

void VemoDispatch::SetScoreDeposit(int nTeam, int nScore) {
    TTeamData* team = TeamInView(nTeam);
    if (!team || !InRange(nScore, 0, kMaxDeposit)) return;
    EditWithoutCount(QStringLiteral("Очковый залог команды %1").arg(team->Number),
                     [=](TVemoData&) { team->ScoreDeposit = nScore; });
}

int VemoDispatch::GetScoreDeposit(int nTeam) const {
    const TTeamData* team = TeamInView(nTeam);
    return team ? team->ScoreDeposit : 0;
}

// ---- Count parameters and questions ----

CountParam VemoDispatch::GetCountParam() const {
    const TVemoData& game = Game();
    return {game.HiRating(), game.RatingPlusOne(), game.SortByRating(), game.DepositScore()};
}

// The game's own parameters: the window's options stay, and the next game
// the window takes in gets them again.
void VemoDispatch::SetCountParam(bool HiRating, bool RatingPlusOne, bool SortByRating, bool DepositScore) {
    Edit(QStringLiteral("Опции подсчета"), [=](TVemoData& game) {
        game.SetHiRating(HiRating);
        game.SetRatingPlusOne(RatingPlusOne);
        game.SetSortByRating(SortByRating);
        game.SetDepositScore(DepositScore);
    });
}

void VemoDispatch::SetQuestionCount(int nCount) {
    if (nCount < 1) return;
    Edit(QStringLiteral("Количество вопросов %1").arg(nCount), [nCount](TVemoData& game) {
        game.UniteTours(0, game.TourCount());
        game.SetTourQuestCount(0, nCount);
    });
    ShowLastQuestion();
}

// ---- The game as a whole ----

// The new game is made whole before it replaces the open one: a date that
// is no number, or more questions than a game holds, leave the open game.
// A date the rules refuse gives a game without tours, and its message.
void VemoDispatch::NewGame(const QString& strTourName, int nQuestCount, const QString& strDate,
                           const QString& strPresenter) {
    const auto name = GameText(strTourName), presenter = GameText(strPresenter);
    if (nQuestCount <= 0 || !name || !presenter) return;
    auto game = FParts.document.NewGame();
    game->SetGameName(*name);
    game->SetPresenter(*presenter);
    TGameDate date;
    const DateTextCheck check = ParseGameDateText(ToAnsi(strDate), date);
    if (check == DateTextCheck::Valid) {
        game->AddTour(nQuestCount, *name);
        game->SetGameDate(date);
        game->SetLastQuestion(nQuestCount);
    }
    FParts.document.Open(std::move(game), {});
    ShowNewGame();
    if (check != DateTextCheck::Valid) ShowDateError(check);
}

QString VemoDispatch::GetPresenter() const { return FromAnsi(Game().Presenter()); }

void VemoDispatch::SetPresenter(const QString& strPresenter) {
    const auto presenter = GameText(strPresenter);
    if (!presenter) return;
    Edit(QStringLiteral("Ведущий"), [&](TVemoData& game) { game.SetPresenter(*presenter); });
}

void VemoDispatch::SetGameDate(const QString& strDate) {
    TGameDate date;
    const DateTextCheck check = ParseGameDateText(ToAnsi(strDate), date);
    if (check != DateTextCheck::Valid) {
        ShowDateError(check);
        return;
    }
    Edit(QStringLiteral("Дата игры"), [date](TVemoData& game) { game.SetGameDate(date); });
}

void VemoDispatch::SetGameName(const QString& strGameName) {
    const auto name = GameText(strGameName);
    if (!name) return;
    Edit(QStringLiteral("Название игры"), [&](TVemoData& game) { game.SetGameName(*name); });
}

// ---- Outputs, as the output dialog and the print preview make them ----

void VemoDispatch::OutResultExcel(int nResultType) {
    const auto type = ResultType(nResultType);
    if (!type) return;
    GameOutput output(FParts);
    TFormPrint form(output, ProgramDirectory(), &FParts.form);
    form.SetInfoType(*type);
    form.ExcelButtonClick();
}

// Printed as the last count left the results, on the printer in use.
void VemoDispatch::OutResultPrinter(int nResultType, bool bOrientation) {
    const auto type = ResultType(nResultType);
    if (!type) return;
    GameOutput output(FParts);
    TFormPreview preview(output.Data(*type), ProgramDirectory(), &FParts.form);
    preview.PrintAllPages(bOrientation ? PageOrientation::Portrait : PageOrientation::Landscape);
}

void VemoDispatch::OutResultFile(int nResultType, const QString& strFileName) {
    const auto type = ResultType(nResultType);
    if (!type) return;
    GameOutput output(FParts);
    TFormPrint form(output, ProgramDirectory(), &FParts.form);
    form.SetInfoType(*type);
    if (!form.WriteTextReport(strFileName)) ShowWriteError();
}
