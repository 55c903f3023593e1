#include "entry/widgets/TFormReg.h"

#include "entry/EntryChars.h"
#include "entry/EntryRows.h"
#include "entry/RegistrationCheck.h"
#include "entry/TeamImport.h"
#include "entry/TypedNumber.h"
#include "entry/widgets/EntryPrompts.h"
#include "entry/widgets/ListEditor.h"
#include "entry/widgets/QuestionCountBox.h"
#include "entry/widgets/TFormImport.h"
#include "entry/widgets/TFormGroups.h"
#include "entry/widgets/TFormTours.h"
#include "entry/widgets/TLumEnterValueDialog.h"
#include "entry/widgets/TypedCharsValidator.h"
#include "base/Errors.h"
#include "base/FileIO.h"
#include "model/VemoData.h"
#include "ui/platform/Dialogs.h"
#include "ui/platform/HelpTopic.h"
#include "ui/text/AnsiText.h"

#include <QCheckBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>
#include <optional>

namespace {

constexpr int kHelpTopic = 1020;
constexpr int kImportHelpTopic = 1030;
constexpr QSize kClientSize(720, 560);
constexpr QSize kMinimumClientSize(600, 420);

template <class Widget>
Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

TGameDate Today() {
    const QDate today = QDate::currentDate();
    return {static_cast<uint16_t>(today.year()), static_cast<uint8_t>(today.month()),
            static_cast<uint8_t>(today.day())};
}

QStringList GroupNames(const TVemoData& game) {
    QStringList names;
    for (int i = 0; i < game.GroupCount(); ++i) names.append(FromAnsi(game.GroupByIndex(i)->Name));
    return names;
}

std::string* TeamField(TTeamData& team, int column) {
    switch (column) {
        case kTeamNameColumn: return &team.Name;
        case kTeamTownColumn: return &team.Town;
        case kTeamCaptainColumn: return &team.Captain;
        case kTeamCoachColumn: return &team.Trainer;
        default: return nullptr;
    }
}

QString FaultText(const RegistrationCheck& check, const TVemoData& game) {
    const QString team = QString::number(check.team);
    switch (check.fault) {
        case RegistrationFault::NoQuestions: return QStringLiteral("Введите количество вопросов или туры игры!");
        case RegistrationFault::DateFormat: return QStringLiteral("Неправильный формат даты (дд.мм.гг)!");
        case RegistrationFault::DateValue: return QStringLiteral("Неправильное значение даты (дд.мм.гг)!");
        case RegistrationFault::NoTeamName: return QStringLiteral("Необходимо ввести название команды ") + team;
        case RegistrationFault::NoTeamTown: return QStringLiteral("Необходимо ввести город команды ") + team;
        case RegistrationFault::SameNameAndTown:
            return QStringLiteral("Две команды имеют одинаковые название и город: ") + team + QStringLiteral(", ") +
                   QString::number(check.otherTeam);
        case RegistrationFault::NoGroup:
            return QStringLiteral("Для команды \"") + FromAnsi(game.TeamByNumber(check.team)->Name) +
                   QStringLiteral("\" не задана группа");
        case RegistrationFault::None: break;
    }
    return {};
}

// The bytes of the team list at `path`, or none after telling why not; a
// file too large to be a team list is not read at all.
std::optional<std::string> ReadTeamList(const QString& path) {
    const std::string local = QFile::encodeName(path).toStdString();
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(local, error);
    if (!error && size > kLargestTeamList) {
        AppDialogs().ErrorBox(QStringLiteral("Файл слишком велик для списка команд:\r") + path,
                              QStringLiteral("Ошибка"));
        return std::nullopt;
    }
    if (!error) {
        try {
            return FileIO::ReadWholeFile(local);
        } catch (const Exception&) {
        }
    }
    AppDialogs().ErrorBox(QStringLiteral("Не удается прочитать файл:\r") + path, QStringLiteral("Ошибка"));
    return std::nullopt;
}

}  // namespace

TFormReg::TFormReg(TVemoData& game, QWidget* parent)
    : GameCopyDialog(game, parent, kHelpTopic),
      LumEnterValue(new TLumEnterValueDialog(this)) {
    setObjectName(QStringLiteral("FormReg"));
    setWindowTitle(QStringLiteral("Регистрация команд"));
    LumEnterValue->ValueType = TValueType::fvtInteger;

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeHeaderFrame());
    layout->addWidget(MakeTeamsFrame(), 1);
    layout->addWidget(MakeButtons());
    setMinimumSize(kMinimumClientSize);
    resize(kClientSize);

    FillHeader();
    FList->SetChoiceItems(GroupNames(*FGame));
    RefreshTable();

    connect(EnterQQ, &QSpinBox::valueChanged, this, &TFormReg::EnterQQChange);
    connect(SevToursCheck, &QCheckBox::toggled, this, &TFormReg::SevToursCheckClick);
    connect(ToursButton, &QPushButton::clicked, this, &TFormReg::ToursButtonClick);
    connect(TodayButton, &QPushButton::clicked, this, &TFormReg::TodayButtonClick);
    connect(GroupsButton, &QPushButton::clicked, this, &TFormReg::GroupsButtonClick);
    connect(ImportButton, &QPushButton::clicked, this, &TFormReg::ImportButtonClick);
    connect(ChangeTeamButton, &QPushButton::clicked, this, &TFormReg::ChangeTeamButtonClick);
    connect(DelTeamButton, &QPushButton::clicked, this, &TFormReg::DelTeamButtonClick);
    connect(FList, &ListEditor::CellSelected, this, &TFormReg::TableSelectCell);
    connect(FList, &ListEditor::EditorEntered, this, &TFormReg::EnterValueEnter);
    connect(FList, &ListEditor::ChoiceChosen, this, &TFormReg::AssignChosenGroup);
    connect(FList, &ListEditor::ChoiceEntered, this, &TFormReg::ChooseValueEnter);
}

TFormReg::~TFormReg() = default;

QWidget* TFormReg::MakeHeaderFrame() {
    auto* frame = new QGroupBox(QStringLiteral(" Общая информация об игре "), this);
    EnterQQ = Named(new QuestionCountBox(frame), "EnterQQ");
    EnterQQ->setToolTip(QStringLiteral("Ввод количества вопросов"));
    SevToursCheck = Named(new QCheckBox(QStringLiteral("Несколько туров"), frame), "SevToursCheck");
    ToursButton = Named(new QPushButton(QStringLiteral("Туры..."), frame), "ToursButton");
    EnterTour = Named(new QLineEdit(frame), "EnterTour");
    EnterLeader = Named(new QLineEdit(frame), "EnterLeader");
    EnterDate = Named(new QLineEdit(frame), "EnterDate");
    EnterDate->setValidator(new TypedCharsValidator(EntryChars::AcceptsDateText, *EnterDate));
    TodayButton = Named(new QPushButton(QStringLiteral("Сегодня"), frame), "TodayButton");

    auto* grid = new QGridLayout(frame);
    grid->addWidget(new QLabel(QStringLiteral("Вопросы:"), frame), 0, 0);
    grid->addWidget(EnterQQ, 0, 1);
    grid->addWidget(SevToursCheck, 0, 2);
    grid->addWidget(ToursButton, 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("Название игры:"), frame), 1, 0);
    grid->addWidget(EnterTour, 1, 1, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("Ведущий:"), frame), 2, 0);
    grid->addWidget(EnterLeader, 2, 1, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("Дата (дд.мм.гг):"), frame), 3, 0);
    grid->addWidget(EnterDate, 3, 1);
    grid->addWidget(TodayButton, 3, 2, Qt::AlignLeft);
    grid->setColumnStretch(4, 1);
    return frame;
}

QWidget* TFormReg::MakeTeamsFrame() {
    auto* frame = new QGroupBox(QStringLiteral(" Информация о командах "), this);
    FList = new ListEditor({QStringLiteral("№"), QStringLiteral("Команда*"), QStringLiteral("Город*"),
                            QStringLiteral("Капитан"), QStringLiteral("Тренер"), QStringLiteral("Группа")},
                           {0.04, 0.22, 0.17, 0.19, 0.19, 0.18}, frame);
    GroupsButton = Named(new QPushButton(QStringLiteral("Группы..."), frame), "GroupsButton");
    ChangeTeamButton = Named(new QPushButton(QStringLiteral("Поменять номер"), frame), "ChangeTeamButton");
    DelTeamButton = Named(new QPushButton(QStringLiteral("Удалить команду"), frame), "DelTeamButton");
    ImportButton = Named(new QPushButton(QStringLiteral("Импорт команд..."), frame), "ImportButton");
    SetHelpTopic(*ImportButton, kImportHelpTopic);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(new QLabel(QStringLiteral("* Поля, обязательные для заполнения"), frame));
    buttons->addStretch();
    for (QPushButton* button : {ImportButton, GroupsButton, ChangeTeamButton, DelTeamButton}) buttons->addWidget(button);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(FList, 1);
    layout->addLayout(buttons);
    return frame;
}

// The opening steps up to the team list: the count (shown without running
// the change handler, which would add a tour), name, presenter, date (today
// for a game without one) and the several-tours switch.
void TFormReg::FillHeader() {
    EnterQQ->ShowCount(FGame->QuestionCount());
    EnterTour->setText(FromAnsi(FGame->GameName()));
    EnterLeader->setText(FromAnsi(FGame->Presenter()));
    EnterDate->setText(FromAnsi(DateFieldText(HasDate(FGame->GameDate()) ? FGame->GameDate() : Today())));
    SevToursCheck->setChecked(FGame->TourCount() > 1);
    EnableQuestionFields();
}

void TFormReg::showEvent(QShowEvent* event) {
    ProgramDialog::showEvent(event);
    if (FOpened) return;
    FOpened = true;
    FList->SelectCell({kTeamNameColumn, 1});
}

void TFormReg::RefreshTable() {
    FList->SetRows(TeamRowTexts(*FGame));
    ShowQuestionCount();
}

void TFormReg::ShowQuestionCount() {
    if (EnterQQ->isEnabled() && FQuestionsTyped) return;
    EnterQQ->ShowCount(FGame->QuestionCount());
    FQuestionsTyped = false;
}

void TFormReg::EnableQuestionFields() {
    ToursButton->setEnabled(SevToursCheck->isChecked());
    EnterQQ->setEnabled(!SevToursCheck->isChecked());
}

void TFormReg::EnableTeamButtons(int row) {
    const bool teamRow = row < FList->LastRow();
    DelTeamButton->setEnabled(teamRow);
    ChangeTeamButton->setEnabled(teamRow);
}

TTeamData* TFormReg::CurrentTeam() const { return FGame->TeamByNumber(FList->Current().row); }

void TFormReg::TodayButtonClick() { EnterDate->setText(FromAnsi(DateFieldText(Today()))); }

// The first digit typed into a game without tours makes its one tour, named
// after the game; OK gives that tour the whole typed count.
void TFormReg::EnterQQChange(int value) {
    FQuestionsTyped = true;
    if (value != 0 && FGame->TourCount() == 0) FGame->AddTour(value, ToAnsi(EnterTour->text()));
}

void TFormReg::SevToursCheckClick() {
    if (!SevToursCheck->isChecked() && FGame->TourCount() > 1) {
        if (AppDialogs().QuestionBox(QStringLiteral("Информация о турах будет уничтожена.\rПродолжить?"),
                                     QStringLiteral("Внимание"), false) == Dialogs::Answer::No) {
            SevToursCheck->setChecked(true);
            return;
        }
        FGame->UniteTours(0, FGame->TourCount());
    }
    EnableQuestionFields();
}

void TFormReg::ToursButtonClick() {
    TFormTours tours(*FGame, this);
    AppDialogs().Exec(tours);
    if (!tours.Accepted()) return;
    FGame = tours.TakeGame();
    RefreshTable();
}

void TFormReg::GroupsButtonClick() {
    TFormGroups groups(*FGame, this);
    AppDialogs().Exec(groups);
    if (!groups.Accepted()) return;
    FGame = groups.TakeGame();
    FList->SetChoiceItems(GroupNames(*FGame));
    RefreshTable();
}

// The accepted rows of a CSV team list join the working copy after its own
// teams once the preview is confirmed; the groups they name are created.
void TFormReg::ImportButtonClick() {
    FileDialogRequest request;
    request.title = QStringLiteral("Импорт команд");
    request.filter = QStringLiteral("Таблицы CSV (*.csv *.txt);;Все файлы (*)");
    const QString path = AppDialogs().OpenFileName(request);
    if (path.isEmpty()) return;
    const std::optional<std::string> bytes = ReadTeamList(path);
    if (!bytes) return;
    const ImportPlan plan = PlanTeamImport(*bytes, *FGame);
    TFormImport preview(plan, this);
    if (AppDialogs().Exec(preview) != QDialog::Accepted) return;
    ApplyTeamImport(plan, *FGame);
    FList->SetChoiceItems(GroupNames(*FGame));
    RefreshTable();
}

void TFormReg::TableSelectCell(int column, int row) {
    EnableTeamButtons(row);
    if (column >= kTeamNameColumn && column <= kTeamCoachColumn) {
        FList->OpenEditor({column, row}, ListEditor::Field::FreeText);
        return;
    }
    const TTeamData* team = FGame->TeamByNumber(row);
    if (column != kTeamGroupColumn || !team || FGame->GroupCount() == 0) return;
    // A team without a group offers the group chosen last.
    if (team->Group())
        for (int i = 0; i < FGame->GroupCount(); ++i)
            if (FGame->GroupByIndex(i)->Name == team->Group()->Name) FChosenGroup = i;
    FChosenGroup = std::clamp(FChosenGroup, 0, FGame->GroupCount() - 1);
    FList->OpenChoice({column, row}, FChosenGroup);
}

void TFormReg::EnterValueEnter(const QString& text) {
    const GridCell cell = FList->Edited();
    if (text.isEmpty() && (cell.column == kTeamNameColumn || cell.column == kTeamTownColumn)) return;
    if (cell.row == FList->LastRow()) FGame->AddTeam(std::make_unique<TTeamData>());
    TTeamData* team = FGame->TeamByNumber(cell.row);
    std::string* field = team ? TeamField(*team, cell.column) : nullptr;
    if (!field) return;
    *field = ToAnsi(text);
    RefreshTable();
    if (const std::optional<GridCell> next = TeamCellAfterEnter(cell, FGame->GroupCount() > 0, FList->LastRow()))
        FList->SelectCell(*next);
}

void TFormReg::AssignChosenGroup(int index) {
    TTeamData* team = FGame->TeamByNumber(FList->Edited().row);
    TGroupData* group = FGame->GroupByIndex(index);
    if (!team || !group) return;
    team->SetGroup(group);
    FGame->UpdateGroupTeams();
    FChosenGroup = index;
    RefreshTable();
}

void TFormReg::ChooseValueEnter(int index) {
    AssignChosenGroup(index);
    const GridCell cell = FList->Edited();
    if (const std::optional<GridCell> next = TeamCellAfterEnter(cell, true, FList->LastRow())) FList->SelectCell(*next);
}

void TFormReg::DelTeamButtonClick() {
    const TTeamData* team = CurrentTeam();
    if (!team) return;
    const QString question = QStringLiteral("Вы действительно хотите удалить команду ") + FromAnsi(team->Name) +
                             QStringLiteral(" ?");
    if (AppDialogs().QuestionBox(question, QStringLiteral("Удаление"), false) != Dialogs::Answer::Yes) return;
    FGame->DeleteTeam(team);
    RefreshTable();
    EnableTeamButtons(FList->Current().row);
}

void TFormReg::ChangeTeamButtonClick() {
    const TTeamData* team = CurrentTeam();
    if (!team) return;
    const int number = team->Number;
    const std::optional<int> wanted =
        EntryPrompts::AskNumber(*LumEnterValue, QStringLiteral("Новый номер"), 1, FGame->TeamCount());
    if (!wanted || *wanted == number) return;
    if (!FGame->SwapTeamNumbers(number, *wanted)) {
        EntryPrompts::Error(EntryPrompts::kCannotSwap);
        return;
    }
    RefreshTable();
}

void TFormReg::accept() {
    FAccepted = false;
    const RegistrationHeader header{EnterQQ->value(), ToAnsi(EnterTour->text()), ToAnsi(EnterLeader->text()),
                                    ToAnsi(EnterDate->text())};
    const RegistrationCheck check = CheckRegistration(*FGame, header);
    if (check.fault != RegistrationFault::None) {
        ShowFault(check);
        return;
    }
    CommitRegistration(*FGame, header, check.date);
    FAccepted = true;
    ProgramDialog::accept();
}

// After the box the user is put where the fault is: the field, or the
// team's cell with its editor open (the table showing the stripped texts).
void TFormReg::ShowFault(const RegistrationCheck& check) {
    EntryPrompts::Error(FaultText(check, *FGame));
    switch (check.fault) {
        case RegistrationFault::NoQuestions:
            if (EnterQQ->isEnabled()) EnterQQ->setFocus();
            return;
        case RegistrationFault::DateFormat:
        case RegistrationFault::DateValue: EnterDate->setFocus(); return;
        default: break;
    }
    RefreshTable();
    if (const std::optional<GridCell> cell = FaultCell(check)) FList->SelectCell(*cell);
}
