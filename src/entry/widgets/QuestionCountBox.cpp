#include "entry/widgets/QuestionCountBox.h"

#include "entry/EntryChars.h"

#include <QSignalBlocker>

#include <algorithm>

QuestionCountBox::QuestionCountBox(QWidget* parent) : QSpinBox(parent) {
    setRange(0, kMaximum);
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    // The disabled field (several tours) takes the button face, as the
    // other read-only fields of the program.
    QPalette colours = palette();
    colours.setColor(QPalette::Disabled, QPalette::Base, colours.color(QPalette::Button));
    setPalette(colours);
}

void QuestionCountBox::ShowCount(int count) {
    const QSignalBlocker quiet(this);
    setMaximum(std::max(kMaximum, count));
    setValue(count);
}

// The text shown for a count of more than three digits is kept as it is;
// the user types at most three.
QValidator::State QuestionCountBox::validate(QString& input, int& pos) const {
    if (!EntryChars::AcceptsDigits(input.toStdString())) return QValidator::Invalid;
    if (input.size() > kMaxTyped && input != textFromValue(value())) return QValidator::Invalid;
    return QSpinBox::validate(input, pos);
}
