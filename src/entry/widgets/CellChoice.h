// The drop-down list a list editor lays over a cell whose value is chosen,
// not typed. Like the text field it keeps Enter and Escape to itself and
// hides when the user leaves it.
#pragma once

#include <QComboBox>

class CellChoice : public QComboBox {
    Q_OBJECT
public:
    explicit CellChoice(QWidget* parent);

signals:
    void Entered();
    void Escaped();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};
