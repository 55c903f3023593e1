#include "ui/platform/HelpWindow.h"

#include "ui/draw/ProgramFont.h"
#include "ui/platform/ProgramDirectory.h"
#include "ui/platform/ProgramTitle.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <functional>

namespace {

constexpr QSize kStartSize(780, 720);
constexpr int kScreenMargin = 8;

QAction* AddAction(QToolBar* bar, const QString& name, const QString& caption, QStyle::StandardPixmap icon,
                   const QKeySequence& shortcut) {
    QAction* action = bar->addAction(bar->style()->standardIcon(icon), caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    action->setToolTip(caption + QStringLiteral(" (") + shortcut.toString(QKeySequence::NativeText) + u')');
    return action;
}

// Enter looks further, Shift+Enter back, Escape closes the search.
class FindField : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    std::function<void(bool backward)> find;
    std::function<void()> close;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            find(event->modifiers() & Qt::ShiftModifier);
            return;
        }
        if (event->key() == Qt::Key_Escape) {
            close();
            return;
        }
        QLineEdit::keyPressEvent(event);
    }
};

}  // namespace

HelpWindow::HelpWindow(const QString& folder, QWidget* parent)
    : QWidget(parent, Qt::Window), FFolder(folder), FTopics(HelpTopics::Read(folder + QStringLiteral("topics.txt"))),
      HelpText(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("HelpWindow"));
    setFont(Draw::ProgramFont());
    // Closing the main window ends the program even while the help is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    HelpText->setObjectName(QStringLiteral("HelpText"));
    HelpText->setSearchPaths({folder});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(MakeToolBar());
    layout->addWidget(HelpText, 1);
    layout->addWidget(MakeFindBar());
    connect(HelpText, &QTextBrowser::sourceChanged, this, &HelpWindow::ShowTitle);
    // The keys scroll the page from the start (Page Down, End, arrows).
    HelpText->setFocus();
}

QToolBar* HelpWindow::MakeToolBar() {
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("HelpToolBar"));
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QAction* back = AddAction(bar, QStringLiteral("HelpBack"), QStringLiteral("Назад"), QStyle::SP_ArrowBack, QKeySequence::Back);
    QAction* forward = AddAction(bar, QStringLiteral("HelpForward"), QStringLiteral("Вперед"), QStyle::SP_ArrowForward,
                                 QKeySequence::Forward);
    QAction* contents = AddAction(bar, QStringLiteral("HelpContents"), QStringLiteral("Содержание"), QStyle::SP_DirHomeIcon,
                                  QKeySequence(Qt::ALT | Qt::Key_Home));
    bar->addSeparator();
    QAction* find = AddAction(bar, QStringLiteral("HelpFind"), QStringLiteral("Найти"), QStyle::SP_FileDialogContentsView,
                              QKeySequence::Find);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QAction::triggered, HelpText, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, HelpText, &QTextBrowser::forward);
    connect(HelpText, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(HelpText, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(contents, &QAction::triggered, this, [this] { ShowTopic(0); });
    connect(find, &QAction::triggered, this, &HelpWindow::OpenFindBar);
    return bar;
}

QWidget* HelpWindow::MakeFindBar() {
    FindBar = new QWidget(this);
    FindBar->setObjectName(QStringLiteral("FindBar"));
    auto* field = new FindField(FindBar);
    field->find = [this](bool backward) { Find(backward); };
    field->close = [this] { CloseFindBar(); };
    FindText = field;
    FindText->setObjectName(QStringLiteral("FindText"));
    FindText->setPlaceholderText(QStringLiteral("Текст для поиска"));
    FindText->setClearButtonEnabled(true);
    auto* next = new QPushButton(QStringLiteral("Следующее"), FindBar);
    next->setObjectName(QStringLiteral("FindNext"));
    auto* previous = new QPushButton(QStringLiteral("Предыдущее"), FindBar);
    previous->setObjectName(QStringLiteral("FindPrevious"));
    auto* close = new QPushButton(QStringLiteral("Закрыть"), FindBar);
    close->setObjectName(QStringLiteral("FindClose"));
    FindResult = new QLabel(FindBar);
    FindResult->setObjectName(QStringLiteral("FindResult"));

    auto* row = new QHBoxLayout(FindBar);
    row->setContentsMargins(6, 4, 6, 4);
    row->addWidget(new QLabel(QStringLiteral("Найти:"), FindBar));
    row->addWidget(FindText, 1);
    row->addWidget(next);
    row->addWidget(previous);
    row->addWidget(FindResult);
    row->addWidget(close);
    connect(next, &QPushButton::clicked, this, [this] { Find(false); });
    connect(previous, &QPushButton::clicked, this, [this] { Find(true); });
    connect(close, &QPushButton::clicked, this, &HelpWindow::CloseFindBar);
    connect(FindText, &QLineEdit::textChanged, FindResult, &QLabel::clear);
    FindBar->hide();
    return FindBar;
}

void HelpWindow::ShowTopic(int topic) {
    const QUrl page = QUrl::fromLocalFile(FFolder).resolved(QUrl(FTopics.PageOf(topic)));
    HelpText->setSource(page);
    // The same page again does not move the view: go to the anchor anyway.
    if (page.hasFragment()) HelpText->scrollToAnchor(page.fragment());
}

void HelpWindow::OpenFindBar() {
    FindBar->show();
    FindText->setFocus();
    FindText->selectAll();
}

void HelpWindow::CloseFindBar() {
    FindBar->hide();
    HelpText->setFocus();
}

void HelpWindow::Find(bool backward) {
    const QString text = FindText->text();
    if (text.isEmpty()) return;
    const QTextDocument::FindFlags flags = backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    bool found = HelpText->find(text, flags);
    if (!found) {
        QTextCursor cursor = HelpText->textCursor();
        cursor.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
        HelpText->setTextCursor(cursor);
        found = HelpText->find(text, flags);
    }
    FindResult->setText(found ? QString() : QStringLiteral("Не найдено"));
}

void HelpWindow::ShowTitle() {
    const QString page = HelpText->documentTitle();
    const QString title = QStringLiteral("Справка ") + kProgramTitle;
    setWindowTitle(page.isEmpty() || page.contains(QStringLiteral("Справка")) ? title : title + QStringLiteral(" — ") + page);
}

QString HelpFolder() { return ProgramDirectory() + QStringLiteral("help/"); }

namespace {

QPointer<HelpWindow> gHelp;

// The help first opens at the right edge of the screen the user works on,
// so the team names and the options on the left of the main window stay
// in sight.
void PlaceAtTheRight(HelpWindow& window) {
    const QWidget* active = QApplication::activeWindow();
    const QScreen* screen = active ? active->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    window.resize(std::min(kStartSize.width(), area.width() / 2), std::min(kStartSize.height(), area.height() * 9 / 10));
    window.move(area.right() - window.width() - kScreenMargin, area.top() + kScreenMargin * 5);
}

HelpWindow& TheHelpWindow() {
    if (!gHelp) {
        gHelp = new HelpWindow(HelpFolder());
        PlaceAtTheRight(*gHelp);
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, qApp, [] { delete gHelp; });
    }
    return *gHelp;
}

}  // namespace

bool OpenHelp(int topic) {
    if (!QFileInfo::exists(HelpFolder() + HelpTopics::kContents)) return false;
    HelpWindow& window = TheHelpWindow();
    window.ShowTopic(topic);
    window.show();
    // A modal window blocks every window but its own: the help becomes one
    // of them while it runs.
    QWidget* modal = QApplication::activeModalWidget();
    window.windowHandle()->setTransientParent(modal && modal != &window ? modal->windowHandle() : nullptr);
    window.raise();
    window.activateWindow();
    return true;
}
