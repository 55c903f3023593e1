#include "entry/widgets/EntryPrompts.h"

#include "entry/TypedNumber.h"
#include "entry/widgets/TLumEnterValueDialog.h"
#include "ui/platform/Dialogs.h"

namespace EntryPrompts {

void Error(const QString& text) { AppDialogs().ErrorBox(text, kErrorCaption); }

std::optional<int> AskNumber(TLumEnterValueDialog& prompt, const QString& title, int low, int high) {
    prompt.Title = title;
    if (!prompt.Execute()) return std::nullopt;
    const TypedNumber number = ReadTypedNumber(prompt.Value.toString().toStdString(), low, high);
    switch (number.kind) {
        case TypedNumberKind::NotWhole: Error(kNotWholeNumber); return std::nullopt;
        case TypedNumberKind::OutOfRange: Error(kBadValue); return std::nullopt;
        case TypedNumberKind::InRange: return number.value;
    }
    return std::nullopt;
}

}  // namespace EntryPrompts
