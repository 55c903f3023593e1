#include "ui/platform/ProgramDialog.h"

#include "ui/draw/ProgramFont.h"
#include "ui/platform/Dialogs.h"
#include "ui/platform/HelpTopic.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPushButton>

ProgramDialog::ProgramDialog(QWidget* parent, int helpTopic) : QDialog(parent) {
    setModal(true);
    setFont(Draw::ProgramFont());
    if (helpTopic != 0) SetHelpTopic(*this, helpTopic);
}

QDialogButtonBox* ProgramDialog::MakeButtons(Buttons buttons) {
    auto* box = new QDialogButtonBox(this);
    QPushButton* ok = box->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    if (buttons == Buttons::OkCancel)
        box->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("CancelButton"));
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    return box;
}

void ProgramDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        if (const int topic = ContextHelpTopic(*this)) AppDialogs().ShowHelp(topic);
        return;
    }
    QDialog::keyPressEvent(event);
}
