#include "ui/FileCommands.h"

#include "base/Errors.h"
#include "model/VemoData.h"
#include "ui/EntryCommands.h"
#include "ui/GameFiles.h"
#include "ui/MainActions.h"
#include "ui/MainParts.h"
#include "ui/TFormMain.h"
#include "ui/WindowTitle.h"
#include "ui/platform/Dialogs.h"
#include "ui/text/AnsiText.h"

#include <QCoreApplication>
#include <QFile>

using enum ActionId;

bool FileCommands::SaveChangesPrompt() {
    if (!FParts.form.HasTeams() || !FParts.form.Modified()) return true;
    switch (AppDialogs().QuestionBox(QStringLiteral("Последние изменения не сохранены.\rСохранить изменения?"),
                                     QStringLiteral("Сохранение"), true)) {
        case Dialogs::Answer::Cancel: return false;
        case Dialogs::Answer::Yes: ActSaveFileExecute(); return true;
        case Dialogs::Answer::No: return true;
    }
    return true;
}

void FileCommands::ShowEmptyGame() {
    FParts.files.SetCurrentFile({});
    auto game = FParts.form.NewGameObject();
    game->SetGameName(ToAnsi(TFormMain::kNewGameName));
    FParts.form.SetGame(std::move(game));
    FParts.actions.SetEnabled(ActSaveFile, false);
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
    FParts.form.SetGame(FParts.form.NewGameObject());
    TVemoData& game = FParts.form.Game();
    bool loaded = false;
    try {
        loaded = game.LoadFromFile(QFile::encodeName(path).toStdString());
    } catch (const Exception&) {
        ShowEmptyGame();
        throw;
    }
    if (!loaded) {
        ShowEmptyGame();
        return false;
    }
    FParts.files.RememberDirectoryOf(path);
    FParts.files.SetCurrentFile(path);
    FParts.actions.SetGameCommandsEnabled(true);
    FParts.actions.SetEnabled(ActSaveAsFile, true);
    FParts.actions.SetEnabled(ActSaveFile, false);
    FParts.form.SetLastQuestionShown(game.WindowQuestionCount());
    game.CountResult();
    return true;
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
    if (!GameFiles::Write(FParts.form.Game(), path)) return false;
    FParts.actions.SetEnabled(ActSaveFile, false);
    return true;
}

void FileCommands::ActSaveFileExecute() {
    if (!FParts.form.HasTeams()) return;
    if (FParts.files.CurrentFile().isEmpty()) {
        ActSaveAsFileExecute();
        return;
    }
    WriteGame(FParts.files.CurrentFile());
}

void FileCommands::ActSaveAsFileExecute() {
    const QString path = FParts.files.AskSavePath();
    if (path.isEmpty() || !WriteGame(path)) return;
    FParts.files.RememberDirectoryOf(path);
    FParts.files.SetCurrentFile(path);
    FParts.form.setWindowTitle(GameWindowTitle(FParts.form.Game(), path));
}
