// The main window's command surface as the user finds it: every command's
// caption, hint, shortcut, check box and state at start; the menus with
// their separators and submenus; both tool bars, the timer's at the right
// end of the row.
#include "FormMainFixture.h"

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolTip>

namespace {

struct WrittenCommand {
    const char* name;
    const char* caption;
    const char* hint;  // nullptr: the caption; "": none
    const char* shortcut;
    bool checkable;
    bool enabled;
};

constexpr bool kCheck = true;
constexpr bool kPlain = false;
constexpr bool kOn = true;
constexpr bool kOff = false;

// The command list, in its order: the written commands and the two of
// the undo history.
const WrittenCommand kCommands[] = {
    {"ActNew", "Новая игра...", "Создать новую игру", "Ctrl+N", kPlain, kOn},
    {"ActOpenFile", "Открыть игру...", "Загрузить игру из файла", "Ctrl+O", kPlain, kOn},
    {"ActSaveFile", "Сохранить игру", "Сохранить текущую игру", "Ctrl+S", kPlain, kOff},
    {"ActSaveAsFile", "Сохранить игру как...", "Сохранить игру в новом файле...", "", kPlain, kOn},
    {"ActMix", "Присоединить игру...", "Добавить команды к текущей игре", "Ctrl+M", kPlain, kOff},
    {"ActChamp", "Подсчет чемпионата", "Подсчет результата чемпионата из нескольких игр", "", kPlain, kOn},
    {"ActAss", "Ассоциировать с файлами", nullptr, "", kPlain, kOn},
    {"ActRemindUpdates", "Напоминать об обновлениях", nullptr, "", kCheck, kOff},
    {"ActExit", "Выход", "Выход из программы", "", kPlain, kOn},
    {"ActSett", "Панель настроек", "Показать/Скрыть панель настроек", "", kCheck, kOn},
    {"ActSorting", "Сортировать по местам", nullptr, "", kCheck, kOn},
    {"ActOutQuest", "Взятые вопросы", nullptr, "", kCheck, kOn},
    {"ActOutRating", "Рейтинг вопросов", nullptr, "", kCheck, kOn},
    {"ActOutNTeam", "Номер команды", nullptr, "", kCheck, kOn},
    {"ActOutTeam", "Название команды", nullptr, "", kCheck, kOn},
    {"ActOutTown", "Город", nullptr, "", kCheck, kOn},
    {"ActOutCapt", "Капитан", nullptr, "", kCheck, kOn},
    {"ActOutCoach", "Тренер", nullptr, "", kCheck, kOn},
    {"ActOutPlace", "Место команды", nullptr, "", kCheck, kOn},
    {"ActOutScore", "Очки команды", nullptr, "", kCheck, kOn},
    {"ActOutSumRating", "Рейтинг команды", nullptr, "", kCheck, kOn},
    {"ActGraphTable", "Включить графику", nullptr, "", kCheck, kOn},
    {"ActUndo", "Отменить", nullptr, "Ctrl+Z", kPlain, kOff},
    {"ActRedo", "Повторить", nullptr, "Ctrl+Y", kPlain, kOff},
    {"ActRegister", "Регистрация команд", "", "Ctrl+R", kPlain, kOn},
    {"ActDigEnter", "Цифровой ввод", nullptr, "Ctrl+D", kPlain, kOff},
    {"ActAllPlus", "\"Взяли все\"", nullptr, "", kPlain, kOff},
    {"ActAllMinus", "\"Гроб\"", nullptr, "", kPlain, kOff},
    {"ActInverse", "Инверсия", nullptr, "", kPlain, kOff},
    {"ActDeposit", "Очковый залог", nullptr, "", kPlain, kOff},
    {"ActAutoCount", "Автоматический подсчет", nullptr, "", kCheck, kOn},
    {"ActHiRating", "Учет высшего рейтинга", nullptr, "", kCheck, kOn},
    {"ActSortByRating", "Сортировать по рейтингу", nullptr, "", kCheck, kOn},
    {"ActDeposEnable", "Учитывать очковый залог", nullptr, "", kCheck, kOn},
    {"ActCount", "Подсчет результата", nullptr, "", kPlain, kOff},
    {"ActScrResults", "Вывод результатов на весь экран", nullptr, "", kPlain, kOff},
    {"ActOutResult", "Вывод результата на принтер или в файл", nullptr, "", kPlain, kOff},
    {"ActStatTeam", "Игровая статистика выбранной команды", nullptr, "", kPlain, kOff},
    {"ActStatAll", "Общая игровая статистика", nullptr, "", kPlain, kOff},
    {"ActTimerSett", "Настройка таймера", nullptr, "", kPlain, kOn},
    {"ActTimerStart", "Старт/Пауза", nullptr, "Ctrl+Q", kPlain, kOn},
    {"ActTimerStop", "Стоп/Сброс", nullptr, "Ctrl+W", kPlain, kOn},
    {"ActHelp", "Справка", nullptr, "", kPlain, kOn},
    {"ActAbout", "О Программе...", nullptr, "", kPlain, kOn},
};

// A menu as a list: the commands by name, "-" for a separator, a submenu as
// its title followed by its own list in braces.
QStringList Layout(const QMenu* menu) {
    QStringList entries;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator()) {
            entries.append(QStringLiteral("-"));
        } else if (action->menu()) {
            entries.append(action->text() + u'{');
            entries.append(Layout(action->menu()));
            entries.append(QStringLiteral("}"));
        } else {
            entries.append(action->objectName());
        }
    }
    return entries;
}

// A tool bar as a list: commands by name, "-" for a separator, a widget by
// its object name, "~" for the spring.
QStringList Layout(const QToolBar* bar) {
    QStringList entries;
    for (QAction* action : bar->actions()) {
        QWidget* widget = bar->widgetForAction(action);
        if (action->isSeparator())
            entries.append(QStringLiteral("-"));
        else if (!action->objectName().isEmpty())
            entries.append(action->objectName());
        else
            entries.append(widget->objectName().isEmpty() ? QStringLiteral("~") : widget->objectName());
    }
    return entries;
}

std::string Joined(const QStringList& entries) { return entries.join(u' ').toStdString(); }

class FormMainCommandsTest : public FormMainTest {
protected:
    void SetUp() override { Start(); }

    QToolBar* Bar(const char* name) const { return FForm->findChild<QToolBar*>(QLatin1String(name)); }

    // The hint the user sees: the tool tip of the command's tool button, or
    // the command's own where no tool bar holds it.
    QString Hint(QAction* action) const {
        for (QToolBar* bar : FForm->findChildren<QToolBar*>()) {
            QWidget* button = bar->widgetForAction(action);
            if (!button) continue;
            // A tip already up is replaced by the button's, and stays when
            // the button has none to show.
            const QString probe = QStringLiteral("(нет подсказки)");
            const QPoint at = button->mapToGlobal(QPoint(2, 2));
            QToolTip::showText(at, probe, button);
            QHelpEvent event(QEvent::ToolTip, QPoint(2, 2), at);
            QApplication::sendEvent(button, &event);
            const QString shown = QToolTip::text();
            QToolTip::hideText();
            return shown == probe ? QString() : shown;
        }
        return action->toolTip();
    }
};

}  // namespace

TEST_F(FormMainCommandsTest, EveryCommandAsWritten) {
    for (const WrittenCommand& c : kCommands) {
        SCOPED_TRACE(c.name);
        QAction* action = Action(c.name);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text().toStdString(), c.caption);
        EXPECT_EQ(Hint(action).toStdString(), c.hint ? c.hint : c.caption);
        EXPECT_EQ(action->shortcut().toString().toStdString(), c.shortcut);
        EXPECT_EQ(action->isCheckable(), c.checkable);
        EXPECT_EQ(action->isEnabled(), c.enabled);
    }
}

TEST_F(FormMainCommandsTest, MenuBarAsWritten) {
    struct Menu {
        const char* title;
        const char* entries;
    };
    const Menu menus[] = {
        {"Файл", "ActNew ActOpenFile ActSaveFile ActSaveAsFile ActMix ActChamp - ActAss ActRemindUpdates - ActExit"},
        {"Вид",
         "ActSett Вывод информации{ ActSorting - ActOutQuest ActOutRating - ActOutNTeam ActOutTeam ActOutTown "
         "ActOutCapt ActOutCoach ActOutPlace ActOutScore ActOutSumRating }"},
        {"Редактирование", "ActUndo ActRedo - ActRegister ActDigEnter - ActAllPlus ActAllMinus ActInverse - ActDeposit"},
        {"Результаты",
         "Опции подсчета{ ActAutoCount ActHiRating ActSortByRating - ActDeposEnable } ActCount ActScrResults "
         "ActOutResult - ActPublish"},
        {"Статистика", "ActStatTeam ActStatAll"},
        {"Таймер", "ActTimerSett - ActTimerStart ActTimerStop"},
        {"Справка", "ActHelp - ActAbout"},
    };
    const QList<QAction*> bar = Form().menuBar()->actions();
    ASSERT_EQ(bar.size(), std::size(menus));
    for (std::size_t i = 0; i < std::size(menus); ++i) {
        EXPECT_EQ(bar[i]->text().toStdString(), menus[i].title);
        EXPECT_EQ(Joined(Layout(bar[i]->menu())), menus[i].entries);
    }
}

TEST_F(FormMainCommandsTest, ToolBarsAsWrittenWithTheTimerAtTheRightEnd) {
    EXPECT_EQ(Joined(Layout(Bar("ToolBar1"))),
              std::string("ActSett - ActRegister - ActNew ActOpenFile ActSaveFile ActSaveAsFile ActMix - ActChamp - EnterQ "
                    "ActCount ActScrResults ActOutResult - ActDigEnter ActAllPlus ActAllMinus ActInverse ActDeposit - "
                    "ActStatTeam ActStatAll - ActRemindUpdates"));
    EXPECT_EQ(Joined(Layout(Bar("ToolBar2"))), "~ ActTimerSett - ActTimerStart ActTimerStop TimerDisplay");

    // One row: the timer's bar after the first, its display at the window's edge.
    QToolBar* first = Bar("ToolBar1");
    QToolBar* second = Bar("ToolBar2");
    EXPECT_EQ(first->y(), second->y());
    EXPECT_LT(first->geometry().right(), second->geometry().left());
    const QWidget* display = FForm->findChild<QWidget*>(QStringLiteral("TimerDisplay"));
    const int displayRight = display->mapTo(FForm.get(), QPoint(display->width(), 0)).x();
    EXPECT_GE(displayRight, Form().width() - 16);
    const int timerButtonLeft = second->widgetForAction(Action("ActTimerSett"))->mapTo(FForm.get(), QPoint()).x();
    EXPECT_GT(timerButtonLeft, Form().width() / 2);
}
