// "Цифровой ввод": the fast way to record which teams took which questions
// by typing numbers. Page 1 takes a question and then the numbers of the
// teams that took it, page 2 a team and then the questions it took; each
// number typed with Enter, or clicked on the page's field, inverts that
// mark at once in the game it was given. There is no cancel.
#pragma once

#include "entry/QuickEntry.h"
#include "ui/platform/ProgramDialog.h"

class DigField;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
class TVemoData;

class TDigForm : public ProgramDialog {
    Q_OBJECT
public:
    explicit TDigForm(TVemoData& game, QWidget* parent = nullptr);

    // The question to start at (1-based, in the current tour; 0: the first).
    void SetQuestionNumber(int number) { FEntry.SetQuestionNumber(number); }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* MakeControls();
    QWidget* MakeArrows(const char* name, void (TDigForm::*step)(int));
    QToolButton* MakeMarkButton(const char* name, const char* picture, const QString& hint,
                                QuickEntry::MarkAction action);
    void FormActivate();
    void PagesChange();
    void DrawPage();
    void EnterButtonClick();
    void EnterQuestion();
    void EnterTeam();
    void FieldPointed(int position);
    void FieldClicked(int position);
    void ArQClick(int delta);
    void ArTClick(int delta);
    void MarkButtonClick(QuickEntry::MarkAction action);
    static void ShowNumber(QLineEdit& field, int number);

    QuickEntry FEntry;
    QTabWidget* Pages;
    QWidget* Page1;
    QWidget* Page2;
    DigField* Im1;
    DigField* Im2;
    QLineEdit* EnterQ;
    QWidget* ArQ;
    QLineEdit* EnterT;
    QWidget* ArT;
    QToolButton* AllButton;
    QToolButton* NoneButton;
    QToolButton* InvButton;
    QLabel* Title;
    QLineEdit* OutRat;
    QLineEdit* OutTeam;
    QPushButton* EnterButton;
};
