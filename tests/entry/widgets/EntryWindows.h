// What the tests of the setup windows do as the user: find a window's
// controls by name, click a cell of its list, type into whatever has the
// focus, and press keys there. Every window runs through the scripted
// dialogs, which the fixture installs.
#pragma once

#include "support/ScriptedDialogs.h"

#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <gtest/gtest.h>

class QAbstractButton;
class QDialog;
class QLineEdit;
class QTableView;

class EntryWindowTest : public ::testing::Test {
protected:
    EntryWindowTest();

    ScriptedDialogs dialogs;
};

template <class Widget>
Widget* Find(const QWidget& window, const char* name) {
    auto* widget = window.findChild<Widget*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

// The list's grid and its cells; rows count from 1 below the header.
QTableView* Grid(const QWidget& window);
QString CellText(const QWidget& window, int column, int row);
QStringList ColumnTexts(const QWidget& window, int column);
// The cell's rectangle in the grid's viewport.
QRect CellRect(const QWidget& window, int column, int row);
void ClickCell(const QWidget& window, int column, int row);

// Key presses that type `text` into `widget`, Cyrillic included.
void TypeInto(QWidget* widget, const QString& text);
// Replaces the text of a field as the user does: focus, select all, type.
void Retype(QWidget* field, const QString& text);
// The widget with the keyboard focus (it must be inside `window`).
QWidget* Focused(const QWidget& window);
// Typing and keys go where the focus is, as they do for a user.
void Type(const QWidget& window, const QString& text);
void Press(const QWidget& window, Qt::Key key);
// Text into the focused field and Enter, for each text in turn.
void TypeRows(const QWidget& window, const QStringList& texts);
void Click(const QWidget& window, const char* button);

// The cell editor, when it is open.
QLineEdit* OpenEditor(const QWidget& window);
// Where the focused editor lies: column and row of the cell it covers, or
// (-1, -1) when no editor has the focus.
std::pair<int, int> EditedCell(const QWidget& window);

// The value prompt's step: types `text` and closes with OK, or with Cancel.
ScriptedDialogs::WindowStep AnswerPrompt(const QString& title, const QString& text, bool ok = true);
