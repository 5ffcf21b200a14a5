#pragma once

#include <string>

// Outcome of saving a collection; `reason` tells a person why it failed.
struct SaveResult {
    bool ok = false;
    std::string reason;
};
