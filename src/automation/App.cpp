#include "automation/App.h"

#include "base/Errors.h"
#include "ui/text/AnsiText.h"

#include <QApplication>
#include <QDBusConnectionInterface>

#include <unistd.h>

App::App(MainParts& parts, QObject* parent) : QObject(parent), FDispatch(parts) {}

// The session bus admits the user's own programs only; a bus set up to
// admit others still gets no answer for them.
bool App::CallerAllowed() {
    const QString caller = message().service();
    const auto known = FCallers.constFind(caller);
    if (known != FCallers.constEnd()) return *known;
    const QDBusReply<uint> uid = connection().interface()->serviceUid(caller);
    const bool allowed = uid.isValid() && uid.value() == ::getuid();
    FCallers.insert(caller, allowed);
    return allowed;
}

template <typename Result, typename Method>
Result App::Answer(Kind kind, Method method) {
    if (!CallerAllowed()) {
        sendErrorReply(QDBusError::AccessDenied, QStringLiteral("Вызов от другого пользователя"));
        return Result();
    }
    if (kind == Kind::Change && QApplication::activeModalWidget()) {
        sendErrorReply(kBusyError, QStringLiteral("ВеМо ждет ответа в своем окне; повторите вызов позже."));
        return Result();
    }
    try {
        return method();
    } catch (const Exception& error) {
        sendErrorReply(kUnexpectedError, FromAnsi(error.what()));
    } catch (const std::exception& error) {
        sendErrorReply(kUnexpectedError, QString::fromLocal8Bit(error.what()));
    }
    return Result();
}

void App::OpenFile(const QString& strFileName) {
    Answer<void>(Kind::Change, [&] { FDispatch.OpenFile(strFileName); });
}

void App::SaveFile(const QString& strFileName, bool bOverwrite) {
    Answer<void>(Kind::Change, [&] { FDispatch.SaveFile(strFileName, bOverwrite); });
}

int App::GetTeamCount() {
    return Answer<int>(Kind::Query, [&] { return FDispatch.GetTeamCount(); });
}

int App::GetQuestionCount() {
    return Answer<int>(Kind::Query, [&] { return FDispatch.GetQuestionCount(); });
}

void App::ShowWindow() {
    Answer<void>(Kind::Change, [&] { FDispatch.ShowWindow(); });
}

void App::HideWindow() {
    Answer<void>(Kind::Change, [&] { FDispatch.HideWindow(); });
}

QString App::GetGameName() {
    return Answer<QString>(Kind::Query, [&] { return FDispatch.GetGameName(); });
}

QString App::GetGameDate() {
    return Answer<QString>(Kind::Query, [&] { return FDispatch.GetGameDate(); });
}

TeamRec App::GetTeamAtNumber(int nNumber) {
    return Answer<TeamRec>(Kind::Query, [&] { return FDispatch.GetTeamAtNumber(nNumber); });
}

TeamRec App::GetTeamAtPlace(int nPlace) {
    return Answer<TeamRec>(Kind::Query, [&] { return FDispatch.GetTeamAtPlace(nPlace); });
}

void App::SetLastQuestion(int nLastQuestion) {
    Answer<void>(Kind::Change, [&] { FDispatch.SetLastQuestion(nLastQuestion); });
}

int App::GetLastQuestion() {
    return Answer<int>(Kind::Query, [&] { return FDispatch.GetLastQuestion(); });
}

void App::CountResult() {
    Answer<void>(Kind::Change, [&] { FDispatch.CountResult(); });
}

void App::AddTeam(const QString& strTeam, const QString& strTown, const QString& strCaptain,
                  const QString& strTrainer) {
    Answer<void>(Kind::Change, [&] { FDispatch.AddTeam(strTeam, strTown, strCaptain, strTrainer); });
}

void App::InsertTeam(int nIndex, const QString& strTeam, const QString& strTown, const QString& strCaptain,
                     const QString& strTrainer) {
    Answer<void>(Kind::Change, [&] { FDispatch.InsertTeam(nIndex, strTeam, strTown, strCaptain, strTrainer); });
}

void App::DeleteTeam(int nIndex) {
    Answer<void>(Kind::Change, [&] { FDispatch.DeleteTeam(nIndex); });
}

CountParam App::GetCountParam() {
    return Answer<CountParam>(Kind::Query, [&] { return FDispatch.GetCountParam(); });
}

void App::SetCountParam(bool HiRating, bool RatingPlusOne, bool SortByRating, bool DepositScore) {
    Answer<void>(Kind::Change, [&] { FDispatch.SetCountParam(HiRating, RatingPlusOne, SortByRating, DepositScore); });
}

void App::NewGame(const QString& strTourName, int nQuestCount, const QString& strDate, const QString& strPresenter) {
    Answer<void>(Kind::Change, [&] { FDispatch.NewGame(strTourName, nQuestCount, strDate, strPresenter); });
}

QString App::GetPresenter() {
    return Answer<QString>(Kind::Query, [&] { return FDispatch.GetPresenter(); });
}

void App::SetQuestSign(int nTeam, int nQuest, bool bSign) {
    Answer<void>(Kind::Change, [&] { FDispatch.SetQuestSign(nTeam, nQuest, bSign); });
}

bool App::GetQuestSign(int nTeam, int nQuest) {
    return Answer<bool>(Kind::Query, [&] { return FDispatch.GetQuestSign(nTeam, nQuest); });
}

void App::SetScoreDeposit(int nTeam, int nScore) {
    Answer<void>(Kind::Change, [&] { FDispatch.SetScoreDeposit(nTeam, nScore); });
}

int App::GetScoreDeposit(int nTeam) {
    return Answer<int>(Kind::Query, [&] { return FDispatch.GetScoreDeposit(nTeam); });
}

int App::FindTeam(const QString& strName, const QString& strTown) {
    return Answer<int>(Kind::Query, [&] { return FDispatch.FindTeam(strName, strTown); });
}

void App::SetTeamName(int nIndex, const QString& strName) {
    Answer<void>(Kind::Change, [&] { FDispatch.SetTeamName(nIndex, strName); });
}

void App::SetTeamTown(int nIndex, const QString& strTown) {
    Answer<void>(Kind::Change, [&] { FDispatch.SetTeamTown(nIndex, strTown); });
}

void App::SetTeamCaptain(int nIndex, const QString& strCaptain) {
    Answer<void>(Kind::Change, [&] { FDispatch.SetTeamCaptain(nIndex, strCaptain); });
}

void App::SetTeamTrainer(int nIndex, const QString& strTrainer) {
    Answer<void>(Kind::Change, [&] { FDispatch.SetTeamTrainer(nIndex, strTrainer); });
}

void App::SetTeamNumber(int nIndex, int nNumber) {
    Answer<void>(Kind::Change, [&] { FDispatch.SetTeamNumber(nIndex, nNumber); });
}

void App::SetQuestionCount(int nCount) {
    Answer<void>(Kind::Change, [&] { FDispatch.SetQuestionCount(nCount); });
}

void App::OutResultExcel(int nResultType) {
    Answer<void>(Kind::Change, [&] { FDispatch.OutResultExcel(nResultType); });
}

void App::OutResultPrinter(int nResultType, bool bOrientation) {
    Answer<void>(Kind::Change, [&] { FDispatch.OutResultPrinter(nResultType, bOrientation); });
}

void App::OutResultFile(int nResultType, const QString& strFileName) {
    Answer<void>(Kind::Change, [&] { FDispatch.OutResultFile(nResultType, strFileName); });
}

void App::SetPresenter(const QString& strPresenter) {
    Answer<void>(Kind::Change, [&] { FDispatch.SetPresenter(strPresenter); });
}

void App::SetGameDate(const QString& strDate) {
    Answer<void>(Kind::Change, [&] { FDispatch.SetGameDate(strDate); });
}

void App::SetGameName(const QString& strGameName) {
    Answer<void>(Kind::Change, [&] { FDispatch.SetGameName(strGameName); });
}
