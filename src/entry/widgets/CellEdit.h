// The text field a list editor lays over the cell being edited. Enter and
// Escape are its own (they never reach the window's OK and Cancel); the
// field hides itself when the user leaves it, dropping what was typed.
#pragma once

#include <QLineEdit>

class CellEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CellEdit(QWidget* parent);

signals:
    void Entered();
    void Escaped();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

// Whether losing the focus for `reason` means the user left a cell editor:
// not when a menu or list of its own opens, nor when the window itself is
// left for a moment.
bool LeavesCellEditor(Qt::FocusReason reason);
