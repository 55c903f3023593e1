// The tours editor "Туры": the question count and name of each tour, typed
// into the list (the empty last row adds a tour), and the buttons that
// renumber, delete, unite and split tours; the model moves the answers with
// them. It works on its own copy of the game it is given; the caller takes
// that copy when the editor was accepted.
#pragma once

#include "entry/widgets/GameCopyDialog.h"

class ListEditor;
class QLineEdit;
class QPushButton;
class TLumEnterValueDialog;

class TFormTours : public GameCopyDialog {
    Q_OBJECT
public:
    TFormTours(TVemoData& game, QWidget* parent);
    ~TFormTours() override;

    // OK: accepted unless two tours have the same name.
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* MakeButtonColumn();
    // On showing, and again after the value prompt.
    void Activate();
    void RefreshTable();
    void TableSelectCell(int column, int row);
    // What the buttons may do with `row` current.
    void EnableButtons(int row);
    void EnterValueEnter(const QString& text);
    void EnterQuestionCount(int row, const QString& text);
    void EnterTourName(int row, const QString& text);
    void DelTourButtonClick();
    void SplitButtonClick();
    void UniteNextButtonClick();
    void ChangeTourButtonClick();
    // The tour of the current row (0-based), or -1 on the empty row.
    int CurrentTour() const;

    ListEditor* FList;
    QLineEdit* OutQQ;
    QPushButton* ChangeTourButton;
    QPushButton* DelTourButton;
    QPushButton* UniteNextButton;
    QPushButton* SplitButton;
    TLumEnterValueDialog* LumEnterValue;
};
