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

void AnswerCommands::ActDigEnterExecute() {
    if (!FParts.form.HasTeams()) return;
    TDigForm window(FParts.form.Game(), &FParts.form);
    window.SetQuestionNumber(FParts.table.CurrentQuestion() + 1);
    AppDialogs().Exec(window);
    if (window.Changed()) FParts.form.GameChanged();
}

// Deposits entered while they are not counted change no result: the game
// is not marked modified for them.
void AnswerCommands::ActDepositExecute() {
    TFormDepos window(FParts.form.Game(), &FParts.form);
    if (AppDialogs().Exec(window) != QDialog::Accepted || !window.DepositsChanged()) return;
    if (FParts.actions.Checked(ActionId::ActDeposEnable)) FParts.form.GameChanged();
}

// A joined game is a change like any other: the scorer is asked to save it.
void AnswerCommands::ActMixExecute() {
    const QString path = FParts.files.AskOpenPath(kMergeTitle);
    if (path.isEmpty()) return;
    const std::unique_ptr<TVemoData> other = ReadOtherGame(path);
    if (!other) {
        AppDialogs().ErrorBox(QStringLiteral("Ошибка открытия файла.\rОбъединение невозможно"), QStringLiteral("Ошибка"));
        return;
    }
    TVemoData& game = FParts.form.Game();
    if (const MergeRefusal refusal = CheckMerge(game, *other); refusal != MergeRefusal::None) {
        AppDialogs().ErrorBox(RefusalText(refusal), QStringLiteral("Ошибка"));
        return;
    }
    MergeGame(game, *other);
    game.CountResult();
    FParts.form.GameChanged();
}
