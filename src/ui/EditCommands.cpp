#include "ui/EditCommands.h"

#include "model/VemoData.h"
#include "table/widgets/GameTable.h"
#include "ui/MainParts.h"
#include "ui/TFormMain.h"
#include "ui/document/GameDocument.h"

namespace {

// A mark byte read from a file may be any non-zero value; it still counts
// as taken, so toggling clears it rather than flipping its lowest bit.
uint8_t Toggled(uint8_t mark) { return mark ? 0 : 1; }
uint8_t Taken(uint8_t) { return 1; }
uint8_t NotTaken(uint8_t) { return 0; }

}  // namespace

// Every double click runs the tail, even on a row without a team; only a
// change of a mark becomes a step of the history.
void EditCommands::ToggleAnswer(TTeamData* team, int question) {
    const QString description =
        team ? QStringLiteral("Ответ команды %1 на вопрос %2").arg(team->Number).arg(question + 1) : QString();
    FParts.document.Edit(description, [team, question](TVemoData&) {
        if (team) team->SetMark(question, Toggled(team->Mark(question)));
    });
}

void EditCommands::ApplyToCurrentQuestion(const QString& caption, uint8_t (*newMark)(uint8_t)) {
    const int q = FParts.table.CurrentQuestion();
    FParts.document.Edit(caption + QStringLiteral(": вопрос %1").arg(q + 1), [q, newMark](TVemoData& game) {
        if (q < 0) return;
        for (int i = 0; i < game.ActiveTeamCount(); ++i) {
            TTeamData* team = game.ActiveTeam(i);
            team->SetMark(q, newMark(team->Mark(q)));
        }
    });
}

void EditCommands::ActAllPlusExecute() { ApplyToCurrentQuestion(QStringLiteral("Взяли все"), Taken); }

void EditCommands::ActAllMinusExecute() { ApplyToCurrentQuestion(QStringLiteral("Гроб"), NotTaken); }

void EditCommands::ActInverseExecute() { ApplyToCurrentQuestion(QStringLiteral("Инверсия"), Toggled); }

// A step may bring back another tour or last question; EnterQ shows it, as
// after a tour chosen.
void EditCommands::ActUndoExecute() {
    FParts.document.Undo();
    FParts.form.SetLastQuestionShown(FParts.document.Game().LastQuestion());
}

void EditCommands::ActRedoExecute() {
    FParts.document.Redo();
    FParts.form.SetLastQuestionShown(FParts.document.Game().LastQuestion());
}
