// The error of the parameter file store: a message and the code that tells
// callers which of the store's refusals it is.
#pragma once

#include "base/Errors.h"

#include <cstdint>

enum LumErrorCode : int32_t {
    kLumTooManyParams = 1,
    kLumDuplicateName = 2,
    kLumRestrictedName = 3,
    kLumIndexOutOfRange = 4,
    kLumNameNotFound = 5,
    kLumWrongType = 6,
    kLumEmptyList = 7,
    kLumCannotCreate = 8,
    kLumCannotOpen = 9,
    kLumWrongPassword = 10,
};

class ELumSettingsError : public Exception {
public:
    explicit ELumSettingsError(LumErrorCode code);

    int32_t ErrorCode() const { return FErrorCode; }

private:
    int32_t FErrorCode;
};
