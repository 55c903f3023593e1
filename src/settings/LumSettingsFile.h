// The bytes of a parameter file: four check bytes, then one record per
// parameter (name length, scrambled name, kind byte, value length,
// scrambled value text), little-endian, without padding.
#pragma once

#include "settings/LumParam.h"

#include <string>
#include <string_view>
#include <vector>

// The file for `params`; EIntOverflow when its size or check bytes leave
// the signed 32-bit range.
std::string EncodeLumFile(const std::vector<TLumParam>& params, std::string_view key);

// The parameters of `bytes`. ELumSettingsError code 10 when the check bytes
// do not belong to this key and length; EInOutError for a record that runs
// past the end or has no known kind; EConvertError for a value text that
// does not fit its kind; EIntOverflow as for writing.
std::vector<TLumParam> DecodeLumFile(std::string_view bytes, std::string_view key);
