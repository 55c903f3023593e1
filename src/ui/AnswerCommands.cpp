#include "ui/AnswerCommands.h"

#include "entry/widgets/TDigForm.h"
#include "entry/widgets/TFormDepos.h"
#include "model/GameMerge.h"
#include "model/VemoData.h"
#include "table/widgets/GameTable.h"
#include "ui/GameFiles.h"
#include "ui/MainActions.h"
#include "ui/MainParts.h"
#include "ui/TFormMain.h"
#include "ui/document/GameDocument.h"
#include "ui/platform/Dialogs.h"

#include <QFile>

#include <exception>

namespace {

const QString kMergeTitle = QStringLiteral("Присоединить игру");

QString RefusalText(MergeRefusal refusal) {
    switch (refusal) {
        case MergeRefusal::QuestionCount: return QStringLiteral("Не совпадает количество вопросов.\rОбъединение невозможно");
        case MergeRefusal::Tours:
            return QStringLiteral("Не совпадает количество туров или вопросов в турах.\rОбъединение невозможно");
        case MergeRefusal::SameTeams: return QStringLiteral("Обнаружены одинаковые команды.\rОбъединение невозможно");
        case MergeRefusal::None: break;
    }
    return {};
}

// The game of `path`, or none when it cannot be read, whatever the reason.
std::unique_ptr<TVemoData> ReadOtherGame(const QString& path) {
    auto game = std::make_unique<TVemoData>();
    try {
        if (game->LoadFromFile(QFile::encodeName(path).toStdString())) return game;
    } catch (const std::exception&) {
    }
    return nullptr;
}

}  // namespace

// The whole session, from opening the window to closing it, is one step of
// the history; a session that changed no mark is none.
void AnswerCommands::ActDigEnterExecute() {
    if (!FParts.form.HasTeams()) return;
    const int question = FParts.table.CurrentQuestion() + 1;
    FParts.document.Edit(QStringLiteral("Цифровой ввод"), [&](TVemoData& game) {
        TDigForm window(game, &FParts.form);
        window.SetQuestionNumber(question);
        AppDialogs().Exec(window);
    });
}

// Deposits are kept in the game file, so a change of them is a change of
// the game whether or not they are counted: otherwise the program would
// close without asking to save them. Only counted deposits change results.
void AnswerCommands::ActDepositExecute() {
    const bool counted = FParts.actions.Checked(ActionId::ActDeposEnable);
    FParts.document.Edit(
        QStringLiteral("Очковый залог"),
        [&](TVemoData& game) {
            TFormDepos window(game, &FParts.form);
            AppDialogs().Exec(window);
        },
        counted ? GameDocument::Recount::IfAutomatic : GameDocument::Recount::Never);
}

// A joined game is counted whatever the counting option says, and is a
// change like any other: the scorer is asked to save it.
void AnswerCommands::ActMixExecute() {
    const QString path = FParts.files.AskOpenPath(kMergeTitle);
    if (path.isEmpty()) return;
    const std::unique_ptr<TVemoData> other = ReadOtherGame(path);
    if (!other) {
        AppDialogs().ErrorBox(QStringLiteral("Ошибка открытия файла.\rОбъединение невозможно"), QStringLiteral("Ошибка"));
        return;
    }
    if (const MergeRefusal refusal = CheckMerge(FParts.document.Game(), *other); refusal != MergeRefusal::None) {
        AppDialogs().ErrorBox(RefusalText(refusal), QStringLiteral("Ошибка"));
        return;
    }
    FParts.document.Edit(
        QStringLiteral("Присоединение игры"),
        [&](TVemoData& game) {
            MergeGame(game, *other);
            game.CountResult();
        },
        GameDocument::Recount::Never);
}
