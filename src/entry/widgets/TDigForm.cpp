#include "entry/widgets/TDigForm.h"

#include "entry/widgets/DigField.h"
#include "entry/widgets/DigFieldRenderer.h"
#include "entry/widgets/EntryPictures.h"
#include "ui/platform/Dialogs.h"
#include "ui/text/AnsiText.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kHelpTopic = 1023;
constexpr int kNumberLength = 3;
// The field takes most of the screen, so that the numbers of a hall of
// hundreds of teams stay large enough to read from the scorer's chair;
// never smaller than the classic 529 x 301.
constexpr QSize kSmallestField(529, 301);
constexpr double kScreenWidthShare = 0.62;
constexpr double kScreenHeightShare = 0.6;

QSize FieldSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return kSmallestField;
    const QSize available = screen->availableGeometry().size();
    return QSize(std::max(kSmallestField.width(), static_cast<int>(available.width() * kScreenWidthShare)),
                 std::max(kSmallestField.height(), static_cast<int>(available.height() * kScreenHeightShare)));
}

// The typed numbers, large: the scorer checks them at a glance.
QLineEdit* MakeNumberField(const char* name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setMaxLength(kNumberLength);
    QFont font = field->font();
    font.setPointSize(16);
    font.setBold(true);
    field->setFont(font);
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    field->setAlignment(Qt::AlignCenter);
    return field;
}

QLineEdit* MakeOutput(const char* name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    return field;
}

QWidget* MakePage(const char* name, DigField* field, QWidget* parent) {
    auto* page = new QWidget(parent);
    page->setObjectName(QLatin1String(name));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    field->setParent(page);
    layout->addWidget(field);
    return page;
}

}  // namespace

TDigForm::TDigForm(TVemoData& game, QWidget* parent) : ProgramDialog(parent, kHelpTopic), FEntry(game) {
    setObjectName(QStringLiteral("DigForm"));
    setWindowTitle(QStringLiteral("Цифровой ввод"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    const QSize fieldSize = FieldSize();
    Im1 = new DigField(kTeamSample, fieldSize, this);
    Im1->setObjectName(QStringLiteral("Im1"));
    Im2 = new DigField(kQuestionSample, fieldSize, this);
    Im2->setObjectName(QStringLiteral("Im2"));
    Pages = new QTabWidget(this);
    Pages->setObjectName(QStringLiteral("Pages"));
    Pages->setFocusPolicy(Qt::NoFocus);
    Page1 = MakePage("Page1", Im1, Pages);
    Page2 = MakePage("Page2", Im2, Pages);
    Pages->addTab(Page1, QStringLiteral("Один вопрос - все команды"));
    Pages->addTab(Page2, QStringLiteral("Одна команда - все вопросы"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeControls());
    layout->addWidget(Pages);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (DigField* field : {Im1, Im2}) {
        connect(field, &DigField::Pointed, this, &TDigForm::FieldPointed);
        connect(field, &DigField::Clicked, this, &TDigForm::FieldClicked);
    }
    connect(Pages, &QTabWidget::currentChanged, this, &TDigForm::PagesChange);
    connect(EnterButton, &QPushButton::clicked, this, &TDigForm::EnterButtonClick);
}

QWidget* TDigForm::MakeControls() {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);

    EnterQ = MakeNumberField("EnterQ", panel);
    EnterQ->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), EnterQ));
    ArQ = MakeArrows("ArQ", &TDigForm::ArQClick);
    EnterT = MakeNumberField("EnterT", panel);
    ArT = MakeArrows("ArT", &TDigForm::ArTClick);
    grid->addWidget(new QLabel(QStringLiteral("Номер вопроса"), panel), 0, 0, 1, 2);
    grid->addWidget(EnterQ, 1, 0);
    grid->addWidget(ArQ, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Номер команды"), panel), 0, 2, 1, 2);
    grid->addWidget(EnterT, 1, 2);
    grid->addWidget(ArT, 1, 3);

    auto* buttons = new QHBoxLayout;
    AllButton = MakeMarkButton("AllButton", "markall", QStringLiteral("Отметить все"), QuickEntry::MarkAction::All);
    NoneButton = MakeMarkButton("NoneButton", "marknone", QStringLiteral("Снять все"), QuickEntry::MarkAction::None);
    InvButton = MakeMarkButton("InvButton", "markinvert", QStringLiteral("Инвертировать"), QuickEntry::MarkAction::Invert);
    for (QToolButton* button : {AllButton, NoneButton, InvButton}) buttons->addWidget(button);
    grid->addLayout(buttons, 1, 4);

    Title = new QLabel(panel);
    Title->setObjectName(QStringLiteral("Title"));
    OutRat = MakeOutput("OutRat", panel);
    OutRat->setFixedWidth(OutRat->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12);
    grid->addWidget(Title, 0, 5);
    grid->addWidget(OutRat, 1, 5);
    OutTeam = MakeOutput("OutTeam", panel);
    grid->addWidget(new QLabel(QStringLiteral("Команда"), panel), 0, 6);
    grid->addWidget(OutTeam, 1, 6);
    grid->setColumnStretch(6, 1);
    grid->setColumnMinimumWidth(4, 0);

    // Takes Enter from anywhere in the window; never seen.
    EnterButton = new QPushButton(panel);
    EnterButton->setObjectName(QStringLiteral("EnterButton"));
    EnterButton->hide();
    return panel;
}

QWidget* TDigForm::MakeArrows(const char* name, void (TDigForm::*step)(int)) {
    auto* arrows = new QWidget(this);
    arrows->setObjectName(QLatin1String(name));
    auto* column = new QVBoxLayout(arrows);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    for (const auto& [suffix, arrow, delta] : {std::tuple{"Up", Qt::UpArrow, 1}, std::tuple{"Down", Qt::DownArrow, -1}}) {
        auto* button = new QToolButton(arrows);
        button->setObjectName(QLatin1String(name) + QLatin1String(suffix));
        button->setArrowType(arrow);
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRepeat(true);
        button->setFixedSize(18, 14);
        connect(button, &QToolButton::clicked, this, [this, step, delta] { (this->*step)(delta); });
        column->addWidget(button);
    }
    return arrows;
}

QToolButton* TDigForm::MakeMarkButton(const char* name, const char* picture, const QString& hint,
                                      QuickEntry::MarkAction action) {
    auto* button = new QToolButton(this);
    button->setObjectName(QLatin1String(name));
    button->setIcon(EntryPicture(picture));
    button->setIconSize(QSize(22, 22));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolTip(hint);
    connect(button, &QToolButton::clicked, this, [this, action] { MarkButtonClick(action); });
    return button;
}

void TDigForm::showEvent(QShowEvent* event) {
    ProgramDialog::showEvent(event);
    FormActivate();
}

// Enter goes to the invisible default button, whichever control has the focus.
void TDigForm::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
        EnterButton->click();
        return;
    }
    ProgramDialog::keyPressEvent(event);
}

void TDigForm::FormActivate() {
    FEntry.Activate();
    ShowNumber(*EnterQ, FEntry.QuestionNumber());
    ShowNumber(*EnterT, FEntry.TeamNumber());
    PagesChange();
    EnterQ->setFocus();
}

void TDigForm::PagesChange() {
    FEntry.SetPage(Pages->currentWidget() == Page1 ? QuickEntry::Page::OneQuestion : QuickEntry::Page::OneTeam);
    const bool one = FEntry.CurrentPage() == QuickEntry::Page::OneQuestion;
    OutTeam->clear();
    DrawPage();
    ArQ->setEnabled(one);
    ArT->setEnabled(!one);
    Title->setText(one ? QStringLiteral("Рейтинг") : QStringLiteral("Вопросы"));
}

void TDigForm::DrawPage() {
    if (FEntry.CurrentPage() == QuickEntry::Page::OneQuestion) {
        OutRat->setText(QString::number(FEntry.PageValue()));
        Im1->ShowCells(FEntry.FieldCells());
        return;
    }
    const TTeamData* team = FEntry.PageTeam();
    if (!team) return;
    OutTeam->setText(FromAnsi(ShortTeamTitle(*team)));
    OutRat->setText(QString::number(FEntry.PageValue()));
    Im2->ShowCells(FEntry.FieldCells());
}

void TDigForm::EnterButtonClick() {
    if (EnterQ->hasFocus()) EnterQuestion();
    else if (EnterT->hasFocus()) EnterTeam();
}

// A number the window put right (0, past the last question, no such team)
// changes no mark; the field shows what the number now stands for.
void TDigForm::EnterQuestion() {
    ShowNumber(*EnterQ, FEntry.EnterQuestion(ToAnsi(EnterQ->text())).Number);
    DrawPage();
}

void TDigForm::EnterTeam() {
    const QString text = EnterT->text();
    const std::optional<QuickEntry::Entered> entered = FEntry.EnterTeam(ToAnsi(text));
    if (!entered) {
        AppDialogs().ErrorBox(QStringLiteral("Неправильный номер команды: \"%1\".\rНаберите номер цифрами.").arg(text),
                              QStringLiteral("Ошибка"));
        EnterT->setFocus();
        EnterT->selectAll();
        return;
    }
    ShowNumber(*EnterT, entered->Number);
    DrawPage();
}

void TDigForm::FieldPointed(int position) {
    if (FEntry.CurrentPage() != QuickEntry::Page::OneQuestion) return;
    const TTeamData* team = FEntry.TeamAt(position);
    if (team) OutTeam->setText(FromAnsi(ShortTeamTitle(*team)));
    else OutTeam->clear();
}

void TDigForm::FieldClicked(int position) {
    const std::optional<int> number = FEntry.ClickPosition(position);
    if (!number) return;
    ShowNumber(FEntry.CurrentPage() == QuickEntry::Page::OneQuestion ? *EnterT : *EnterQ, *number);
    DrawPage();
}

void TDigForm::ArQClick(int delta) {
    if (!FEntry.StepQuestion(delta)) return;
    ShowNumber(*EnterQ, FEntry.QuestionNumber());
    DrawPage();
}

void TDigForm::ArTClick(int delta) {
    if (!FEntry.StepTeam(delta)) return;
    ShowNumber(*EnterT, FEntry.TeamNumber());
    DrawPage();
}

void TDigForm::MarkButtonClick(QuickEntry::MarkAction action) {
    FEntry.ApplyToPage(action);
    DrawPage();
}

void TDigForm::ShowNumber(QLineEdit& field, int number) {
    field.setText(QString::number(number));
    field.selectAll();
}
