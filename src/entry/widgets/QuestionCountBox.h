// The registration's question count `EnterQQ`: digits only, at most three
// of them typed, 0 to 10000 with the arrows. A game whose tours hold more
// questions still shows its real count here (the range grows to it), so
// that OK never cuts a single tour down to the field's limit.
#pragma once

#include <QSpinBox>

class QuestionCountBox : public QSpinBox {
    Q_OBJECT
public:
    static constexpr int kMaxTyped = 3;
    static constexpr int kMaximum = 10000;

    explicit QuestionCountBox(QWidget* parent);

    // Shows `count` without telling anyone that the value changed.
    void ShowCount(int count);

    QValidator::State validate(QString& input, int& pos) const override;
};
