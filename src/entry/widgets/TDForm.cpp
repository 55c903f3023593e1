#include "entry/widgets/TDForm.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int kHelpTopic = 1025;
constexpr int kFieldLeft = 8;
constexpr int kFieldTop = 16;
constexpr QSize kClientSize(272, 88);
constexpr QSize kButtonSize(80, 25);

QString InCase(const QString& text, TEditCharCase charCase) {
    switch (charCase) {
        case TEditCharCase::ecUpperCase: return text.toUpper();
        case TEditCharCase::ecLowerCase: return text.toLower();
        case TEditCharCase::ecNormal: break;
    }
    return text;
}

}  // namespace

TDForm::TDForm(const TEnterValueProperties& properties, QWidget* parent)
    : ProgramDialog(parent, kHelpTopic), FProperties(properties) {
    setObjectName(QStringLiteral("DForm"));
    setWindowTitle(FProperties.Title);
    setFixedSize(kClientSize);
    EnterValue = MakeField("EnterValue");
    EnterPassValue = MakeField("EnterPassValue");
    EnterPassValue->setEchoMode(QLineEdit::Password);
    // A style sheet is the one place a line edit takes its mask character from.
    EnterPassValue->setStyleSheet(
        QStringLiteral("lineedit-password-character: %1").arg(FProperties.PasswordChar.unicode()));

    const int buttonTop = kClientSize.height() - kButtonSize.height() - 12;
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(QRect(QPoint(kClientSize.width() - 2 * kButtonSize.width() - 16, buttonTop), kButtonSize));
    OKButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setGeometry(QRect(QPoint(kClientSize.width() - kButtonSize.width() - 8, buttonTop), kButtonSize));
    connect(OKButton, &QPushButton::clicked, this, &TDForm::accept);
    connect(CancelButton, &QPushButton::clicked, this, &TDForm::reject);

    ShowField(*FieldInUse());
}

QLineEdit* TDForm::MakeField(const char* name) {
    auto* field = new QLineEdit(this);
    field->setObjectName(QLatin1String(name));
    field->setGeometry(kFieldLeft, kFieldTop, kClientSize.width() - 2 * kFieldLeft, field->sizeHint().height());
    field->hide();
    return field;
}

QLineEdit* TDForm::FieldInUse() const { return FProperties.EnterPassword ? EnterPassValue : EnterValue; }

void TDForm::ShowField(QLineEdit& field) {
    field.show();
    if (!FProperties.Hint.isEmpty()) field.setToolTip(FProperties.Hint);
    if (FProperties.MaxLength > 0) field.setMaxLength(FProperties.MaxLength);
    field.setText(InCase(FProperties.Text, FProperties.CharCase));
    SelectStartingText(field);
    FollowCharCase(field);
    field.setFocus();
}

void TDForm::SelectStartingText(QLineEdit& field) const {
    if (FProperties.Selected)
        field.selectAll();
    else
        field.setCursorPosition(static_cast<int>(field.text().size()));
}

void TDForm::setVisible(bool visible) {
    ProgramDialog::setVisible(visible);
    if (visible) SelectStartingText(*FieldInUse());
}

// What is typed turns into the chosen case at once, the cursor staying put.
void TDForm::FollowCharCase(QLineEdit& field) {
    if (FProperties.CharCase == TEditCharCase::ecNormal) return;
    connect(&field, &QLineEdit::textEdited, this, [this, &field](const QString& text) {
        const QString inCase = InCase(text, FProperties.CharCase);
        if (inCase == text) return;
        const int cursor = field.cursorPosition();
        field.setText(inCase);
        field.setCursorPosition(cursor);
    });
}

void TDForm::accept() {
    FResultText = FieldInUse()->text();
    ProgramDialog::accept();
}

void TDForm::reject() {
    FResultText.clear();
    ProgramDialog::reject();
}
