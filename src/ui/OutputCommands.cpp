#include "ui/OutputCommands.h"

#include "model/VemoData.h"
#include "output/widgets/TFormPrint.h"
#include "ui/CountCommands.h"
#include "ui/GameOutput.h"
#include "ui/MainParts.h"
#include "ui/TFormMain.h"
#include "ui/platform/Dialogs.h"
#include "ui/platform/ProgramDirectory.h"

void OutputCommands::ActOutResultExecute() {
    if (!FParts.form.HasTeams()) return;
    CountCommands(FParts).ActCountExecute();
    TVemoData& game = FParts.form.Game();
    if (game.LastQuestion() != game.WindowQuestionCount() &&
        AppDialogs().QuestionBox(QStringLiteral("Внимание! Результаты после вопроса №%1\rПродолжить?")
                                     .arg(game.LastQuestion()),
                                 QStringLiteral("Результаты"), false) != Dialogs::Answer::Yes)
        return;

    GameOutput output(FParts);
    TFormPrint form(output, ProgramDirectory(), &FParts.form);
    for (InfoType type : {InfoType::TourResults, InfoType::FinalTable, InfoType::TakenQuestions,
                          InfoType::QuestionRatings})
        form.SetInfoTypeEnabled(type, true);
    form.SetInfoTypeEnabled(InfoType::Championship, false);
    form.SetInfoType(InfoType::TourResults);
    AppDialogs().Exec(form);
}
