#pragma once

// The help markers beside the field labels of every page: their ids, and how
// they follow the page when it grows. Each page's template names the
// definition a marker opens.
class HelpMarkers {
public:
    static constexpr int kFirstId = 1121;
    static constexpr int kLastId = 1188;

    static bool isMarker(int id) { return id >= kFirstId && id <= kLastId; }
    // Markers beside lists at the bottom of a page stay at the bottom right;
    // all others stay at the right.
    static unsigned anchorFlags(int id);
};
