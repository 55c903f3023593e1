// One entry of the parameter store: a name, a kind and the value of that kind.
#pragma once

#include <cstdint>
#include <string>

enum LumParamKind : uint8_t {
    kLumString = 0,
    kLumInteger = 1,
    kLumReal = 2,
    kLumBoolean = 3,
};

struct TLumParam {
    std::string Name;         // upper-cased when added; as read from a file
    uint8_t ParamType = kLumString;
    std::string StrValue;     // only the field of ParamType's kind is meaningful
    int32_t IntValue = 0;
    double FloatValue = 0.0;
    bool BoolValue = false;
};
