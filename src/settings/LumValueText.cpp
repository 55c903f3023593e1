#include "settings/LumValueText.h"

#include "base/Errors.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

namespace {

std::optional<int32_t> ParseInteger(std::string_view text) {
    int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

int32_t IntegerFromText(std::string_view text) {
    const auto value = ParseInteger(text);
    if (!value) throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
    return *value;
}

// Either separator is accepted, since the text may come from a locale that
// formats reals with a comma.
double RealFromText(std::string_view text) {
    std::string dotted(text);
    std::replace(dotted.begin(), dotted.end(), ',', '.');
    double value = 0.0;
    const auto [end, error] = std::from_chars(dotted.data(), dotted.data() + dotted.size(), value);
    if (error != std::errc() || end != dotted.data() + dotted.size() || !std::isfinite(value))
        throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
    return value;
}

std::string RealText(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

}  // namespace

std::string LumValueText(const TLumParam& param) {
    switch (param.ParamType) {
        case kLumInteger: return std::to_string(param.IntValue);
        case kLumReal: return RealText(param.FloatValue);
        case kLumBoolean: return param.BoolValue ? "1" : "0";
        default: return param.StrValue;
    }
}

void SetLumValueFromText(TLumParam& param, std::string_view text) {
    switch (param.ParamType) {
        case kLumInteger: param.IntValue = IntegerFromText(text); break;
        case kLumReal: param.FloatValue = RealFromText(text); break;
        case kLumBoolean: param.BoolValue = ParseInteger(text) == 1; break;
        default: param.StrValue = std::string(text); break;
    }
}
