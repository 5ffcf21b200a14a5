#pragma once

#include <QRect>
#include <QSize>
#include <vector>

// The bar's configurable parts. The defaults are the configuration the editor
// uses: caption at the top, buttons above the content area, strip always shown.
struct OutlookTabOptions {
    bool showCaption = true;
    // Keep the strip's band even when no item is collapsed into it.
    bool showEmptyStrip = true;
};

struct OutlookTabMetrics {
    static constexpr int kBorderWidth = 1;
    static constexpr int kSeparatorHeight = 5;
    static constexpr int kCaptionIndent = 7;
    static constexpr int kButtonMargin = 5;
    static constexpr int kTextPadding = 6;

    int captionHeight = 0;
    int buttonHeight = 0;
    int stripHeight = 0;
    int smallCellWidth = 0;

    // Each button row carries one separator line below it.
    int buttonPitch() const { return buttonHeight + 1; }
};

// Text heights are the fonts' line heights for "H"; the icon sizes are those of
// the normal and disabled lists.
OutlookTabMetrics outlookTabMetrics(int captionTextHeight, int itemTextHeight, QSize large,
                                    QSize largeDisabled, QSize small, QSize smallDisabled);

struct OutlookTabLayoutItem {
    bool visible = true;
    bool collapsed = false;
};

struct OutlookTabLayout {
    QRect client;
    QRect caption;
    QRect buttons;
    QRect strip;
    QRect separator;
    QRect content;
    // One per item, in item order; empty for items that take no place.
    std::vector<QRect> itemRects;
};

// Stacks caption, buttons, strip, separator and content area from the top of
// the client rectangle. Collapsed items get cells in the strip, left to right.
OutlookTabLayout layOutOutlookTab(QSize widgetSize, bool border, const OutlookTabOptions& options,
                                  const OutlookTabMetrics& metrics,
                                  const std::vector<OutlookTabLayoutItem>& items);
