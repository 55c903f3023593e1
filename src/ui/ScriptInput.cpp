#include "ui/ScriptInput.h"

#include "model/GameInvariants.h"
#include "model/VemoData.h"
#include "output/widgets/Printers.h"
#include "output/widgets/SpreadsheetOpener.h"
#include "ui/MainActions.h"
#include "ui/MainParts.h"
#include "ui/ScriptDialogs.h"
#include "ui/TFormMain.h"
#include "ui/document/GameDocument.h"
#include "ui/document/RecoveryJournal.h"

#include <QAction>
#include <QPrinter>
#include <QSocketNotifier>

#include <cstdio>
#include <unistd.h>

namespace {

class ToldOpener final : public SpreadsheetOpener {
public:
    explicit ToldOpener(ScriptDialogs::Say say) : FSay(std::move(say)) {}
    bool Open(const QString& path) override {
        FSay("opened\t" + path.toUtf8());
        return true;
    }

private:
    ScriptDialogs::Say FSay;
};

}  // namespace

bool ScriptInput::Requested() { return qEnvironmentVariableIsSet("VEMO_SCRIPT_INPUT"); }

ScriptInput::ScriptInput(MainParts& parts)
    : QObject(&parts.form),
      FParts(parts),
      FNotifier(new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this)),
      FDialogs(std::make_unique<ScriptDialogs>(&ScriptInput::Say)),
      FOpener(std::make_unique<ToldOpener>(&ScriptInput::Say)) {
    SetAppDialogs(FDialogs.get());
    SetAppSpreadsheetOpener(FOpener.get());
    connect(FNotifier, &QSocketNotifier::activated, this, &ScriptInput::ReadInput);
    connect(&FParts.document, &GameDocument::Changed, this, [this] { ++FChanges; });
    connect(&FParts.journal, &RecoveryJournal::Written, this,
            [](std::uint64_t changes) { Say("written " + QByteArray::number(changes)); });
}

ScriptInput::~ScriptInput() {
    SetAppDialogs(nullptr);
    SetAppSpreadsheetOpener(nullptr);
}

// Changes are counted from here: the start's own (the game of "-open")
// are none of the script's.
void ScriptInput::SayReady() {
    FChanges = 0;
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
    const QByteArray command = words.value(0);
    const QByteArray rest = line.mid(command.size() + 1);
    if (command == "mark" && words.size() == 4) {
        Mark(words);
    } else if (command == "save") {
        FParts.actions[ActionId::ActSaveFile]->trigger();
        Say("saved");
    } else if (command == "close") {
        FParts.form.close();
    } else if (command == "answer" || command == "file") {
        Queue(words, rest);
    } else if (command == "printer") {
        UsePdfPrinter(QString::fromUtf8(rest));
    } else if (command == "check") {
        const std::string broken = BrokenInvariant(FParts.document.Game());
        Say(broken.empty() ? QByteArray("invariants ok") : "invariants broken: " + QByteArray::fromStdString(broken));
    }
}

void ScriptInput::Mark(const QList<QByteArray>& words) {
    const int number = words[1].toInt();
    const int question = words[2].toInt() - 1;
    const uint8_t mark = words[3].toInt() ? 1 : 0;
    FParts.document.Edit(QStringLiteral("Ответ команды %1 на вопрос %2").arg(number).arg(question + 1),
                         [=](TVemoData& game) {
                             if (TTeamData* team = game.TeamByNumber(number)) team->SetMark(question, mark);
                         });
    Say("changed " + QByteArray::number(FChanges));
}

void ScriptInput::Queue(const QList<QByteArray>& words, const QByteArray& rest) {
    if (words[0] == "file") {
        FDialogs->fileNames.enqueue(QString::fromUtf8(rest));
    } else {
        const QByteArray answer = words.value(1);
        FDialogs->answers.enqueue(answer == "yes"  ? Dialogs::Answer::Yes
                                  : answer == "no" ? Dialogs::Answer::No
                                                   : Dialogs::Answer::Cancel);
    }
    Say("queued");
}

// The printer in use stays the system's; only where it prints changes.
void ScriptInput::UsePdfPrinter(const QString& path) {
    QPrinter& printer = AppPrinters().Printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    Say("printer");
}
