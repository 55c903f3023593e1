// The object /App of the automation interface: the class "App" of the type
// library "Vemo" (Vemo Object). The adaptor generated from Vemo.IVemo.xml
// calls these 37 methods; each one asks VemoDispatch and answers the bus.
// An error raised inside a method becomes the D-Bus error
// Vemo.Error.Unexpected with its message. A method that would change the
// game while the program shows a modal window (a message box, a dialog,
// quick entry) could pull the game from under that window; it is refused
// with Vemo.Error.Busy. Callers of another user are refused.
#pragma once

#include "automation/AutomationTypes.h"
#include "automation/VemoDispatch.h"

#include <QDBusContext>
#include <QHash>
#include <QObject>

class App : public QObject, public QDBusContext {
    Q_OBJECT
public:
    static inline const QString kUnexpectedError = QStringLiteral("Vemo.Error.Unexpected");
    static inline const QString kBusyError = QStringLiteral("Vemo.Error.Busy");

    explicit App(MainParts& parts, QObject* parent = nullptr);

    void OpenFile(const QString& strFileName);
    void SaveFile(const QString& strFileName, bool bOverwrite);
    int GetTeamCount();
    int GetQuestionCount();
    void ShowWindow();
    void HideWindow();
    QString GetGameName();
    QString GetGameDate();
    TeamRec GetTeamAtNumber(int nNumber);
    TeamRec GetTeamAtPlace(int nPlace);
    void SetLastQuestion(int nLastQuestion);
    int GetLastQuestion();
    void CountResult();
    void AddTeam(const QString& strTeam, const QString& strTown, const QString& strCaptain, const QString& strTrainer);
    void InsertTeam(int nIndex, const QString& strTeam, const QString& strTown, const QString& strCaptain,
                    const QString& strTrainer);
    void DeleteTeam(int nIndex);
    CountParam GetCountParam();
    void SetCountParam(bool HiRating, bool RatingPlusOne, bool SortByRating, bool DepositScore);
    void NewGame(const QString& strTourName, int nQuestCount, const QString& strDate, const QString& strPresenter);
    QString GetPresenter();
    void SetQuestSign(int nTeam, int nQuest, bool bSign);
    bool GetQuestSign(int nTeam, int nQuest);
    void SetScoreDeposit(int nTeam, int nScore);
    int GetScoreDeposit(int nTeam);
    int FindTeam(const QString& strName, const QString& strTown);
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
    enum class Kind { Query, Change };

    // Runs `method` for an allowed caller and turns what it raises into the
    // error reply; a refused or failed call answers the type's empty value.
    template <typename Result, typename Method>
    Result Answer(Kind kind, Method method);
    bool CallerAllowed();

    VemoDispatch FDispatch;
    // Whether each caller (by its unique bus name) runs as this user.
    QHash<QString, bool> FCallers;
};
