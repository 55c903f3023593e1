#include "entry/widgets/TFormTours.h"

#include "entry/EntryRows.h"
#include "entry/NameChecks.h"
#include "entry/QuestionLimit.h"
#include "entry/TypedNumber.h"
#include "entry/widgets/EntryPrompts.h"
#include "entry/widgets/ListEditor.h"
#include "entry/widgets/TLumEnterValueDialog.h"
#include "model/VemoData.h"
#include "ui/platform/Dialogs.h"
#include "ui/text/AnsiText.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kHelpTopic = 1021;
constexpr int kQuestionsColumn = 1;
constexpr int kNameColumn = 2;
constexpr QSize kClientSize(680, 360);
constexpr int kCaptionRoom = 16;

const QString kTooManyQuestions = QStringLiteral("В игре может быть не больше 65535 вопросов.");

QPushButton* Button(const QString& caption, const char* name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setEnabled(false);
    return button;
}

}  // namespace

TFormTours::TFormTours(TVemoData& game, QWidget* parent)
    : GameCopyDialog(game, parent, kHelpTopic),
      LumEnterValue(new TLumEnterValueDialog(this)) {
    setObjectName(QStringLiteral("FormTours"));
    setWindowTitle(QStringLiteral("Туры"));
    LumEnterValue->ValueType = TValueType::fvtInteger;

    OutQQ = new QLineEdit(this);
    OutQQ->setObjectName(QStringLiteral("OutQQ"));
    OutQQ->setReadOnly(true);
    OutQQ->setMaximumWidth(80);
    auto* questions = new QHBoxLayout;
    questions->addWidget(new QLabel(QStringLiteral("Вопросы:"), this));
    questions->addWidget(OutQQ);
    questions->addStretch();

    auto* frame = new QGroupBox(QStringLiteral(" Информация о турах "), this);
    FList = new ListEditor({QStringLiteral("№"), QStringLiteral("Вопросы"), QStringLiteral("Название")},
                           {0.05, 0.15, 0.8}, frame);
    auto* framed = new QHBoxLayout(frame);
    framed->addWidget(FList, 1);
    framed->addWidget(MakeButtonColumn());

    QDialogButtonBox* buttons = MakeButtons();
    buttons->findChild<QPushButton*>(QStringLiteral("OKButton"))->setText(QStringLiteral("ОК"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(questions);
    layout->addWidget(frame, 1);
    layout->addWidget(buttons);
    setFixedSize(kClientSize);

    connect(FList, &ListEditor::CellSelected, this, &TFormTours::TableSelectCell);
    connect(FList, &ListEditor::EditorEntered, this, &TFormTours::EnterValueEnter);
}

TFormTours::~TFormTours() = default;

QWidget* TFormTours::MakeButtonColumn() {
    auto* column = new QWidget(this);
    ChangeTourButton = Button(QStringLiteral("Изменить номер*"), "ChangeTourButton", column);
    DelTourButton = Button(QStringLiteral("Удалить тур*"), "DelTourButton", column);
    UniteNextButton = Button(QStringLiteral("Объединить со следующим"), "UniteNextButton", column);
    SplitButton = Button(QStringLiteral("Разбить на 2 тура"), "SplitButton", column);
    connect(ChangeTourButton, &QPushButton::clicked, this, &TFormTours::ChangeTourButtonClick);
    connect(DelTourButton, &QPushButton::clicked, this, &TFormTours::DelTourButtonClick);
    connect(UniteNextButton, &QPushButton::clicked, this, &TFormTours::UniteNextButtonClick);
    connect(SplitButton, &QPushButton::clicked, this, &TFormTours::SplitButtonClick);

    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QPushButton* button : {ChangeTourButton, DelTourButton, UniteNextButton, SplitButton}) {
        // The style's own width leaves the longest caption touching the frame.
        button->setMinimumWidth(button->sizeHint().width() + kCaptionRoom);
        layout->addWidget(button);
    }
    layout->addStretch();
    layout->addWidget(new QLabel(QStringLiteral("*Операции могут привести к"), column));
    layout->addWidget(new QLabel(QStringLiteral("изменениям данных игры"), column));
    return column;
}

void TFormTours::showEvent(QShowEvent* event) {
    ProgramDialog::showEvent(event);
    Activate();
}

void TFormTours::Activate() {
    RefreshTable();
    FAccepted = false;
    DelTourButton->setEnabled(false);
    ChangeTourButton->setEnabled(false);
}

void TFormTours::RefreshTable() {
    FList->SetRows(TourRowTexts(*FGame));
    OutQQ->setText(QString::number(FGame->QuestionCount()));
}

int TFormTours::CurrentTour() const {
    const int row = FList->Current().row;
    return row < FList->LastRow() ? row - 1 : -1;
}

void TFormTours::EnableButtons(int row) {
    const bool tourRow = row < FList->LastRow();
    DelTourButton->setEnabled(tourRow);
    SplitButton->setEnabled(tourRow);
    ChangeTourButton->setEnabled(tourRow && FGame->TourCount() != 1);
    UniteNextButton->setEnabled(row + 1 < FList->LastRow());
}

void TFormTours::TableSelectCell(int column, int row) {
    EnableButtons(row);
    if (column == kQuestionsColumn) FList->OpenEditor({column, row}, ListEditor::Field::Digits);
    if (column == kNameColumn) FList->OpenEditor({column, row}, ListEditor::Field::FreeText);
}

void TFormTours::EnterValueEnter(const QString& text) {
    const GridCell cell = FList->Edited();
    if (cell.column == kQuestionsColumn) EnterQuestionCount(cell.row, text);
    if (cell.column == kNameColumn) EnterTourName(cell.row, text);
}

void TFormTours::EnterQuestionCount(int row, const QString& text) {
    const TypedNumber count = ReadTypedNumber(text.toStdString(), 0, TVemoData::kMaxCount);
    if (count.kind == TypedNumberKind::NotWhole || (count.kind == TypedNumberKind::InRange && count.value == 0))
        return;
    if (count.kind == TypedNumberKind::OutOfRange || !FitsQuestionLimit(*FGame, row - 1, count.value)) {
        EntryPrompts::Error(kTooManyQuestions);
        return;
    }
    if (row == FList->LastRow())
        FGame->AddTour(count.value, {});
    else
        FGame->SetTourQuestCount(row - 1, count.value);
    RefreshTable();
    FList->SelectCell({kNameColumn, row});
}

void TFormTours::EnterTourName(int row, const QString& text) {
    if (row == FList->LastRow()) {
        if (!FitsQuestionLimit(*FGame, row - 1, 1)) {
            EntryPrompts::Error(kTooManyQuestions);
            return;
        }
        FGame->AddTour(1, {});
    }
    FGame->SetTourName(row - 1, ToAnsi(text));
    RefreshTable();
    if (row + 1 <= FList->LastRow()) FList->SelectCell({kQuestionsColumn, row + 1});
}

void TFormTours::DelTourButtonClick() {
    const int tour = CurrentTour();
    if (tour < 0) return;
    if (AppDialogs().QuestionBox(QStringLiteral("Данная операция также приведет к изменению данных игры.\r"
                                                "Вы хотите продолжить?"),
                                 QStringLiteral("Внимание"), false) == Dialogs::Answer::No)
        return;
    FGame->DeleteTour(tour);
    RefreshTable();
    EnableButtons(FList->Current().row);
}

void TFormTours::SplitButtonClick() {
    const int tour = CurrentTour();
    if (tour < 0) return;
    const std::optional<int> kept = EntryPrompts::AskNumber(*LumEnterValue, QStringLiteral("Оставить вопросов в туре"),
                                                            1, FGame->TourQuestCount(tour));
    if (kept) FGame->SplitTour(tour, *kept);
    Activate();
}

void TFormTours::UniteNextButtonClick() {
    const int tour = CurrentTour();
    if (tour < 0) return;
    FGame->UniteTours(tour, 2);
    RefreshTable();
    EnableButtons(FList->Current().row);
}

void TFormTours::ChangeTourButtonClick() {
    const int tour = CurrentTour();
    if (tour < 0) return;
    const std::optional<int> number =
        EntryPrompts::AskNumber(*LumEnterValue, QStringLiteral("Новый номер"), 1, FGame->TourCount());
    if (number && *number != tour + 1 && !FGame->ExchangeTours(tour, *number - 1))
        EntryPrompts::Error(EntryPrompts::kCannotSwap);
    Activate();
}

void TFormTours::accept() {
    FAccepted = false;
    if (const std::optional<NamePair> same = FirstSameTourNames(*FGame)) {
        EntryPrompts::Error(QStringLiteral("Два тура имеют одинаковые названия: ") + QString::number(same->first) +
                            QStringLiteral(", ") + QString::number(same->second));
        return;
    }
    FAccepted = true;
    ProgramDialog::accept();
}
