#include "settings/LumSettingsError.h"

#include "settings/LumSettings.h"

#include <string>

namespace {

std::string MessageOf(LumErrorCode code) {
    switch (code) {
        case kLumTooManyParams: return "Parameter count cannot exceed " + std::to_string(TLumSettings::kMaxParams);
        case kLumDuplicateName: return "Parameter with the same name already exists";
        case kLumRestrictedName: return "Restricted parameter name";
        case kLumIndexOutOfRange: return "Index out of range";
        case kLumNameNotFound: return "Parameter name was not found";
        case kLumWrongType: return "Wrong parameter type";
        case kLumEmptyList: return "Parameters list is empty";
        case kLumCannotCreate: return "Cannot create settings file";
        case kLumCannotOpen: return "Cannot open settings file";
        case kLumWrongPassword: return "Password is incorrect";
    }
    return "Settings error " + std::to_string(static_cast<int32_t>(code));
}

}  // namespace

ELumSettingsError::ELumSettingsError(LumErrorCode code) : Exception(MessageOf(code)), FErrorCode(code) {}
