#include "entry/widgets/TypedCharsValidator.h"

#include <QLineEdit>

#include <algorithm>

TypedCharsValidator::TypedCharsValidator(Accepts accepts, QLineEdit& field)
    : QValidator(&field), FAccepts(accepts), FBefore(field.text()) {
    connect(&field, &QLineEdit::textChanged, this, [this](const QString& text) { FBefore = text; });
}

QValidator::State TypedCharsValidator::validate(QString& input, int&) const {
    const qsizetype shorter = std::min(input.size(), FBefore.size());
    qsizetype prefix = 0;
    while (prefix < shorter && input[prefix] == FBefore[prefix]) ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix && input[input.size() - 1 - suffix] == FBefore[FBefore.size() - 1 - suffix])
        ++suffix;
    const QString inserted = input.mid(prefix, input.size() - prefix - suffix);
    return FAccepts(inserted.toStdString()) ? Acceptable : Invalid;
}
