// The one-field prompt several windows ask a value with ("Новый номер",
// "Оставить вопросов в туре"). A window keeps one as `LumEnterValue`, sets
// its properties, runs Execute and reads Value:
//
//     LumEnterValue->Title = QStringLiteral("Новый номер");
//     if (LumEnterValue->Execute()) ... LumEnterValue->Value.toString() ...
//
// Each Execute shows a new TDForm modally through the dialog seam. The
// prompt hands back the text as typed whatever ValueType says: the callers
// read it as the number they need and tell the user, in Russian, when it is
// none.
#pragma once

#include <QChar>
#include <QObject>
#include <QString>
#include <QVariant>

#include <cstdint>

enum class TValueType { fvtString, fvtInteger, fvtFloat };
enum class TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

// What the prompt shows; the form takes a copy of all of it.
struct TEnterValueProperties {
    bool EnterPassword = false;
    TEditCharCase CharCase = TEditCharCase::ecNormal;
    QString Hint;            // the field's tool tip, when not empty
    uint16_t MaxLength = 0;  // 0: no limit
    QChar PasswordChar = QLatin1Char('*');
    QString Text;            // the field's text at the start
    bool Selected = false;   // the starting text is selected
    QString Title;
    TValueType ValueType = TValueType::fvtString;
};

class TLumEnterValueDialog : public QObject, public TEnterValueProperties {
    Q_OBJECT
public:
    // A window that owns the prompt is the parent of its forms.
    explicit TLumEnterValueDialog(QObject* owner);

    // True when the user closed the form with OK. Value then holds the text
    // left in the field; after Cancel it is an empty string.
    bool Execute();

    QVariant Value;
};
