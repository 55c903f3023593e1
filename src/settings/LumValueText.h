// The text form in which the parameter file stores every value, whatever
// its kind, and the way back.
#pragma once

#include "settings/LumParam.h"

#include <string>
#include <string_view>

std::string LumValueText(const TLumParam& param);

// Sets the value field of `param`'s kind from `text`. EConvertError for an
// integer or real text that holds no such number; a boolean is true exactly
// when its text is the integer 1, anything else is false.
void SetLumValueFromText(TLumParam& param, std::string_view text);
