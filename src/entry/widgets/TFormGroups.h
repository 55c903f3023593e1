// The groups editor "Группы": the names of a game's groups, typed one after
// another into the list, renamed in place and deleted with a question. It
// works on its own copy of the game it is given; the caller takes that copy
// when the editor was accepted. Which team is in which group is chosen in
// the registration.
#pragma once

#include "entry/widgets/GameCopyDialog.h"

class ListEditor;
class QPushButton;

class TFormGroups : public GameCopyDialog {
    Q_OBJECT
public:
    TFormGroups(TVemoData& game, QWidget* parent);
    ~TFormGroups() override;

    // OK: accepted unless two groups have the same name.
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void RefreshTable();
    void TableSelectCell(int column, int row);
    void EnterValueEnter(const QString& text);
    void DelGroupButtonClick();

    ListEditor* FList;
    QPushButton* DelGroupButton;
};
