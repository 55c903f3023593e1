#include "ui/TimerDisplay.h"

#include "ui/draw/DrawHelper.h"
#include "ui/draw/ProgramFont.h"

#include <QLabel>

namespace {

constexpr int kDigitHeight = 27;

// The digits' character cell (ascent plus descent) is kDigitHeight pixels high.
QFont DigitFont() { return Draw::CellHeightFont(Draw::kProgramFace, kDigitHeight, true); }

QLabel* DigitLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(QStringLiteral("00"), parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(DigitFont());
    return label;
}

// A style sheet rather than the palette: a tool bar gives the widgets on it
// its own text colour.
void SetColour(QLabel* label, const QColor& colour) {
    label->setStyleSheet(QStringLiteral("color: %1").arg(colour.name()));
}

}  // namespace

TimerDisplay::TimerDisplay(QWidget* parent)
    : QWidget(parent), TimerLabel(DigitLabel("TimerLabel", this)), TimerLabel2(DigitLabel("TimerLabel2", this)) {
    setObjectName(QStringLiteral("TimerDisplay"));
    SetColour(TimerLabel2, Qt::black);
    SetColour(TimerLabel, QColor(0, 128, 0));
    TimerLabel->raise();
    // Room for three digits, so that "120" fits as well as "60".
    const QSize digits = TimerLabel->fontMetrics().size(0, QStringLiteral("000"));
    setFixedSize(digits.width() + 8, digits.height() + 1);
    TimerLabel->setGeometry(3, 0, digits.width() + 4, digits.height());
    TimerLabel2->setGeometry(4, 1, digits.width() + 4, digits.height());
}

void TimerDisplay::SetText(const QString& text) {
    TimerLabel->setText(text);
    TimerLabel2->setText(text);
}

QString TimerDisplay::Text() const { return TimerLabel->text(); }

void TimerDisplay::SetWarned(bool warned) { SetColour(TimerLabel, warned ? Qt::red : QColor(0, 128, 0)); }
