// The form of the value prompt: one plain field, or a masked one for a
// password, at 8 pixels from the left and 16 from the top, with "OK" and
// "Cancel". Enter confirms from either field.
#pragma once

#include "entry/widgets/TLumEnterValueDialog.h"
#include "ui/platform/ProgramDialog.h"

class QLineEdit;
class QPushButton;

class TDForm : public ProgramDialog {
    Q_OBJECT
public:
    TDForm(const TEnterValueProperties& properties, QWidget* parent);

    // The text of the field in use after OK; empty after Cancel.
    const QString& ResultText() const { return FResultText; }

    void accept() override;
    void reject() override;
    // A dialog selects its first field's text when it appears; the
    // starting text stays selected only when asked.
    void setVisible(bool visible) override;

private:
    QLineEdit* MakeField(const char* name);
    void ShowField(QLineEdit& field);
    void SelectStartingText(QLineEdit& field) const;
    void FollowCharCase(QLineEdit& field);
    QLineEdit* FieldInUse() const;

    TEnterValueProperties FProperties;
    QString FResultText;
    QLineEdit* EnterValue;
    QLineEdit* EnterPassValue;
    QPushButton* OKButton;
    QPushButton* CancelButton;
};
