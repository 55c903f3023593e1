// What a store operation refused with, so that a test can compare the code
// and the message of a refusal in one expectation.
#pragma once

#include <functional>
#include <string>

struct StoreError {
    int code = 0;  // 0: the action threw no ELumSettingsError
    std::string message;
};

StoreError StoreErrorOf(const std::function<void()>& action);
