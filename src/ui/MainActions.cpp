#include "ui/MainActions.h"

#include "ui/MainCommands.h"

#include <QAction>
#include <QIcon>

#include <cassert>

namespace {

// The action table. Each command is a method of a group of commands (one
// class per subsystem or menu, see MainCommands.h); its row names the
// method with Run<&Group::Method>. A new command is that method and one
// row here; a new group is one class and its name in MainCommands. A row
// without a handler is a command that is not part of the program yet: it
// stays disabled.
using Handler = void (*)(MainCommands&);

template <class Method>
struct GroupOfMethod;
template <class Group>
struct GroupOfMethod<void (Group::*)()> {
    using Type = Group;
};

template <auto Method>
void Run(MainCommands& commands) {
    (commands.Get<typename GroupOfMethod<decltype(Method)>::Type>().*Method)();
}

struct ActionRow {
    ActionId id;
    const char* name;
    const char* caption;
    const char* hint;  // nullptr: the caption; "": none
    QKeySequence shortcut;
    bool checkable;
    bool enabledAtStart;
    const char* picture;  // nullptr: none
    Handler handler;      // nullptr: the command is not part of the program yet
};

constexpr bool kCheck = true;
constexpr bool kPlain = false;
constexpr bool kOn = true;
constexpr bool kOff = false;

QKeySequence Ctrl(Qt::Key key) { return QKeySequence(Qt::CTRL | key); }

// Checked states at start come from the configuration's defaults (the
// window applies them before it is shown), so they are not repeated here.
const ActionRow kActionTable[] = {
    {ActionId::ActNew, "ActNew", "Новая игра...", "Создать новую игру", Ctrl(Qt::Key_N), kPlain, kOn, "new", Run<&FileCommands::ActNewExecute>},
    {ActionId::ActOpenFile, "ActOpenFile", "Открыть игру...", "Загрузить игру из файла", Ctrl(Qt::Key_O), kPlain, kOn, "open", Run<&FileCommands::ActOpenFileExecute>},
    {ActionId::ActSaveFile, "ActSaveFile", "Сохранить игру", "Сохранить текущую игру", Ctrl(Qt::Key_S), kPlain, kOff, "save", Run<&FileCommands::ActSaveFileExecute>},
    {ActionId::ActSaveAsFile, "ActSaveAsFile", "Сохранить игру как...", "Сохранить игру в новом файле...", {}, kPlain, kOn, "saveas", Run<&FileCommands::ActSaveAsFileExecute>},
    {ActionId::ActMix, "ActMix", "Присоединить игру...", "Добавить команды к текущей игре", Ctrl(Qt::Key_M), kPlain, kOff, "mix", Run<&AnswerCommands::ActMixExecute>},
    {ActionId::ActChamp, "ActChamp", "Подсчет чемпионата", "Подсчет результата чемпионата из нескольких игр", {}, kPlain, kOn, "champ", Run<&ChampCommands::ActChampExecute>},
    {ActionId::ActAss, "ActAss", "Ассоциировать с файлами", nullptr, {}, kPlain, kOn, nullptr, Run<&ProgramCommands::ActAssExecute>},
    {ActionId::ActRemindUpdates, "ActRemindUpdates", "Напоминать об обновлениях", nullptr, {}, kCheck, kOff, "updates", nullptr},
    {ActionId::ActExit, "ActExit", "Выход", "Выход из программы", {}, kPlain, kOn, nullptr, Run<&ProgramCommands::ActExitExecute>},
    {ActionId::ActSett, "ActSett", "Панель настроек", "Показать/Скрыть панель настроек", {}, kCheck, kOn, "sett", Run<&ViewCommands::ActSettExecute>},
    {ActionId::ActSorting, "ActSorting", "Сортировать по местам", nullptr, {}, kCheck, kOn, nullptr, Run<&ViewCommands::ActOutExecute>},
    {ActionId::ActOutQuest, "ActOutQuest", "Взятые вопросы", nullptr, {}, kCheck, kOn, nullptr, Run<&ViewCommands::ActOutExecute>},
    {ActionId::ActOutRating, "ActOutRating", "Рейтинг вопросов", nullptr, {}, kCheck, kOn, nullptr, Run<&ViewCommands::ActOutExecute>},
    {ActionId::ActOutNTeam, "ActOutNTeam", "Номер команды", nullptr, {}, kCheck, kOn, nullptr, Run<&ViewCommands::ActOutExecute>},
    {ActionId::ActOutTeam, "ActOutTeam", "Название команды", nullptr, {}, kCheck, kOn, nullptr, Run<&ViewCommands::ActOutExecute>},
    {ActionId::ActOutTown, "ActOutTown", "Город", nullptr, {}, kCheck, kOn, nullptr, Run<&ViewCommands::ActOutExecute>},
    {ActionId::ActOutCapt, "ActOutCapt", "Капитан", nullptr, {}, kCheck, kOn, nullptr, Run<&ViewCommands::ActOutExecute>},
    {ActionId::ActOutCoach, "ActOutCoach", "Тренер", nullptr, {}, kCheck, kOn, nullptr, Run<&ViewCommands::ActOutExecute>},
    {ActionId::ActOutPlace, "ActOutPlace", "Место команды", nullptr, {}, kCheck, kOn, nullptr, Run<&ViewCommands::ActOutExecute>},
    {ActionId::ActOutScore, "ActOutScore", "Очки команды", nullptr, {}, kCheck, kOn, nullptr, Run<&ViewCommands::ActOutExecute>},
    {ActionId::ActOutSumRating, "ActOutSumRating", "Рейтинг команды", nullptr, {}, kCheck, kOn, nullptr, Run<&ViewCommands::ActOutExecute>},
    {ActionId::ActGraphTable, "ActGraphTable", "Включить графику", nullptr, {}, kCheck, kOn, nullptr, Run<&ViewCommands::ActGraphTableExecute>},
    {ActionId::ActUndo, "ActUndo", "Отменить", nullptr, Ctrl(Qt::Key_Z), kPlain, kOff, nullptr, Run<&EditCommands::ActUndoExecute>},
    {ActionId::ActRedo, "ActRedo", "Повторить", nullptr, Ctrl(Qt::Key_Y), kPlain, kOff, nullptr, Run<&EditCommands::ActRedoExecute>},
    {ActionId::ActRegister, "ActRegister", "Регистрация команд", "", Ctrl(Qt::Key_R), kPlain, kOn, "register", Run<&EntryCommands::ActRegisterExecute>},
    {ActionId::ActDigEnter, "ActDigEnter", "Цифровой ввод", nullptr, Ctrl(Qt::Key_D), kPlain, kOff, "digenter", Run<&AnswerCommands::ActDigEnterExecute>},
    {ActionId::ActAllPlus, "ActAllPlus", "\"Взяли все\"", nullptr, {}, kPlain, kOff, "allplus", Run<&EditCommands::ActAllPlusExecute>},
    {ActionId::ActAllMinus, "ActAllMinus", "\"Гроб\"", nullptr, {}, kPlain, kOff, "allminus", Run<&EditCommands::ActAllMinusExecute>},
    {ActionId::ActInverse, "ActInverse", "Инверсия", nullptr, {}, kPlain, kOff, "inverse", Run<&EditCommands::ActInverseExecute>},
    {ActionId::ActDeposit, "ActDeposit", "Очковый залог", nullptr, {}, kPlain, kOff, "deposit", Run<&AnswerCommands::ActDepositExecute>},
    {ActionId::ActAutoCount, "ActAutoCount", "Автоматический подсчет", nullptr, {}, kCheck, kOn, nullptr, Run<&CountCommands::ActAutoCountExecute>},
    {ActionId::ActHiRating, "ActHiRating", "Учет высшего рейтинга", nullptr, {}, kCheck, kOn, nullptr, Run<&CountCommands::ActHiRatingExecute>},
    {ActionId::ActSortByRating, "ActSortByRating", "Сортировать по рейтингу", nullptr, {}, kCheck, kOn, nullptr, Run<&CountCommands::ActSortByRatingExecute>},
    {ActionId::ActDeposEnable, "ActDeposEnable", "Учитывать очковый залог", nullptr, {}, kCheck, kOn, nullptr, Run<&CountCommands::ActDeposEnableExecute>},
    {ActionId::ActCount, "ActCount", "Подсчет результата", nullptr, {}, kPlain, kOff, "count", Run<&CountCommands::ActCountExecute>},
    {ActionId::ActScrResults, "ActScrResults", "Вывод результатов на весь экран", nullptr, {}, kPlain, kOff, "screen", Run<&HallCommands::ActScrResultsExecute>},
    {ActionId::ActOutResult, "ActOutResult", "Вывод результата на принтер или в файл", nullptr, {}, kPlain, kOff, "print", Run<&OutputCommands::ActOutResultExecute>},
    {ActionId::ActPublish, "ActPublish", "Публиковать результаты в папку...", "Писать страницу результатов и таблицу CSV в папку после каждого изменения", {}, kCheck, kOn, nullptr, Run<&PublishCommands::ActPublishExecute>},
    {ActionId::ActStatTeam, "ActStatTeam", "Игровая статистика выбранной команды", nullptr, {}, kPlain, kOff, "statteam", Run<&HallCommands::ActStatTeamExecute>},
    {ActionId::ActStatAll, "ActStatAll", "Общая игровая статистика", nullptr, {}, kPlain, kOff, "statall", Run<&HallCommands::ActStatAllExecute>},
    {ActionId::ActTimerSett, "ActTimerSett", "Настройка таймера", nullptr, {}, kPlain, kOn, "timersett", Run<&TimerCommands::ActTimerSettExecute>},
    {ActionId::ActTimerStart, "ActTimerStart", "Старт/Пауза", nullptr, Ctrl(Qt::Key_Q), kPlain, kOn, "timerstart", Run<&TimerCommands::ActTimerStartExecute>},
    {ActionId::ActTimerStop, "ActTimerStop", "Стоп/Сброс", nullptr, Ctrl(Qt::Key_W), kPlain, kOn, "timerstop", Run<&TimerCommands::ActTimerStopExecute>},
    {ActionId::ActHelp, "ActHelp", "Справка", nullptr, {}, kPlain, kOn, nullptr, Run<&ProgramCommands::ActHelpExecute>},
    {ActionId::ActAbout, "ActAbout", "О Программе...", nullptr, {}, kPlain, kOn, nullptr, Run<&ProgramCommands::ActAboutExecute>},
};

static_assert(std::size(kActionTable) == kActionCount);

constexpr ActionId kGameCommands[] = {
    ActionId::ActMix,      ActionId::ActDigEnter, ActionId::ActAllPlus,  ActionId::ActAllMinus, ActionId::ActInverse,
    ActionId::ActCount,    ActionId::ActOutResult, ActionId::ActStatTeam, ActionId::ActStatAll,
};

QAction* CreateAction(const ActionRow& row, QObject& owner) {
    auto* action = new QAction(QString::fromUtf8(row.caption), &owner);
    action->setObjectName(QLatin1String(row.name));
    action->setToolTip(row.hint ? QString::fromUtf8(row.hint) : action->text());
    action->setShortcut(row.shortcut);
    action->setCheckable(row.checkable);
    action->setEnabled(row.enabledAtStart && row.handler);
    if (row.picture) action->setIcon(QIcon(QStringLiteral(":/vemo/icons/%1.svg").arg(QLatin1String(row.picture))));
    return action;
}

}  // namespace

MainActions::MainActions(QObject& owner) {
    for (const ActionRow& row : kActionTable) {
        assert(static_cast<int>(row.id) == FActions.size());
        FActions.append(CreateAction(row, owner));
        FHasHandler.append(row.handler != nullptr);
        FHasHint.append(!row.hint || *row.hint);
    }
}

void MainActions::Connect(MainCommands& commands) {
    for (const ActionRow& row : kActionTable)
        if (row.handler)
            QObject::connect((*this)[row.id], &QAction::triggered, [&commands, run = row.handler] { run(commands); });
}

bool MainActions::Checked(ActionId id) const { return (*this)[id]->isChecked(); }

void MainActions::SetChecked(ActionId id, bool checked) { (*this)[id]->setChecked(checked); }

bool MainActions::Enabled(ActionId id) const { return (*this)[id]->isEnabled(); }

void MainActions::SetEnabled(ActionId id, bool enabled) {
    (*this)[id]->setEnabled(enabled && FHasHandler[static_cast<int>(id)]);
}

void MainActions::SetGameCommandsEnabled(bool enabled) {
    for (ActionId id : kGameCommands) SetEnabled(id, enabled);
}
