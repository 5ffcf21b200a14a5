#pragma once

#include "controls/OutlookTabImageList.h"

#include <QPixmap>
#include <QSize>

// The editor's pictures, drawn by code so that they stay sharp at every size:
// the section icons of the navigation bar and the help marker.
//
// Section icons by index: 0 contacts, 1 regulation, 2 status, 3 oversight,
// 4 summary, 5 sponsor, 6 results, 7 references, 8 locations,
// 9 eligibility, 10 conditions, 11 title, 12 interventions, 13 design.
class EditorIcons {
public:
    static constexpr int kIconCount = 14;
    static constexpr QSize kLargeSize{24, 24};
    static constexpr QSize kSmallSize{16, 16};

    // A null pixmap for an index outside 0..kIconCount-1.
    static QPixmap icon(int index, QSize size, bool disabled = false);
    // All icons in index order.
    static OutlookTabImageList imageList(QSize size, bool disabled);

    // The question mark beside a field label.
    static QPixmap helpMarker(QSize size);
};
