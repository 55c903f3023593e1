#include "StoreError.h"

#include "settings/LumSettingsError.h"

StoreError StoreErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const ELumSettingsError& e) {
        return {e.ErrorCode(), e.what()};
    }
    return {};
}
