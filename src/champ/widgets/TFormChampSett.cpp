#include "champ/widgets/TFormChampSett.h"

#include "ui/platform/Dialogs.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

constexpr int kHelpTopic = 1027;
constexpr int kFieldWidth = 70;

const char* const kPlaceLabels[] = {"1-ое место", "2-ое место", "3-е место",  "4-ое место", "5-ое место",
                                    "6-ое место", "7-ое место", "8-ое место", "9-ое место", "10-ое место"};

}  // namespace

TFormChampSett::TFormChampSett(const ChampSettings& settings, QWidget* parent)
    : ProgramDialog(parent, kHelpTopic), FSettings(settings) {
    setObjectName(QStringLiteral("FormChampSett"));
    setWindowTitle(QStringLiteral("Настройки подсчета чемпионата"));
    auto* frames = new QHBoxLayout;
    frames->addWidget(PointsFrame());
    frames->addWidget(GamesFrame(), 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(frames);
    QDialogButtonBox* buttons = MakeButtons();
    buttons->findChild<QPushButton*>(QStringLiteral("OKButton"))->setText(QStringLiteral("ОК"));
    layout->addWidget(buttons);
}

QLineEdit* TFormChampSett::NumberField(const QString& name, int32_t value, QWidget* parent) {
    auto* field = new QLineEdit(QString::number(value), parent);
    field->setObjectName(name);
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), field));
    field->setFixedWidth(kFieldWidth);
    return field;
}

QGroupBox* TFormChampSett::PointsFrame() {
    auto* frame = new QGroupBox(QStringLiteral(" Подсчет по очкам "), this);
    auto* form = new QFormLayout(frame);
    for (std::size_t k = 0; k < EnterPlacePoints.size(); ++k) {
        EnterPlacePoints[k] = NumberField(QStringLiteral("EnterPlacePoints%1").arg(k + 1), FSettings.PlacePoints[k], frame);
        form->addRow(QString::fromUtf8(kPlaceLabels[k]), EnterPlacePoints[k]);
    }
    return frame;
}

QGroupBox* TFormChampSett::GamesFrame() {
    auto* frame = new QGroupBox(QStringLiteral(" Подсчет по результатам игр "), this);
    auto* layout = new QVBoxLayout(frame);
    auto* row = new QHBoxLayout;
    EnterExlGames = NumberField(QStringLiteral("EnterExlGames"), FSettings.ExlGames, frame);
    row->addWidget(new QLabel(QStringLiteral("Количество обязательных игр"), frame));
    row->addWidget(EnterExlGames);
    layout->addLayout(row);
    layout->addWidget(new QLabel(QStringLiteral("(если полное количество игр превышает\n"
                                                "количество обязательных, то худшие игры\n"
                                                "исключаются)"),
                                 frame));
    return frame;
}

void TFormChampSett::accept() {
    std::array<QLineEdit*, 11> fields;
    std::copy(EnterPlacePoints.begin(), EnterPlacePoints.end(), fields.begin());
    fields.back() = EnterExlGames;
    if (std::any_of(fields.begin(), fields.end(), [](const QLineEdit* field) { return field->text().isEmpty(); }))
        return;
    std::array<int32_t, 11> values{};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        bool converted = false;
        values[i] = fields[i]->text().toInt(&converted);
        if (!converted) {
            AppDialogs().ErrorBox(QStringLiteral("Ошибка формата числа!"), QStringLiteral("Ошибка"));
            return;
        }
    }
    std::copy(values.begin(), values.begin() + 10, FSettings.PlacePoints.begin());
    FSettings.ExlGames = values.back();
    ProgramDialog::accept();
}
