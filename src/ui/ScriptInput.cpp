#include "ui/ScriptInput.h"

#include "model/VemoData.h"
#include "ui/MainActions.h"
#include "ui/MainParts.h"
#include "ui/TFormMain.h"
#include "ui/document/GameDocument.h"
#include "ui/document/RecoveryJournal.h"

#include <QAction>
#include <QSocketNotifier>

#include <cstdio>
#include <unistd.h>

bool ScriptInput::Requested() { return qEnvironmentVariableIsSet("VEMO_SCRIPT_INPUT"); }

ScriptInput::ScriptInput(MainParts& parts)
    : QObject(&parts.form), FParts(parts), FNotifier(new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this)) {
    connect(FNotifier, &QSocketNotifier::activated, this, &ScriptInput::ReadInput);
    connect(&FParts.document, &GameDocument::Changed, this, [this] { ++FChanges; });
    connect(&FParts.journal, &RecoveryJournal::Written, this,
            [](std::uint64_t changes) { Say("written " + QByteArray::number(changes)); });
    Say("ready");
}

void ScriptInput::Say(const QByteArray& line) {
    std::fputs((line + '\n').constData(), stdout);
    std::fflush(stdout);
}

void ScriptInput::ReadInput() {
    char buffer[4096];
    const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (got <= 0) {
        FNotifier->setEnabled(false);
        return;
    }
    FPending.append(buffer, got);
    for (qsizetype end = FPending.indexOf('\n'); end >= 0; end = FPending.indexOf('\n')) {
        const QByteArray line = FPending.left(end).trimmed();
        FPending.remove(0, end + 1);
        Run(line);
    }
}

void ScriptInput::Run(const QByteArray& line) {
    const QList<QByteArray> words = line.split(' ');
    if (words.value(0) == "mark" && words.size() == 4) {
        const int number = words[1].toInt();
        const int question = words[2].toInt() - 1;
        const uint8_t mark = words[3].toInt() ? 1 : 0;
        FParts.document.Edit(QStringLiteral("Ответ команды %1 на вопрос %2").arg(number).arg(question + 1),
                             [=](TVemoData& game) {
                                 if (TTeamData* team = game.TeamByNumber(number)) team->SetMark(question, mark);
                             });
        Say("changed " + QByteArray::number(FChanges));
    } else if (words.value(0) == "save") {
        FParts.actions[ActionId::ActSaveFile]->trigger();
        Say("saved");
    } else if (words.value(0) == "close") {
        FParts.form.close();
    }
}
