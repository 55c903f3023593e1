#include "ui/MainStatusBar.h"

#include "ui/platform/Version.h"

#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QTime>
#include <QTimer>

namespace {

constexpr int kPanelWidths[] = {200, 120, 300, 120, 80, 50};
constexpr int kClockPanel = 4;
constexpr int kClockIntervalMs = 500;

// Dates and times as the scorer reads them, whatever the desktop's language.
const QLocale& RussianLocale() {
    static const QLocale locale(QLocale::Russian, QLocale::Russia);
    return locale;
}

}  // namespace

MainStatusBar::MainStatusBar(QWidget* parent) : QStatusBar(parent), FNotice(new QLabel(this)), Timer(new QTimer(this)) {
    setObjectName(QStringLiteral("StBar"));
    setSizeGripEnabled(false);
    const QString texts[] = {
        QStringLiteral("Подсчет командных турниров"),
        QStringLiteral("Вер. ") + ProgramVersion(),
        QStringLiteral("Двойной щелчок по ячейке меняет ответ команды"),
        RussianLocale().toString(QDate::currentDate(), QLocale::ShortFormat),
        QString(),
        QString(),
    };
    for (int i = 0; i < 6; ++i) {
        auto* panel = new QLabel(texts[i], this);
        panel->setObjectName(QStringLiteral("StBarPanel%1").arg(i));
        panel->setAlignment(Qt::AlignCenter);
        panel->setFixedWidth(kPanelWidths[i]);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        addWidget(panel);
        FPanels.append(panel);
    }
    FNotice->setObjectName(QStringLiteral("StBarNotice"));
    FNotice->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold"));
    FNotice->hide();
    addPermanentWidget(FNotice, 1);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(kClockIntervalMs);
    connect(Timer, &QTimer::timeout, this, &MainStatusBar::ShowTime);
    ShowTime();
}

void MainStatusBar::StartClock() { Timer->start(); }

void MainStatusBar::StopClock() { Timer->stop(); }

QString MainStatusBar::PanelText(int panel) const { return FPanels.value(panel) ? FPanels[panel]->text() : QString(); }

void MainStatusBar::ShowNotice(const QString& text) {
    FNotice->setText(text);
    FNotice->setToolTip(text);
    FNotice->show();
}

void MainStatusBar::ClearNotice() {
    FNotice->clear();
    FNotice->setToolTip({});
    FNotice->hide();
}

QString MainStatusBar::NoticeText() const { return FNotice->text(); }

void MainStatusBar::ShowTime() {
    FPanels[kClockPanel]->setText(RussianLocale().toString(QTime::currentTime(), QStringLiteral("HH:mm:ss")));
}
