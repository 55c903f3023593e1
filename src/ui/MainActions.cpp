#include "ui/MainActions.h"

#include "ui/TFormMain.h"

#include <QAction>
#include <QIcon>

#include <cassert>

namespace {

using Handler = void (TFormMain::*)();

struct ActionRow {
    ActionId id;
    const char* name;
    const char* caption;
    const char* hint;  // nullptr: the caption
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
    {ActionId::ActNew, "ActNew", "Новая игра...", "Создать новую игру", Ctrl(Qt::Key_N), kPlain, kOn, "new", &TFormMain::ActNewExecute},
    {ActionId::ActOpenFile, "ActOpenFile", "Открыть игру...", "Загрузить игру из файла", Ctrl(Qt::Key_O), kPlain, kOn, "open", &TFormMain::ActOpenFileExecute},
    {ActionId::ActSaveFile, "ActSaveFile", "Сохранить игру", "Сохранить текущую игру", Ctrl(Qt::Key_S), kPlain, kOff, "save", &TFormMain::ActSaveFileExecute},
    {ActionId::ActSaveAsFile, "ActSaveAsFile", "Сохранить игру как...", "Сохранить игру в новом файле...", {}, kPlain, kOn, "saveas", &TFormMain::ActSaveAsFileExecute},
    {ActionId::ActMix, "ActMix", "Присоединить игру...", "Добавить команды к текущей игре", Ctrl(Qt::Key_M), kPlain, kOff, "mix", nullptr},
    {ActionId::ActChamp, "ActChamp", "Подсчет чемпионата", "Подсчет результата чемпионата из нескольких игр", {}, kPlain, kOn, "champ", nullptr},
    {ActionId::ActAss, "ActAss", "Ассоциировать с файлами", nullptr, {}, kPlain, kOn, nullptr, &TFormMain::ActAssExecute},
    {ActionId::ActRemindUpdates, "ActRemindUpdates", "Напоминать об обновлениях", nullptr, {}, kCheck, kOff, "updates", nullptr},
    {ActionId::ActExit, "ActExit", "Выход", "Выход из программы", {}, kPlain, kOn, nullptr, &TFormMain::ActExitExecute},
    {ActionId::ActSett, "ActSett", "Панель настроек", "Показать/Скрыть панель настроек", {}, kCheck, kOn, "sett", &TFormMain::ActSettExecute},
    {ActionId::ActSorting, "ActSorting", "Сортировать по местам", nullptr, {}, kCheck, kOn, nullptr, &TFormMain::ActOutExecute},
    {ActionId::ActOutQuest, "ActOutQuest", "Взятые вопросы", nullptr, {}, kCheck, kOn, nullptr, &TFormMain::ActOutExecute},
    {ActionId::ActOutRating, "ActOutRating", "Рейтинг вопросов", nullptr, {}, kCheck, kOn, nullptr, &TFormMain::ActOutExecute},
    {ActionId::ActOutNTeam, "ActOutNTeam", "Номер команды", nullptr, {}, kCheck, kOn, nullptr, &TFormMain::ActOutExecute},
    {ActionId::ActOutTeam, "ActOutTeam", "Название команды", nullptr, {}, kCheck, kOn, nullptr, &TFormMain::ActOutExecute},
    {ActionId::ActOutTown, "ActOutTown", "Город", nullptr, {}, kCheck, kOn, nullptr, &TFormMain::ActOutExecute},
    {ActionId::ActOutCapt, "ActOutCapt", "Капитан", nullptr, {}, kCheck, kOn, nullptr, &TFormMain::ActOutExecute},
    {ActionId::ActOutCoach, "ActOutCoach", "Тренер", nullptr, {}, kCheck, kOn, nullptr, &TFormMain::ActOutExecute},
    {ActionId::ActOutPlace, "ActOutPlace", "Место команды", nullptr, {}, kCheck, kOn, nullptr, &TFormMain::ActOutExecute},
    {ActionId::ActOutScore, "ActOutScore", "Очки команды", nullptr, {}, kCheck, kOn, nullptr, &TFormMain::ActOutExecute},
    {ActionId::ActOutSumRating, "ActOutSumRating", "Рейтинг команды", nullptr, {}, kCheck, kOn, nullptr, &TFormMain::ActOutExecute},
    {ActionId::ActGraphTable, "ActGraphTable", "Включить графику", nullptr, {}, kCheck, kOn, nullptr, &TFormMain::ActGraphTableExecute},
    {ActionId::ActRegister, "ActRegister", "Регистрация команд", "", Ctrl(Qt::Key_R), kPlain, kOn, "register", nullptr},
    {ActionId::ActDigEnter, "ActDigEnter", "Цифровой ввод", nullptr, Ctrl(Qt::Key_D), kPlain, kOff, "digenter", nullptr},
    {ActionId::ActAllPlus, "ActAllPlus", "\"Взяли все\"", nullptr, {}, kPlain, kOff, "allplus", &TFormMain::ActAllPlusExecute},
    {ActionId::ActAllMinus, "ActAllMinus", "\"Гроб\"", nullptr, {}, kPlain, kOff, "allminus", &TFormMain::ActAllMinusExecute},
    {ActionId::ActInverse, "ActInverse", "Инверсия", nullptr, {}, kPlain, kOff, "inverse", &TFormMain::ActInverseExecute},
    {ActionId::ActDeposit, "ActDeposit", "Очковый залог", nullptr, {}, kPlain, kOff, "deposit", nullptr},
    {ActionId::ActAutoCount, "ActAutoCount", "Автоматический подсчет", nullptr, {}, kCheck, kOn, nullptr, &TFormMain::ActAutoCountExecute},
    {ActionId::ActHiRating, "ActHiRating", "Учет высшего рейтинга", nullptr, {}, kCheck, kOn, nullptr, &TFormMain::ActHiRatingExecute},
    {ActionId::ActSortByRating, "ActSortByRating", "Сортировать по рейтингу", nullptr, {}, kCheck, kOn, nullptr, &TFormMain::ActSortByRatingExecute},
    {ActionId::ActDeposEnable, "ActDeposEnable", "Учитывать очковый залог", nullptr, {}, kCheck, kOn, nullptr, &TFormMain::ActDeposEnableExecute},
    {ActionId::ActCount, "ActCount", "Подсчет результата", nullptr, {}, kPlain, kOff, "count", &TFormMain::ActCountExecute},
    {ActionId::ActScrResults, "ActScrResults", "Вывод результатов на весь экран", nullptr, {}, kPlain, kOff, "screen", nullptr},
    {ActionId::ActOutResult, "ActOutResult", "Вывод результата на принтер или в файл", nullptr, {}, kPlain, kOff, "print", nullptr},
    {ActionId::ActStatTeam, "ActStatTeam", "Игровая статистика выбранной команды", nullptr, {}, kPlain, kOff, "statteam", nullptr},
    {ActionId::ActStatAll, "ActStatAll", "Общая игровая статистика", nullptr, {}, kPlain, kOff, "statall", nullptr},
    {ActionId::ActTimerSett, "ActTimerSett", "Настройка таймера", nullptr, {}, kPlain, kOn, "timersett", nullptr},
    {ActionId::ActTimerStart, "ActTimerStart", "Старт/Пауза", nullptr, Ctrl(Qt::Key_Q), kPlain, kOn, "timerstart", nullptr},
    {ActionId::ActTimerStop, "ActTimerStop", "Стоп/Сброс", nullptr, Ctrl(Qt::Key_W), kPlain, kOn, "timerstop", &TFormMain::ActTimerStopExecute},
    {ActionId::ActHelp, "ActHelp", "Справка", nullptr, {}, kPlain, kOn, nullptr, nullptr},
    {ActionId::ActAbout, "ActAbout", "О Программе...", nullptr, {}, kPlain, kOn, nullptr, &TFormMain::ActAboutExecute},
};

static_assert(std::size(kActionTable) == kActionCount);

constexpr ActionId kGameCommands[] = {
    ActionId::ActMix,      ActionId::ActDigEnter, ActionId::ActAllPlus,  ActionId::ActAllMinus, ActionId::ActInverse,
    ActionId::ActCount,    ActionId::ActOutResult, ActionId::ActStatTeam, ActionId::ActStatAll,
};

QAction* CreateAction(const ActionRow& row, TFormMain& form) {
    auto* action = new QAction(QString::fromUtf8(row.caption), &form);
    action->setObjectName(QLatin1String(row.name));
    action->setToolTip(row.hint ? QString::fromUtf8(row.hint) : action->text());
    action->setShortcut(row.shortcut);
    action->setCheckable(row.checkable);
    action->setEnabled(row.enabledAtStart && row.handler);
    if (row.picture) action->setIcon(QIcon(QStringLiteral(":/vemo/icons/%1.svg").arg(QLatin1String(row.picture))));
    if (row.handler) QObject::connect(action, &QAction::triggered, &form, [&form, h = row.handler] { (form.*h)(); });
    return action;
}

}  // namespace

MainActions::MainActions(TFormMain& form) {
    for (const ActionRow& row : kActionTable) {
        assert(static_cast<int>(row.id) == FActions.size());
        FActions.append(CreateAction(row, form));
        FHasHandler.append(row.handler != nullptr);
    }
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
