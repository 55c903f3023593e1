#include "WindowTitle.h"

#include "AnsiText.h"
#include "VemoData.h"

QString GameWindowTitle(const TVemoData& game, const QString& currentFile) {
    return kProgramTitle + QStringLiteral(" - ") + FromAnsi(game.CurrentTourName()) + QStringLiteral(" (") +
           currentFile + u')';
}
