#include "ui/FileCommands.h"

#include "base/Errors.h"
#include "base/FileIO.h"
#include "model/RecoveryFile.h"
#include "model/VemoData.h"
#include "ui/EntryCommands.h"
#include "ui/GameFiles.h"
#include "ui/MainActions.h"
#include "ui/MainParts.h"
#include "ui/TFormMain.h"
#include "ui/WindowTitle.h"
#include "ui/document/GameDocument.h"
#include "ui/document/RecoveryJournal.h"
#include "ui/platform/Dialogs.h"
#include "ui/text/AnsiText.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>

using enum ActionId;

bool FileCommands::SaveChangesPrompt() {
    if (!FParts.form.HasTeams() || !FParts.form.Modified()) return true;
    switch (AppDialogs().QuestionBox(QStringLiteral("Последние изменения не сохранены.\rСохранить изменения?"),
                                     QStringLiteral("Сохранение"), true)) {
        case Dialogs::Answer::Cancel: return false;
        case Dialogs::Answer::Yes: return SaveGame();
        case Dialogs::Answer::No: return true;
    }
    return true;
}

void FileCommands::ShowEmptyGame() {
    auto game = FParts.document.NewGame();
    game->SetGameName(ToAnsi(TFormMain::kNewGameName));
    FParts.document.Open(std::move(game), {});
    FParts.actions.SetGameCommandsEnabled(false);
    FParts.actions.SetEnabled(ActDeposit, false);
    FParts.actions.SetEnabled(ActScrResults, false);
    FParts.actions.SetEnabled(ActSaveAsFile, true);
    FParts.form.SetLastQuestionShown(0);
    FParts.form.setWindowTitle(kProgramTitle);
    FParts.form.RebuildTable();
}

// The previous game is gone once loading starts; a file that cannot be read
// leaves the empty game, with the commands and the table to match.
bool FileCommands::LoadGame(const QString& path) {
    auto game = FParts.document.NewGame();
    bool loaded = false;
    try {
        loaded = game->LoadFromFile(QFile::encodeName(path).toStdString());
    } catch (const Exception&) {
        ShowEmptyGame();
        throw;
    }
    if (!loaded) {
        ShowEmptyGame();
        return false;
    }
    ShowGame(std::move(game), path, false);
    FParts.form.SetLastQuestionShown(FParts.document.Game().WindowQuestionCount());
    FParts.document.Game().CountResult();
    return true;
}

void FileCommands::ShowGame(std::unique_ptr<TVemoData> game, const QString& path, bool modified) {
    FParts.document.Open(std::move(game), path, modified);
    if (!path.isEmpty()) FParts.files.RememberDirectoryOf(path);
    FParts.actions.SetGameCommandsEnabled(true);
    FParts.actions.SetEnabled(ActSaveAsFile, true);
}

// An empty game goes straight to the registration.
void FileCommands::ActNewExecute() {
    if (FParts.form.HasTeams()) {
        if (!SaveChangesPrompt()) return;
        ShowEmptyGame();
    }
    EntryCommands(FParts).ActRegisterExecute();
}

void FileCommands::ActOpenFileExecute() {
    QCoreApplication::processEvents();
    if (!SaveChangesPrompt()) return;
    const QString path = FParts.files.AskOpenPath();
    if (path.isEmpty()) return;
    if (!LoadGame(path)) return;
    FParts.actions.SetEnabled(ActDeposit, true);
    FParts.actions.SetEnabled(ActScrResults, true);
    FParts.form.RebuildTable();
}

bool FileCommands::WriteGame(const QString& path) {
    if (!GameFiles::Write(FParts.document.Game(), path)) return false;
    FParts.document.SetSaved(path);
    return true;
}

void FileCommands::ActSaveFileExecute() { SaveGame(); }

void FileCommands::ActSaveAsFileExecute() { SaveGameAs(); }

bool FileCommands::SaveGame() {
    if (!FParts.form.HasTeams()) return true;
    if (FParts.document.FileName().isEmpty()) return SaveGameAs();
    return WriteGame(FParts.document.FileName());
}

bool FileCommands::SaveGameAs() {
    const QString path = FParts.files.AskSavePath();
    if (path.isEmpty() || !WriteGame(path)) return false;
    FParts.files.RememberDirectoryOf(path);
    FParts.form.setWindowTitle(GameWindowTitle(FParts.document.Game(), path));
    return true;
}

bool FileCommands::OfferRecovery() {
    if (!FParts.journal.HasRecord()) return false;
    const Dialogs::Answer answer =
        AppDialogs().QuestionBox(QStringLiteral("Программа была закрыта аварийно. Восстановить несохраненную игру?"),
                                 QStringLiteral("Восстановление"), false);
    if (answer == Dialogs::Answer::Yes && RestoreRecoveryFile()) return true;
    FParts.journal.Discard();
    return false;
}

// The game comes back as the scorer left it: with its file, so that Save
// writes the user's file, and with its unsaved changes.
bool FileCommands::RestoreRecoveryFile() {
    auto game = FParts.document.NewGame();
    RecoveryInfo info;
    try {
        info = ReadRecoveryFile(FileIO::ReadWholeFile(QFile::encodeName(FParts.journal.FilePath()).toStdString()),
                                *game);
    } catch (const Exception&) {
        AppDialogs().ErrorBox(QStringLiteral("Файл восстановления поврежден, игра не восстановлена."),
                              QStringLiteral("Ошибка"));
        return false;
    }
    const int lastQuestion = std::clamp(info.lastQuestion, 0, game->WindowQuestionCount());
    ShowGame(std::move(game), QFile::decodeName(QByteArray::fromStdString(info.userFile)), info.modified);
    FParts.actions.SetEnabled(ActDeposit, true);
    FParts.actions.SetEnabled(ActScrResults, true);
    FParts.form.SetLastQuestionShown(lastQuestion);
    FParts.document.Game().CountResult();
    return true;
}
