#pragma once

#include <QString>

// The help markers beside the field labels of every page: ids, the registry
// anchor each one opens, and how they follow the page when it grows.
class HelpMarkers {
public:
    static constexpr int kFirstId = 1121;
    static constexpr int kLastId = 1188;

    static bool isMarker(int id) { return id >= kFirstId && id <= kLastId; }
    // The fragment of the definitions page for a marker; empty for other ids.
    static QString anchorKey(int id);
    // The definitions page with the marker's fragment; empty for other ids.
    static QString address(int id);
    // Markers beside lists at the bottom of a page stay at the bottom right;
    // all others stay at the right.
    static unsigned anchorFlags(int id);
};
