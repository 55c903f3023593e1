// A seam for the tests that drive the real program from outside and kill
// it at a moment they choose. With $VEMO_SCRIPT_INPUT set, the program reads
// lines from its standard input and answers on its standard output:
//
//   mark <team number> <question of the window, from 1> <0|1>
//                 changes the mark through the game document, as the
//                 automation interface does       -> "changed <changes>"
//   save          Save, as the command            -> "saved"
//   close         closes the window as a user does
//
// It says "ready" once the start is complete, and "written <changes>" each
// time the recovery journal has put the game after that many changes on disk.
#pragma once

#include <QByteArray>
#include <QObject>

class QSocketNotifier;
struct MainParts;

class ScriptInput : public QObject {
    Q_OBJECT
public:
    static bool Requested();

    explicit ScriptInput(MainParts& parts);

private:
    void ReadInput();
    void Run(const QByteArray& line);
    static void Say(const QByteArray& line);

    MainParts& FParts;
    QSocketNotifier* FNotifier;
    QByteArray FPending;
    int FChanges = 0;
};
