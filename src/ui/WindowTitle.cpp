#include "ui/WindowTitle.h"

#include "ui/text/AnsiText.h"
#include "model/VemoData.h"

QString GameWindowTitle(const TVemoData& game, const QString& currentFile) {
    return kProgramTitle + QStringLiteral(" - ") + FromAnsi(game.CurrentTourName()) + QStringLiteral(" (") +
           currentFile + u')';
}
