// Lets into a text field only the characters a rule accepts, whether typed,
// pasted or dropped. Only what a change inserts is judged, so a text that
// came from a game file with other characters can still be edited.
#pragma once

#include <QValidator>

#include <string_view>

class QLineEdit;

class TypedCharsValidator : public QValidator {
public:
    // `accepts` judges the inserted characters as UTF-8.
    using Accepts = bool (*)(std::string_view utf8);

    // Follows the text of `field`, which it is meant for (and owned by);
    // the field takes it with setValidator.
    TypedCharsValidator(Accepts accepts, QLineEdit& field);

    State validate(QString& input, int& pos) const override;

private:
    Accepts FAccepts;
    // The field's text before the change being validated.
    QString FBefore;
};
