#include "entry/widgets/CellChoice.h"

#include "entry/widgets/CellEdit.h"

#include <QAbstractItemView>
#include <QKeyEvent>

CellChoice::CellChoice(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    setFrame(false);
    hide();
}

void CellChoice::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: emit Entered(); return;
        case Qt::Key_Escape: emit Escaped(); return;
        default: QComboBox::keyPressEvent(event);
    }
}

void CellChoice::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    if (LeavesCellEditor(event->reason()) && !view()->isVisible()) hide();
}
