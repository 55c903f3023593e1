#include "entry/widgets/CellEdit.h"

#include <QKeyEvent>

bool LeavesCellEditor(Qt::FocusReason reason) {
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

CellEdit::CellEdit(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    hide();
}

void CellEdit::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: emit Entered(); return;
        case Qt::Key_Escape: emit Escaped(); return;
        // The rows are left with the mouse; an arrow never drops a cell's text.
        case Qt::Key_Up:
        case Qt::Key_Down: return;
        default: QLineEdit::keyPressEvent(event);
    }
}

void CellEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (LeavesCellEditor(event->reason())) hide();
}
