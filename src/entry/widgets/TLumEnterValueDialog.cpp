#include "entry/widgets/TLumEnterValueDialog.h"

#include "entry/widgets/TDForm.h"
#include "ui/platform/Dialogs.h"

#include <QWidget>

TLumEnterValueDialog::TLumEnterValueDialog(QObject* owner) : QObject(owner) {
    setObjectName(QStringLiteral("LumEnterValue"));
}

bool TLumEnterValueDialog::Execute() {
    TDForm form(*this, qobject_cast<QWidget*>(parent()));
    const bool confirmed = AppDialogs().Exec(form) == QDialog::Accepted;
    Value = form.ResultText();
    return confirmed;
}
