// The boxes the setup windows share: the error box with the caption
// "Ошибка", and a number asked with the value prompt and checked against the
// range the command allows.
#pragma once

#include <QString>

#include <optional>

class TLumEnterValueDialog;

namespace EntryPrompts {

inline const QString kErrorCaption = QStringLiteral("Ошибка");
inline const QString kBadValue = QStringLiteral("Недопустимое значение");
inline const QString kCannotSwap = QStringLiteral("Невозможно поменять номера");
// A text in the value prompt that is no whole number at all.
inline const QString kNotWholeNumber = QStringLiteral("Введите целое число.\rНичего не изменено.");

void Error(const QString& text);

// Shows the prompt titled `title`. Cancel gives nothing; a text that is no
// whole number, or a number outside low..high, is reported and gives
// nothing too.
std::optional<int> AskNumber(TLumEnterValueDialog& prompt, const QString& title, int low, int high);

}  // namespace EntryPrompts
