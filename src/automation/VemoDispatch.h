// What the 37 methods of the automation interface IVemo do to the main
// window and its game, one C++ method each, in the interface's order.
// Teams are 1-based positions among the teams in view, questions 1-based
// within the tour in view. An argument out of range, an empty required
// text or a duplicate name makes a method do nothing. Every change of the
// game goes through the game document, so the table, the title and the
// recovery journal follow it and the scorer can undo it. Errors raised
// inside a method (a date that is no number, a file that ends too early)
// leave it as exceptions for the D-Bus face to answer.
#pragma once

#include "automation/AutomationTypes.h"
#include "model/GameDate.h"

#include <QString>

#include <functional>
#include <string>

struct MainParts;
class TTeamData;
class TVemoData;

class VemoDispatch {
public:
    explicit VemoDispatch(MainParts& parts) : FParts(parts) {}

    void OpenFile(const QString& strFileName);
    void SaveFile(const QString& strFileName, bool bOverwrite);
    int GetTeamCount() const;
    int GetQuestionCount() const;
    void ShowWindow();
    void HideWindow();
    QString GetGameName() const;
    QString GetGameDate() const;
    TeamRec GetTeamAtNumber(int nNumber) const;
    TeamRec GetTeamAtPlace(int nPlace) const;
    void SetLastQuestion(int nLastQuestion);
    int GetLastQuestion() const;
    void CountResult();
    void AddTeam(const QString& strTeam, const QString& strTown, const QString& strCaptain, const QString& strTrainer);
    void InsertTeam(int nIndex, const QString& strTeam, const QString& strTown, const QString& strCaptain,
                    const QString& strTrainer);
    void DeleteTeam(int nIndex);
    CountParam GetCountParam() const;
    void SetCountParam(bool HiRating, bool RatingPlusOne, bool SortByRating, bool DepositScore);
    void NewGame(const QString& strTourName, int nQuestCount, const QString& strDate, const QString& strPresenter);
    QString GetPresenter() const;
    void SetQuestSign(int nTeam, int nQuest, bool bSign);
    bool GetQuestSign(int nTeam, int nQuest) const;
    void SetScoreDeposit(int nTeam, int nScore);
    // 0 for a team out of range.
    int GetScoreDeposit(int nTeam) const;
    int FindTeam(const QString& strName, const QString& strTown) const;
    void SetTeamName(int nIndex, const QString& strName);
    void SetTeamTown(int nIndex, const QString& strTown);
    void SetTeamCaptain(int nIndex, const QString& strCaptain);
    void SetTeamTrainer(int nIndex, const QString& strTrainer);
    void SetTeamNumber(int nIndex, int nNumber);
    void SetQuestionCount(int nCount);
    void OutResultExcel(int nResultType);
    void OutResultPrinter(int nResultType, bool bOrientation);
    void OutResultFile(int nResultType, const QString& strFileName);
    void SetPresenter(const QString& strPresenter);
    void SetGameDate(const QString& strDate);
    void SetGameName(const QString& strGameName);

private:
    TVemoData& Game() const;
    // The team at a 1-based position among the teams in view, or none.
    TTeamData* TeamInView(int position) const;
    // The position of the first team in view whose name and town equal
    // these (Windows-1251 upper case; no town matches any); 0 for none.
    int PositionOf(const std::string& name, const std::string* town) const;
    void Edit(const QString& description, const std::function<void(TVemoData&)>& change);
    // An edit after which only a count by the client brings the places up to date.
    void EditWithoutCount(const QString& description, const std::function<void(TVemoData&)>& change);
    // A game that has replaced the open one: its commands, EnterQ and the table.
    void ShowNewGame();
    void ShowLastQuestion();
    static void ShowDateError(DateTextCheck check);

    MainParts& FParts;
};
