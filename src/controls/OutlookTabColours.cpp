#include "controls/OutlookTabColours.h"

#include <QPalette>
#include <algorithm>

OutlookTabSystemColours OutlookTabSystemColours::fromPalette(const QPalette& palette) {
    OutlookTabSystemColours c;
    c.window = palette.color(QPalette::Active, QPalette::Base);
    c.buttonFace = palette.color(QPalette::Active, QPalette::Button);
    c.highlight = palette.color(QPalette::Active, QPalette::Highlight);
    c.buttonShadow = palette.color(QPalette::Active, QPalette::Dark);
    c.captionText = palette.color(QPalette::Active, QPalette::BrightText);
    c.windowText = palette.color(QPalette::Active, QPalette::WindowText);
    c.highlightText = palette.color(QPalette::Active, QPalette::HighlightedText);
    c.greyText = palette.color(QPalette::Disabled, QPalette::WindowText);
    return c;
}

namespace {

struct Channels {
    int r;
    int g;
    int b;
};

Channels channels(QColor c) {
    return {c.red(), c.green(), c.blue()};
}

template <typename F> Channels perChannel(Channels a, Channels b, F f) {
    return {f(a.r, b.r), f(a.g, b.g), f(a.b, b.b)};
}

Channels scaled(Channels c, int percent) {
    auto scale = [percent](int v, int) { return std::min(v * percent / 100, 255); };
    return perChannel(c, c, scale);
}

QColor toColour(Channels c) {
    return QColor(c.r, c.g, c.b);
}

} // namespace

OutlookTabAccentColours outlookTabAccentColours(QColor window, QColor buttonFace,
                                                QColor highlight) {
    const Channels mix = perChannel(channels(window), channels(buttonFace),
                                    [](int w, int f) { return (219 * w + 36 * f) / 255; });
    const Channels hot =
        perChannel(channels(highlight), mix, [](int h, int m) { return (77 * h + 178 * m) / 255; });
    const Channels light = scaled(hot, 102);
    const Channels dark = scaled(light, 87);
    return {toColour(light), toColour(dark)};
}

namespace {

QColor background(const OutlookTabButtonState& s, const OutlookTabAccentColours& accent,
                  const OutlookTabSystemColours& system, bool& darkShown) {
    darkShown = false;
    if (!s.anyPressed) {
        if (s.selected && s.hovered) {
            darkShown = true;
            return accent.dark;
        }
        return (s.selected || s.hovered) ? accent.light : system.buttonFace;
    }
    if (s.selected) {
        return accent.light;
    }
    if (s.pressed && s.hovered) {
        darkShown = true;
        return accent.dark;
    }
    return system.buttonFace;
}

} // namespace

OutlookTabButtonColours outlookTabButtonColours(const OutlookTabButtonState& state,
                                                const OutlookTabSystemColours& system,
                                                const OutlookTabAccentColours& accent) {
    bool darkShown = false;
    OutlookTabButtonColours colours;
    colours.background = background(state, accent, system, darkShown);
    if (state.disabled) {
        colours.text = system.greyText;
    } else {
        colours.text = darkShown ? system.highlightText : system.windowText;
    }
    return colours;
}

bool outlookTabIconRaised(const OutlookTabButtonState& state) {
    return !state.anyPressed && state.hovered && !state.selected && !state.disabled;
}
