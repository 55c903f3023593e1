#include "stats/widgets/TStatTeamForm.h"

#include "model/VemoData.h"
#include "stats/widgets/PlaceGraphRenderer.h"
#include "stats/widgets/StatFields.h"
#include "ui/text/AnsiText.h"

#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kHelpTopic = 1016;
constexpr int kTeamGroupWidth = 225;
constexpr int kGraphWidth = 440;
constexpr int kGraphHeight = 390;
const QColor kLeadGreen(0x00, 0x80, 0x00);
const QColor kBehindRed(0xFF, 0x00, 0x00);

QToolButton* MakeStepButton(const char* name, const QString& text, const QString& hint, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(text);
    button->setToolTip(hint);
    return button;
}

void SetTextColor(QLineEdit& box, const QColor& color) {
    QPalette palette = box.palette();
    palette.setColor(QPalette::Text, color);
    box.setPalette(palette);
}

}  // namespace

TStatTeamForm::TStatTeamForm(TVemoData& game, int team, QWidget* parent)
    : ProgramDialog(parent, kHelpTopic), FGame(game), FTeam(team >= 0 && team < game.ActiveTeamCount() ? team : 0),
      FGraph(kGraphWidth, kGraphHeight, QImage::Format_RGB32) {
    setObjectName(QStringLiteral("StatTeamForm"));
    setWindowTitle(QStringLiteral("Командная статистика"));
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(MakeTeamGroup());
    layout->addWidget(MakeGraphGroup());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(PrevTeam, &QToolButton::clicked, this, &TStatTeamForm::PrevTeamClick);
    connect(NextTeam, &QToolButton::clicked, this, &TStatTeamForm::NextTeamClick);
}

QWidget* TStatTeamForm::MakeTeamGroup() {
    auto* group = new QGroupBox(QStringLiteral(" Информация о команде "), this);
    group->setMinimumWidth(kTeamGroupWidth);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(new QLabel(QStringLiteral("Команда"), group));
    auto* stepper = new QHBoxLayout;
    PrevTeam = MakeStepButton("PrevTeam", QStringLiteral("<"), QStringLiteral("Предыдущая команда"), group);
    OutStatTeam = MakeOutputBox("OutStatTeam", group);
    NextTeam = MakeStepButton("NextTeam", QStringLiteral(">"), QStringLiteral("Следующая команда"), group);
    stepper->addWidget(PrevTeam);
    stepper->addWidget(OutStatTeam, 1);
    stepper->addWidget(NextTeam);
    layout->addLayout(stepper);

    auto* form = new QFormLayout;
    const auto row = [&](const char* name, const char* label) {
        QLineEdit* box = MakeOutputBox(name, group);
        form->addRow(QString::fromUtf8(label), box);
        return box;
    };
    OutStatNumb = row("OutStatNumb", "Номер");
    OutStatTown = row("OutStatTown", "Город");
    OutStatCapt = row("OutStatCapt", "Капитан");
    OutStatCoach = row("OutStatCoach", "Тренер");
    OutStatQ = row("OutStatQ", "Очки, набранные командой");
    OutStatRat = row("OutStatRat", "Рейтинг команды");
    OutStatPlace = row("OutStatPlace", "Место команды");
    OutMaxRat = row("OutMaxRat", "Максимальный рейтинг");
    OutAvGRat = row("OutAvGRat", "Среднеигровой рейтинг");
    OutAvTRat = row("OutAvTRat", "Среднекомандный рейтинг");
    OutAvRat = row("OutAvRat", "Средний рейтинг команды");
    OutDiff = row("OutDiff", "Отрыв по среднему рейтингу");
    layout->addLayout(form);
    layout->addStretch();
    return group;
}

QWidget* TStatTeamForm::MakeGraphGroup() {
    auto* group = new QGroupBox(QStringLiteral(" График мест команды "), this);
    auto* layout = new QVBoxLayout(group);
    Image = MakeStatImage(FGraph, group);
    layout->addWidget(Image);
    return group;
}

bool TStatTeamForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) FormActivate();
    return ProgramDialog::event(event);
}

void TStatTeamForm::showEvent(QShowEvent* event) {
    ProgramDialog::showEvent(event);
    FormActivate();
}

void TStatTeamForm::FormActivate() {
    if (!FHistory) FHistory = PlaceHistory::Build(FGame);
    FRatings.emplace(FGame);
    ShowTeam();
}

void TStatTeamForm::PrevTeamClick() {
    if (FTeam > 0) --FTeam;
    ShowTeam();
}

void TStatTeamForm::NextTeamClick() {
    if (FTeam < FGame.ActiveTeamCount() - 1) ++FTeam;
    ShowTeam();
}

void TStatTeamForm::ShowTeam() {
    const TTeamData* team = FGame.ActiveTeam(FTeam);
    if (!team) return;
    ShowText(*OutStatTeam, FromAnsi(team->Name));
    ShowText(*OutStatNumb, QString::number(team->Number));
    ShowText(*OutStatTown, FromAnsi(team->Town));
    ShowText(*OutStatCapt, FromAnsi(team->Captain));
    ShowText(*OutStatCoach, FromAnsi(team->Trainer));
    ShowText(*OutStatQ, QString::number(team->Score));
    ShowText(*OutStatRat, QString::number(team->RatScore));
    ShowText(*OutStatPlace, QString::number(team->Place));
    ShowFigures(FRatings->Figures(FTeam));
    DrawGraph();
}

void TStatTeamForm::ShowFigures(const TeamRatingFigures& figures) {
    const char separator = SystemDecimalSeparator();
    ShowText(*OutMaxRat, QString::number(figures.MaxRating));
    ShowText(*OutAvGRat, FromAnsi(AverageText(figures.GameAverage, separator)));
    ShowText(*OutAvTRat, FromAnsi(AverageText(figures.TeamsAverage, separator)));
    ShowText(*OutAvRat, FromAnsi(AverageText(figures.TeamAverage, separator)));
    const DifferenceText difference = DifferenceTextOf(figures.Difference, separator);
    ShowText(*OutDiff, FromAnsi(difference.Text));
    SetTextColor(*OutDiff, difference.Lead ? kLeadGreen : kBehindRed);
}

void TStatTeamForm::DrawGraph() {
    {
        QPainter painter(&FGraph);
        RenderPlaceGraph(painter, FGraph.width(), FGraph.height(), FHistory->Teams(), FHistory->Places(FTeam));
    }
    Image->setPixmap(QPixmap::fromImage(FGraph));
}
