#include "editor/HelpMarkers.h"

#include "platform/DialogTemplate.h"

#include <array>

namespace {

constexpr std::array kBottomRightIds = {1167, 1168, 1174, 1183, 1184, 1187, 1188};

} // namespace

unsigned HelpMarkers::anchorFlags(int id) {
    for (const int bottomRight : kBottomRightIds) {
        if (id == bottomRight) {
            return AnchorBottomRight;
        }
    }
    return AnchorMoveRight;
}
