// The base of the program's own windows: modal, in the program's face, with
// F1 opening the help at the topic of the control under focus (or the
// window's), and the Russian OK and Cancel buttons. A window built on it:
//
//     class TTimerForm : public ProgramDialog {
//     public:
//         explicit TTimerForm(QWidget* parent) : ProgramDialog(parent, 1017) {
//             setObjectName(QStringLiteral("TimerForm"));
//             setWindowTitle(QStringLiteral("Настройка таймера"));
//             auto* layout = new QVBoxLayout(this);
//             ...                                   // the window's own controls
//             layout->addWidget(MakeButtons());     // "OK" and "Отмена"
//         }
//     };
//
// and shown by its command through the dialog seam, so tests can play it:
//
//     TTimerForm form(&window);
//     if (AppDialogs().Exec(form) == QDialog::Accepted) ...
#pragma once

#include <QDialog>
#include <QDialogButtonBox>

class ProgramDialog : public QDialog {
    Q_OBJECT
public:
    // `helpTopic` 0: the window has no help topic of its own.
    explicit ProgramDialog(QWidget* parent, int helpTopic = 0);

protected:
    enum class Buttons { OkCancel, OkOnly };
    // "OK" (object name "OKButton") accepts the window, "Отмена"
    // ("CancelButton") rejects it. Enter presses OK, Escape Cancel.
    QDialogButtonBox* MakeButtons(Buttons buttons = Buttons::OkCancel);

    void keyPressEvent(QKeyEvent* event) override;
};
