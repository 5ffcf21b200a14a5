#pragma once

#include "controls/OutlookTabImageList.h"
#include "model/RuleFinding.h"

#include <QColor>
#include <QPixmap>
#include <QSize>

// The editor's pictures, drawn by code so that they stay sharp at every size:
// the section icons of the navigation bar and the help marker.
//
// The image lists hold the section icons in the order of Picture.
class EditorIcons {
public:
    enum Picture {
        Contacts,
        Regulation,
        Status,
        Oversight,
        Summary,
        Sponsor,
        Results,
        References,
        Locations,
        Eligibility,
        Conditions,
        Title,
        Interventions,
        Design,
        IpdSharing,
        Documents,
        kIconCount
    };
    // A section icon with a disc in its corner for the worst finding of the
    // section; the image lists hold every icon once per badge, in this order.
    enum Badge { NoBadge, ErrorBadge, WarningBadge, kBadgeCount };
    static constexpr int kImageCount = static_cast<int>(kIconCount) * kBadgeCount;
    static constexpr int imageIndex(Picture picture, Badge badge) {
        return static_cast<int>(picture) + static_cast<int>(badge) * kIconCount;
    }
    static QColor findingColour(RuleSeverity severity);

    static constexpr QSize kLargeSize{24, 24};
    static constexpr QSize kSmallSize{16, 16};

    // A null pixmap for an index outside 0..kIconCount-1.
    static QPixmap icon(int index, QSize size, bool disabled = false);
    // All icons in index order, then all again for each badge.
    static OutlookTabImageList imageList(QSize size, bool disabled);

    // The question mark beside a field label.
    static QPixmap helpMarker(QSize size);
};
