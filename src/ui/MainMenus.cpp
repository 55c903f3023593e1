#include "ui/MainMenus.h"

#include "ui/MainActions.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QEvent>
#include <QToolBar>

#include <vector>

namespace {

// One place in a menu or a tool bar: an action, a separator, the start or
// end of a submenu, one of the window's own widgets, or a spring that pushes
// what follows to the far end of the tool bar.
struct Entry {
    enum class Kind { Action, Separator, SubMenu, EndSubMenu, Widget, Spring } kind;
    ActionId id = ActionId::ActNew;
    const char* title = nullptr;
    int widget = 0;
};

Entry A(ActionId id) { return {Entry::Kind::Action, id}; }
const Entry kSeparator{Entry::Kind::Separator};
Entry Sub(const char* title) { return {Entry::Kind::SubMenu, ActionId::ActNew, title}; }
const Entry kEnd{Entry::Kind::EndSubMenu};
Entry W(int widget) { return {Entry::Kind::Widget, ActionId::ActNew, nullptr, widget}; }
const Entry kSpring{Entry::Kind::Spring};

using enum ActionId;

struct MenuLayout {
    const char* title;
    std::vector<Entry> entries;
};

const std::vector<MenuLayout>& MenuBarLayout() {
    static const std::vector<MenuLayout> menus = {
        {"Файл",
         {A(ActNew), A(ActOpenFile), A(ActSaveFile), A(ActSaveAsFile), A(ActMix), A(ActChamp), kSeparator,
          A(ActAss), A(ActRemindUpdates), kSeparator, A(ActExit)}},
        {"Вид",
         {A(ActSett), Sub("Вывод информации"), A(ActSorting), kSeparator, A(ActOutQuest), A(ActOutRating),
          kSeparator, A(ActOutNTeam), A(ActOutTeam), A(ActOutTown), A(ActOutCapt), A(ActOutCoach),
          A(ActOutPlace), A(ActOutScore), A(ActOutSumRating), kEnd}},
        {"Редактирование",
         {A(ActUndo), A(ActRedo), kSeparator, A(ActRegister), A(ActDigEnter), kSeparator, A(ActAllPlus), A(ActAllMinus), A(ActInverse), kSeparator,
          A(ActDeposit)}},
        {"Результаты",
         {Sub("Опции подсчета"), A(ActAutoCount), A(ActHiRating), A(ActSortByRating), kSeparator,
          A(ActDeposEnable), kEnd, A(ActCount), A(ActScrResults), A(ActOutResult),
          kSeparator, A(ActPublish)}},
        {"Статистика", {A(ActStatTeam), A(ActStatAll)}},
        {"Таймер", {A(ActTimerSett), kSeparator, A(ActTimerStart), A(ActTimerStop)}},
        {"Справка", {A(ActHelp), kSeparator, A(ActAbout)}},
    };
    return menus;
}

constexpr int kEnterQ = 0;
constexpr int kTimerDisplay = 1;

const std::vector<Entry>& ToolBar1Layout() {
    static const std::vector<Entry> entries = {
        A(ActSett), kSeparator, A(ActRegister), kSeparator, A(ActNew), A(ActOpenFile), A(ActSaveFile),
        A(ActSaveAsFile), A(ActMix), kSeparator, A(ActChamp), kSeparator, W(kEnterQ), A(ActCount),
        A(ActScrResults), A(ActOutResult), kSeparator, A(ActDigEnter), A(ActAllPlus), A(ActAllMinus),
        A(ActInverse), A(ActDeposit), kSeparator, A(ActStatTeam), A(ActStatAll), kSeparator,
        A(ActRemindUpdates),
    };
    return entries;
}

// The last tool bar of a row takes the rest of the row; its spring puts the
// timer at the window's right edge.
const std::vector<Entry>& ToolBar2Layout() {
    static const std::vector<Entry> entries = {
        kSpring, A(ActTimerSett), kSeparator, A(ActTimerStart), A(ActTimerStop), W(kTimerDisplay),
    };
    return entries;
}

void FillMenu(QMenu* menu, const std::vector<Entry>& entries, const MainActions& actions) {
    QMenu* target = menu;
    for (const Entry& entry : entries) {
        switch (entry.kind) {
            case Entry::Kind::Action: target->addAction(actions[entry.id]); break;
            case Entry::Kind::Separator: target->addSeparator(); break;
            case Entry::Kind::SubMenu: target = menu->addMenu(QString::fromUtf8(entry.title)); break;
            case Entry::Kind::EndSubMenu: target = menu; break;
            case Entry::Kind::Widget:
            case Entry::Kind::Spring: break;
        }
    }
}

// Swallows the tool tip of a tool button whose command has no hint (a
// QAction shows its caption when its hint is empty).
class NoHint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        return event->type() == QEvent::ToolTip || QObject::eventFilter(watched, event);
    }
};

QWidget* Spring(QWidget* parent) {
    auto* spring = new QWidget(parent);
    spring->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    return spring;
}

QToolBar* MakeToolBar(QMainWindow& window, const char* name, const std::vector<Entry>& entries,
                      const MainActions& actions, const std::vector<QWidget*>& widgets) {
    auto* bar = new QToolBar(&window);
    bar->setObjectName(QLatin1String(name));
    bar->setWindowTitle(QLatin1String(name));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(18, 18));
    auto* noHint = new NoHint(bar);
    for (const Entry& entry : entries) {
        switch (entry.kind) {
            case Entry::Kind::Action:
                bar->addAction(actions[entry.id]);
                if (!actions.HasHint(entry.id)) bar->widgetForAction(actions[entry.id])->installEventFilter(noHint);
                break;
            case Entry::Kind::Separator: bar->addSeparator(); break;
            case Entry::Kind::Widget: bar->addWidget(widgets[static_cast<std::size_t>(entry.widget)]); break;
            case Entry::Kind::Spring: bar->addWidget(Spring(bar)); break;
            case Entry::Kind::SubMenu:
            case Entry::Kind::EndSubMenu: break;
        }
    }
    window.addToolBar(Qt::TopToolBarArea, bar);
    return bar;
}

}  // namespace

void BuildMainMenu(QMainWindow& window, const MainActions& actions) {
    for (const MenuLayout& menu : MenuBarLayout())
        FillMenu(window.menuBar()->addMenu(QString::fromUtf8(menu.title)), menu.entries, actions);
}

void BuildToolBars(QMainWindow& window, const MainActions& actions, QWidget* enterQ, QWidget* timerDisplay) {
    const std::vector<QWidget*> widgets = {enterQ, timerDisplay};  // by kEnterQ, kTimerDisplay
    MakeToolBar(window, "ToolBar1", ToolBar1Layout(), actions, widgets);
    MakeToolBar(window, "ToolBar2", ToolBar2Layout(), actions, widgets);
}
