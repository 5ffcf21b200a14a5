#include "controls/OutlookTabLayout.h"

#include <algorithm>

OutlookTabMetrics outlookTabMetrics(int captionTextHeight, int itemTextHeight, QSize large,
                                    QSize largeDisabled, QSize small, QSize smallDisabled) {
    const int pad = OutlookTabMetrics::kTextPadding;
    OutlookTabMetrics m;
    m.captionHeight = captionTextHeight + pad;
    m.buttonHeight = std::max({itemTextHeight, large.height(), largeDisabled.height()}) + pad;
    m.stripHeight =
        std::max(std::max(small.height(), smallDisabled.height()) + pad, m.buttonHeight);
    m.smallCellWidth = std::max(small.width(), smallDisabled.width()) + pad;
    return m;
}

namespace {

// Takes a band of the given height off the top of the remaining area.
QRect takeTop(int& top, int height, const QRect& client) {
    const QRect band(client.left(), top, client.width(), std::max(height, 0));
    top += band.height();
    return band;
}

void placeButtons(OutlookTabLayout& layout, const OutlookTabMetrics& metrics,
                  const std::vector<OutlookTabLayoutItem>& items) {
    const int pitch = metrics.buttonPitch();
    int row = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!items[i].visible || items[i].collapsed) {
            continue;
        }
        QRect rect(layout.buttons.left(), layout.buttons.top() + row * pitch,
                   layout.buttons.width(), pitch);
        layout.itemRects[i] = rect.intersected(layout.buttons);
        ++row;
    }
}

void placeCollapsed(OutlookTabLayout& layout, const OutlookTabMetrics& metrics,
                    const std::vector<OutlookTabLayoutItem>& items) {
    int cell = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!items[i].visible || !items[i].collapsed) {
            continue;
        }
        QRect rect(layout.strip.left() + cell * metrics.smallCellWidth, layout.strip.top(),
                   metrics.smallCellWidth, layout.strip.height());
        layout.itemRects[i] = rect.intersected(layout.strip);
        ++cell;
    }
}

int countItems(const std::vector<OutlookTabLayoutItem>& items, bool collapsed) {
    return static_cast<int>(std::count_if(items.begin(), items.end(), [&](const auto& item) {
        return item.visible && item.collapsed == collapsed;
    }));
}

} // namespace

OutlookTabLayout layOutOutlookTab(QSize widgetSize, bool border, const OutlookTabOptions& options,
                                  const OutlookTabMetrics& metrics,
                                  const std::vector<OutlookTabLayoutItem>& items) {
    OutlookTabLayout layout;
    const int inset = border ? OutlookTabMetrics::kBorderWidth : 0;
    layout.client = QRect(QPoint(0, 0), widgetSize).adjusted(inset, inset, -inset, -inset);
    layout.itemRects.assign(items.size(), QRect());

    const QRect& client = layout.client;
    int top = client.top();
    layout.caption = takeTop(top, options.showCaption ? metrics.captionHeight : 0, client);
    layout.buttons = takeTop(top, countItems(items, false) * metrics.buttonPitch(), client);
    const bool stripShown = options.showEmptyStrip || countItems(items, true) > 0;
    layout.strip = takeTop(top, stripShown ? metrics.stripHeight : 0, client);
    layout.separator = takeTop(top, OutlookTabMetrics::kSeparatorHeight, client);
    // A bar shorter than its buttons leaves an empty content area, never a negative one.
    layout.content = takeTop(top, client.top() + client.height() - top, client);

    placeButtons(layout, metrics, items);
    placeCollapsed(layout, metrics, items);
    return layout;
}
