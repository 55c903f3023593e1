#include "stats/widgets/TStatAllForm.h"

#include "model/VemoData.h"
#include "stats/widgets/HistogramRenderer.h"
#include "stats/widgets/StatFields.h"
#include "ui/text/AnsiText.h"

#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int kHelpTopic = 1015;
constexpr int kImageWidth = 301;
constexpr int kImageHeight = 208;

QSpinBox* MakeThreshold(const char* name, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(0, 5);
    box->setValue(1);
    return box;
}

}  // namespace

TStatAllForm::TStatAllForm(const TVemoData& game, QWidget* parent)
    : ProgramDialog(parent, kHelpTopic), FGame(game), FHistogram(kImageWidth, kImageHeight, QImage::Format_RGB32) {
    setObjectName(QStringLiteral("StatAllForm"));
    setWindowTitle(QStringLiteral("Общеигровая статистика"));
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(MakeHeader());
    left->addWidget(MakeQuestionsGroup());
    columns->addLayout(left);
    columns->addWidget(MakeHistogramGroup(), 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(EnterMin, &QSpinBox::valueChanged, this, &TStatAllForm::ShowPenaltyCount);
    connect(EnterMax, &QSpinBox::valueChanged, this, &TStatAllForm::ShowPenaltyCount);
}

QWidget* TStatAllForm::MakeHeader() {
    auto* header = new QWidget(this);
    auto* form = new QFormLayout(header);
    form->setContentsMargins(0, 0, 0, 0);
    OutTourName = MakeOutputBox("OutTourName", header);
    OutLeaderName = MakeOutputBox("OutLeaderName", header);
    OutDate = MakeOutputBox("OutDate", header);
    OutQT = MakeOutputBox("OutQT", header);
    OutQQ = MakeOutputBox("OutQQ", header);
    form->addRow(QStringLiteral("Название турнира"), OutTourName);
    form->addRow(QStringLiteral("Ведущий"), OutLeaderName);
    form->addRow(QStringLiteral("Дата проведения"), OutDate);
    form->addRow(QStringLiteral("Количество команд"), OutQT);
    form->addRow(QStringLiteral("Количество вопросов"), OutQQ);
    return header;
}

QWidget* TStatAllForm::MakeHistogramGroup() {
    auto* group = new QGroupBox(QStringLiteral(" Гистограмма распределения рейтингов "), this);
    auto* layout = new QVBoxLayout(group);
    Image = MakeStatImage(FHistogram, group);
    layout->addWidget(Image);
    return group;
}

QWidget* TStatAllForm::MakeQuestionsGroup() {
    auto* group = new QGroupBox(QStringLiteral(" Информация о вопросах "), this);
    auto* penalty = new QGroupBox(QStringLiteral(" Штрафные вопросы "), group);
    auto* thresholds = new QGridLayout(penalty);
    EnterMin = MakeThreshold("EnterMin", penalty);
    EnterMax = MakeThreshold("EnterMax", penalty);
    thresholds->addWidget(new QLabel(QStringLiteral("Ответили"), penalty), 0, 0);
    thresholds->addWidget(EnterMin, 0, 1);
    thresholds->addWidget(new QLabel(QStringLiteral("команд и меньше"), penalty), 0, 2);
    thresholds->addWidget(new QLabel(QStringLiteral("Ответили все, кроме"), penalty), 1, 0);
    thresholds->addWidget(EnterMax, 1, 1);
    thresholds->addWidget(new QLabel(QStringLiteral("команд"), penalty), 1, 2);

    OutPenalty = MakeOutputBox("OutPenalty", group);
    OutChild = MakeOutputBox("OutChild", group);
    OutCoffin = MakeOutputBox("OutCoffin", group);
    auto* counts = new QFormLayout;
    counts->addRow(QStringLiteral("Количество штрафных вопросов"), OutPenalty);
    counts->addRow(QStringLiteral("Количество \"детских\" вопросов"), OutChild);
    counts->addRow(QStringLiteral("Количество \"гробов\""), OutCoffin);

    auto* layout = new QVBoxLayout(group);
    layout->addWidget(penalty);
    layout->addLayout(counts);
    return group;
}

bool TStatAllForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) FormActivate();
    return ProgramDialog::event(event);
}

void TStatAllForm::showEvent(QShowEvent* event) {
    ProgramDialog::showEvent(event);
    FormActivate();
}

void TStatAllForm::FormActivate() {
    FRatings = QuestionRatingsOf(FGame);
    const QString tourName = FromAnsi(FGame.CurrentTourName());
    ShowText(*OutTourName, tourName);
    OutTourName->setToolTip(tourName);
    const QString presenter = FromAnsi(FGame.Presenter());
    ShowText(*OutLeaderName, presenter);
    OutLeaderName->setToolTip(presenter);
    ShowText(*OutDate, FromAnsi(FGame.GameDateText()));
    ShowText(*OutQT, QString::number(FRatings.Teams));
    ShowText(*OutQQ, QString::number(FRatings.Ratings.size()));
    {
        QPainter painter(&FHistogram);
        RenderRatingHistogram(painter, FHistogram.width(), FHistogram.height(), FRatings);
    }
    Image->setPixmap(QPixmap::fromImage(FHistogram));
    ShowPenaltyCount();
    ShowText(*OutChild, QString::number(ChildQuestionCount(FRatings)));
    ShowText(*OutCoffin, QString::number(CoffinQuestionCount(FRatings)));
}

void TStatAllForm::ShowPenaltyCount() {
    ShowText(*OutPenalty, QString::number(PenaltyQuestionCount(FRatings, EnterMin->value(), EnterMax->value())));
}
