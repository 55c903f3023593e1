#include "entry/widgets/EntryWindows.h"

#include "support/TestApplication.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

EntryWindowTest::EntryWindowTest() { TestApplication(); }

QTableView* Grid(const QWidget& window) { return Find<QTableView>(window, "Table"); }

QString CellText(const QWidget& window, int column, int row) {
    return Grid(window)->model()->index(row - 1, column).data().toString();
}

QStringList ColumnTexts(const QWidget& window, int column) {
    QStringList texts;
    for (int row = 1; row <= Grid(window)->model()->rowCount(); ++row) texts.append(CellText(window, column, row));
    return texts;
}

QRect CellRect(const QWidget& window, int column, int row) {
    QTableView* grid = Grid(window);
    return grid->visualRect(grid->model()->index(row - 1, column));
}

void ClickCell(const QWidget& window, int column, int row) {
    QTableView* grid = Grid(window);
    grid->scrollTo(grid->model()->index(row - 1, column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellRect(window, column, row).center());
}

QWidget* Focused(const QWidget& window) {
    QWidget* focus = QApplication::focusWidget();
    EXPECT_TRUE(focus && window.isAncestorOf(focus)) << "the focus is outside the window";
    return focus;
}

// QTest's own typing knows the ASCII keys only; other letters go as key
// events that carry their text, as a Russian keyboard sends them.
void TypeInto(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(widget, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void Retype(QWidget* field, const QString& text) {
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    TypeInto(field, text);
}

void Type(const QWidget& window, const QString& text) { TypeInto(Focused(window), text); }

void Press(const QWidget& window, Qt::Key key) { QTest::keyClick(Focused(window), key); }

void TypeRows(const QWidget& window, const QStringList& texts) {
    for (const QString& text : texts) {
        Type(window, text);
        Press(window, Qt::Key_Return);
    }
}

void Click(const QWidget& window, const char* button) {
    QTest::mouseClick(Find<QAbstractButton>(window, button), Qt::LeftButton);
}

QLineEdit* OpenEditor(const QWidget& window) {
    auto* editor = Find<QLineEdit>(window, "EnterValue");
    return editor && editor->isVisible() ? editor : nullptr;
}

std::pair<int, int> EditedCell(const QWidget& window) {
    QWidget* focus = QApplication::focusWidget();
    const bool editing = focus && (focus->objectName() == QLatin1String("EnterValue") ||
                                   focus->objectName() == QLatin1String("ChooseValue"));
    if (!editing || !focus->isVisible() || !window.isAncestorOf(focus)) return {-1, -1};
    const QModelIndex index = Grid(window)->indexAt(focus->geometry().center());
    return {index.column(), index.row() + 1};
}

ScriptedDialogs::WindowStep AnswerPrompt(const QString& title, const QString& text, bool ok) {
    return [title, text, ok](QDialog& prompt) {
        EXPECT_EQ(prompt.windowTitle(), title);
        TypeInto(Find<QLineEdit>(prompt, "EnterValue"), text);
        QTest::mouseClick(Find<QAbstractButton>(prompt, ok ? "OKButton" : "CancelButton"), Qt::LeftButton);
    };
}
