#include "ui/OptionsPanel.h"

#include "ui/draw/ProgramFont.h"
#include "ui/platform/Dialogs.h"
#include "ui/platform/HelpTopic.h"
#include "ui/GameSelectors.h"
#include "ui/MainActions.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// The help of the rating type and the counting options, and of what the
// table shows.
constexpr int kCountTopic = 1007;
constexpr int kOutputTopic = 1006;

// A check box that shows its action's state and toggles it through the
// action, so the menu, the box and the handler never disagree.
QCheckBox* BoundCheckBox(QAction* action, QWidget* parent) {
    auto* box = new QCheckBox(action->text(), parent);
    box->setObjectName(QStringLiteral("Check") + action->objectName().mid(3));
    box->setToolTip(action->toolTip());
    box->setChecked(action->isChecked());
    box->setEnabled(action->isEnabled());
    QObject::connect(box, &QCheckBox::clicked, action, [action, box] {
        action->trigger();
        box->setChecked(action->isChecked());
    });
    QObject::connect(action, &QAction::toggled, box, &QCheckBox::setChecked);
    QObject::connect(action, &QAction::changed, box, [action, box] { box->setEnabled(action->isEnabled()); });
    return box;
}

QVBoxLayout* TightColumn(QWidget* owner) {
    auto* column = new QVBoxLayout(owner);
    column->setContentsMargins(4, 2, 2, 2);
    column->setSpacing(0);
    return column;
}

}  // namespace

OptionsPanel::OptionsPanel(const MainActions& actions, QWidget* parent)
    : QFrame(parent), ToursBox(new QComboBox(this)), GroupsBox(new QComboBox(this)) {
    setObjectName(QStringLiteral("SettPanel"));
    setFixedWidth(kWidth);
    setFrameShape(QFrame::StyledPanel);
    // The panel's width is fixed; its longest option must fit on one line.
    setFont(Draw::ProgramFont(8));
    ToursBox->setObjectName(QStringLiteral("ToursBox"));
    GroupsBox->setObjectName(QStringLiteral("GroupsBox"));
    for (QComboBox* box : {ToursBox, GroupsBox}) box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);
    layout->addWidget(new QLabel(QStringLiteral("Выберите текущий тур:"), this));
    layout->addWidget(ToursBox);
    layout->addSpacing(4);
    layout->addWidget(new QLabel(QStringLiteral("Выберите текущую группу:"), this));
    layout->addWidget(GroupsBox);
    layout->addSpacing(4);
    layout->addWidget(MakeRatingGroup());
    QGroupBox* count = MakeCheckGroup(actions, QStringLiteral(" Опции подсчета "),
                                      {ActionId::ActAutoCount, ActionId::ActHiRating, ActionId::ActSortByRating,
                                       ActionId::ActDeposEnable});
    SetHelpTopic(*count, kCountTopic);
    layout->addWidget(count);
    std::vector<ActionId> outputIds = {ActionId::ActGraphTable};
    for (const DisplayOptionInfo& info : kDisplayOptions) outputIds.push_back(DisplayAction(info.option));
    QGroupBox* output = MakeCheckGroup(actions, QStringLiteral(" Вывод информации "), outputIds);
    output->setToolTip(MessageText(QStringLiteral("Выбор информации \r\nдля вывода в таблице")));
    SetHelpTopic(*output, kOutputTopic);
    layout->addWidget(output);
    layout->addStretch();

    connect(ToursBox, &QComboBox::activated, this, &OptionsPanel::TourChosen);
    connect(GroupsBox, &QComboBox::activated, this, &OptionsPanel::GroupChosen);
    FillSelectors(nullptr);
}

QGroupBox* OptionsPanel::MakeRatingGroup() {
    ChooseRating = new QGroupBox(QStringLiteral(" Тип рейтинга вопросов "), this);
    ChooseRating->setObjectName(QStringLiteral("ChooseRating"));
    SetHelpTopic(*ChooseRating, kCountTopic);
    FRatingButtons = new QButtonGroup(ChooseRating);
    auto* row = new QHBoxLayout(ChooseRating);
    row->setContentsMargins(4, 2, 2, 2);
    const QString items[] = {QStringLiteral("Минусы + 1"), QStringLiteral("Нулевой")};
    for (int i = 0; i < 2; ++i) {
        auto* button = new QRadioButton(items[i], ChooseRating);
        button->setObjectName(QStringLiteral("ChooseRating%1").arg(i));
        FRatingButtons->addButton(button, i);
        row->addWidget(button);
    }
    FRatingButtons->button(0)->setChecked(true);
    connect(FRatingButtons, &QButtonGroup::idClicked, this, &OptionsPanel::RatingChosen);
    return ChooseRating;
}

QGroupBox* OptionsPanel::MakeCheckGroup(const MainActions& actions, const QString& title,
                                        const std::vector<ActionId>& ids) {
    auto* group = new QGroupBox(title, this);
    QVBoxLayout* column = TightColumn(group);
    for (ActionId id : ids) column->addWidget(BoundCheckBox(actions[id], group));
    return group;
}

void OptionsPanel::FillSelectors(const TVemoData* game) {
    Fill(ToursBox, game ? TourSelector(*game) : SelectorItems{});
    Fill(GroupsBox, game ? GroupSelector(*game) : SelectorItems{});
}

void OptionsPanel::Fill(QComboBox* box, const SelectorItems& selector) {
    const QSignalBlocker quiet(box);
    box->clear();
    box->addItems(selector.items);
    box->setCurrentIndex(selector.items.isEmpty() ? -1 : selector.current);
    box->setEnabled(selector.enabled);
}

void OptionsPanel::SetGroupIndex(int index) {
    const QSignalBlocker quiet(GroupsBox);
    GroupsBox->setCurrentIndex(index);
}

bool OptionsPanel::RatingPlusOne() const { return FRatingButtons->checkedId() == 0; }

void OptionsPanel::SetRatingPlusOne(bool plusOne) { FRatingButtons->button(plusOne ? 0 : 1)->setChecked(true); }
