#pragma once

#include "names/NamesAndAddresses.h"

#include <QString>

// The caption of the editor's message boxes: the product name.
inline QString messageCaption() {
    return QString::fromUtf8(names::kProductName.data(),
                             static_cast<qsizetype>(names::kProductName.size()));
}
