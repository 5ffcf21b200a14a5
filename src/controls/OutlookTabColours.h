#pragma once

#include <QColor>

class QPalette;

// The system colours the bar paints with, taken from palette roles:
// window = Base, button face = Button, highlight = Highlight,
// button shadow = Dark, caption text = BrightText, window text = WindowText,
// highlight text = HighlightedText, grey text = the disabled WindowText.
struct OutlookTabSystemColours {
    QColor window;
    QColor buttonFace;
    QColor highlight;
    QColor buttonShadow;
    QColor captionText;
    QColor windowText;
    QColor highlightText;
    QColor greyText;

    static OutlookTabSystemColours fromPalette(const QPalette& palette);
};

struct OutlookTabAccentColours {
    QColor light;
    QColor dark;
};

// Blends the highlight into a window/button-face mix, channel by channel with
// truncating integer arithmetic, so the result matches on every platform.
OutlookTabAccentColours outlookTabAccentColours(QColor window, QColor buttonFace, QColor highlight);

// How one button stands at paint time.
struct OutlookTabButtonState {
    bool selected = false;
    bool hovered = false;
    bool anyPressed = false; // some target is held
    bool pressed = false;    // this button is the held one
    bool disabled = false;
};

struct OutlookTabButtonColours {
    QColor background;
    QColor text;
};

OutlookTabButtonColours outlookTabButtonColours(const OutlookTabButtonState& state,
                                                const OutlookTabSystemColours& system,
                                                const OutlookTabAccentColours& accent);

// The hovered icon is drawn raised only while nothing is held.
bool outlookTabIconRaised(const OutlookTabButtonState& state);
