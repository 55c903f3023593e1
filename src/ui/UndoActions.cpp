#include "ui/UndoActions.h"

#include "ui/MainActions.h"
#include "ui/document/GameDocument.h"

#include <QAction>

namespace {

void SetCaption(QAction* action, const QString& verb, const QString& step) {
    const QString caption = step.isEmpty() ? verb : verb + QStringLiteral(": ") + step;
    action->setText(caption);
    action->setToolTip(caption);
}

}  // namespace

void BindUndoActions(MainActions& actions, const GameDocument& document) {
    const QUndoStack* history = &document.History();
    QAction* undo = actions[ActionId::ActUndo];
    QAction* redo = actions[ActionId::ActRedo];
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    QObject::connect(history, &QUndoStack::canUndoChanged, undo,
                     [&actions](bool can) { actions.SetEnabled(ActionId::ActUndo, can); });
    QObject::connect(history, &QUndoStack::canRedoChanged, redo,
                     [&actions](bool can) { actions.SetEnabled(ActionId::ActRedo, can); });
    QObject::connect(history, &QUndoStack::undoTextChanged, undo,
                     [undo](const QString& step) { SetCaption(undo, QStringLiteral("Отменить"), step); });
    QObject::connect(history, &QUndoStack::redoTextChanged, redo,
                     [redo](const QString& step) { SetCaption(redo, QStringLiteral("Повторить"), step); });
}
