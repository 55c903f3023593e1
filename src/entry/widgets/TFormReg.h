// Team registration "Регистрация команд": the game's questions (or the
// switch to several tours and the tours editor), its name, presenter and
// date, and the team list with each team's name, town, captain, coach and
// group. The window works on its own copy of the game it is given; the
// tours and groups editors get that copy in turn. OK runs the checks in
// their order and, when all pass, the copy is the registered game:
//
//     TFormReg form(game, this);
//     if (AppDialogs().Exec(form) == QDialog::Accepted && form.Accepted())
//         replace the game with form.TakeGame();
#pragma once

#include "entry/widgets/GameCopyDialog.h"

class ListEditor;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QuestionCountBox;
class TLumEnterValueDialog;
struct RegistrationCheck;

class TFormReg : public GameCopyDialog {
    Q_OBJECT
public:
    TFormReg(TVemoData& game, QWidget* parent);
    ~TFormReg() override;

    // OK: the checks; the window closes when they all pass.
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* MakeHeaderFrame();
    QWidget* MakeTeamsFrame();
    void FillHeader();
    void RefreshTable();
    void ShowQuestionCount();
    void EnableQuestionFields();
    void EnableTeamButtons(int row);
    TTeamData* CurrentTeam() const;

    void TodayButtonClick();
    void EnterQQChange(int value);
    void SevToursCheckClick();
    void ToursButtonClick();
    void GroupsButtonClick();
    void ImportButtonClick();
    void TableSelectCell(int column, int row);
    void EnterValueEnter(const QString& text);
    void AssignChosenGroup(int index);
    void ChooseValueEnter(int index);
    void DelTeamButtonClick();
    void ChangeTeamButtonClick();
    void ShowFault(const RegistrationCheck& check);

    int FChosenGroup = 0;
    // The user has set EnterQQ since the last refresh showed the game's
    // count there; the refresh then leaves the number for OK to apply.
    bool FQuestionsTyped = false;
    bool FOpened = false;

    QuestionCountBox* EnterQQ;
    QCheckBox* SevToursCheck;
    QPushButton* ToursButton;
    QLineEdit* EnterTour;
    QLineEdit* EnterLeader;
    QLineEdit* EnterDate;
    QPushButton* TodayButton;
    ListEditor* FList;
    QPushButton* GroupsButton;
    QPushButton* ImportButton;
    QPushButton* ChangeTeamButton;
    QPushButton* DelTeamButton;
    TLumEnterValueDialog* LumEnterValue;
};
