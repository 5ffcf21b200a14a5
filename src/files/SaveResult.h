#pragma once

#include <string>

// Outcome of saving a file; `reason` tells a person why it failed.
struct SaveResult {
    bool ok = false;
    std::string reason;
    // The target is read-only and was left as it was; the caller may ask
    // whether to replace it anyway.
    bool readOnly = false;
};
