#include "entry/widgets/TFormGroups.h"

#include "entry/EntryRows.h"
#include "entry/NameChecks.h"
#include "entry/widgets/EntryPrompts.h"
#include "entry/widgets/ListEditor.h"
#include "model/VemoData.h"
#include "ui/platform/Dialogs.h"
#include "ui/text/AnsiText.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kHelpTopic = 1022;
constexpr int kNameColumn = 1;
constexpr QSize kClientSize(320, 330);

}  // namespace

TFormGroups::TFormGroups(TVemoData& game, QWidget* parent)
    : GameCopyDialog(game, parent, kHelpTopic) {
    setObjectName(QStringLiteral("FormGroups"));
    setWindowTitle(QStringLiteral("Группы"));
    FList = new ListEditor({QStringLiteral("№"), QStringLiteral("Название")}, {0.08, 0.92}, this);
    DelGroupButton = new QPushButton(QStringLiteral("Удалить группу"), this);
    DelGroupButton->setObjectName(QStringLiteral("DelGroupButton"));
    DelGroupButton->setEnabled(false);

    QDialogButtonBox* buttons = MakeButtons();
    buttons->findChild<QPushButton*>(QStringLiteral("OKButton"))->setText(QStringLiteral("ОК"));
    auto* actions = new QHBoxLayout;
    actions->addWidget(DelGroupButton);
    actions->addStretch();
    actions->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FList, 1);
    layout->addLayout(actions);
    setFixedSize(kClientSize);

    connect(FList, &ListEditor::CellSelected, this, &TFormGroups::TableSelectCell);
    connect(FList, &ListEditor::EditorEntered, this, &TFormGroups::EnterValueEnter);
    connect(DelGroupButton, &QPushButton::clicked, this, &TFormGroups::DelGroupButtonClick);
}

TFormGroups::~TFormGroups() = default;

void TFormGroups::showEvent(QShowEvent* event) {
    ProgramDialog::showEvent(event);
    RefreshTable();
    FAccepted = false;
}

void TFormGroups::RefreshTable() { FList->SetRows(GroupRowTexts(*FGame)); }

void TFormGroups::TableSelectCell(int column, int row) {
    DelGroupButton->setEnabled(row < FList->LastRow());
    if (column == kNameColumn) FList->OpenEditor({column, row}, ListEditor::Field::FreeText);
}

void TFormGroups::EnterValueEnter(const QString& text) {
    if (text.isEmpty()) return;
    const int row = FList->Edited().row;
    if (row == FList->LastRow()) {
        const TGroupData group{ToAnsi(text)};
        FGame->AddGroup(&group);
    } else if (TGroupData* group = FGame->GroupByIndex(row - 1)) {
        group->Name = ToAnsi(text);
    }
    RefreshTable();
    FList->SelectCell({kNameColumn, row + 1});
}

void TFormGroups::DelGroupButtonClick() {
    const int index = FList->Current().row - 1;
    const TGroupData* group = FGame->GroupByIndex(index);
    if (!group) return;
    const QString question =
        QStringLiteral("Вы действительно хотите удалить группу \"") + FromAnsi(group->Name) + QStringLiteral("\" ?");
    if (AppDialogs().QuestionBox(question, QStringLiteral("Удаление"), false) != Dialogs::Answer::Yes) return;
    if (!FGame->DeleteGroup(index)) return;
    RefreshTable();
    DelGroupButton->setEnabled(FList->Current().row < FList->LastRow());
}

void TFormGroups::accept() {
    FAccepted = false;
    if (const std::optional<NamePair> same = FirstSameGroupNames(*FGame)) {
        EntryPrompts::Error(QStringLiteral("Обнаружены две группы с одинаковыми именами: ") +
                            FromAnsi(FGame->GroupByIndex(same->first - 1)->Name) + QStringLiteral(" и ") +
                            FromAnsi(FGame->GroupByIndex(same->second - 1)->Name));
        return;
    }
    FAccepted = true;
    ProgramDialog::accept();
}
