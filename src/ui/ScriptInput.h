// A seam for the tests that drive the real program from outside (through
// its automation interface, or by these lines) and kill it at a moment they
// choose. With $VEMO_SCRIPT_INPUT set, the program reads lines from its
// standard input and answers on its standard output:
//
//   mark <team number> <question of the window, from 1> <0|1>
//                 changes the mark through the game document, as the
//                 automation interface does       -> "changed <changes>"
//   save          Save, as the command            -> "saved"
//   close         closes the window as a user does
//   answer yes|no|cancel
//                 the answer to the next question box   -> "queued"
//   file [path]   the next file dialog's choice, none for Cancel -> "queued"
//   printer <path>
//                 the printer in use prints to this PDF file -> "printer"
//   check         the game's model invariants   -> "invariants ok" or
//                                                  "invariants broken: <what>"
//
// Its boxes, file dialogs and windows go through ScriptDialogs, which tells
// them on the standard output; a workbook to be opened in the spreadsheet
// program is told as "opened <TAB> path" instead. It says "ready" once the
// start is complete (a hidden start for automation completes when the
// window is first shown), and "written <changes>" each time the recovery
// journal has put the game after that many changes on disk.
#pragma once

#include <QByteArray>
#include <QObject>

#include <memory>

class QSocketNotifier;
class ScriptDialogs;
class SpreadsheetOpener;
struct MainParts;

class ScriptInput : public QObject {
    Q_OBJECT
public:
    static bool Requested();

    explicit ScriptInput(MainParts& parts);
    ~ScriptInput() override;

    // The start is complete: "ready".
    void SayReady();

private:
    void ReadInput();
    void Run(const QByteArray& line);
    void Mark(const QList<QByteArray>& words);
    void Queue(const QList<QByteArray>& words, const QByteArray& rest);
    void UsePdfPrinter(const QString& path);
    static void Say(const QByteArray& line);

    MainParts& FParts;
    QSocketNotifier* FNotifier;
    QByteArray FPending;
    int FChanges = 0;
    std::unique_ptr<ScriptDialogs> FDialogs;
    std::unique_ptr<SpreadsheetOpener> FOpener;
};
