#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// A dialog or page declared as data: its controls in tab order, each with an
// id, a kind, a text and a rectangle in dialog units. DialogBuilder turns a
// template into child widgets; TemplateColumn lays a template out so that
// nobody types coordinates.

enum class ControlKind {
    PushButton,
    DefaultPushButton,
    Edit, // one line
    MultiLineEdit,
    ComboBox, // drop-down list: nothing can be typed
    CheckBox,
    RadioButton,
    StaticText,
    GroupBox,
    ListView,     // report view with columns, single full-row selection
    ItemListView, // the same look, showing a model the owner sets
    Picture,      // picture or icon; `text` may name an image file or resource
    HyperLink,    // a clickable address line
};

// How a control follows the window when its client area grows by dx, dy.
enum AnchorFlag : unsigned {
    AnchorMoveRight = 1, // ignored together with AnchorStretchRight
    AnchorMoveDown = 2,  // ignored together with AnchorStretchDown
    AnchorStretchRight = 4,
    AnchorStretchDown = 8,
    // Two controls in one column that grow share dy: the first takes its upper
    // half (and what lies between them moves by that half), the second the rest.
    AnchorUpperHalf = 16,
    AnchorLowerHalf = 32,
    AnchorBottomRight = AnchorMoveRight | AnchorMoveDown,
    AnchorGrow = AnchorStretchRight | AnchorStretchDown,
};

enum ControlStyle : unsigned {
    StyleHidden = 1u << 0,
    StyleDisabled = 1u << 1,
    StyleReadOnly = 1u << 2,   // edits
    StyleDigitsOnly = 1u << 3, // one-line edits accept only 0-9
    StylePassword = 1u << 4,   // one-line edits
    StyleNoTabStop = 1u << 5,  // reachable by mouse only
    StyleNewGroup = 1u << 6,   // radio buttons: starts a new exclusive group
    StyleCentered = 1u << 7,   // static text
    StyleRightAligned = 1u << 8,
    StyleNoWrap = 1u << 9,  // static text stays on one line
    StyleNotify = 1u << 10, // static text and pictures: a ClickableLabel
};

// Rectangle in dialog units.
struct DialogRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct ControlTemplate {
    static constexpr int kNoId = -1; // labels and frames nobody looks up

    int id = kNoId;
    ControlKind kind = ControlKind::StaticText;
    QString text{};
    DialogRect rect{};
    unsigned anchors = 0;  // AnchorFlag bits
    unsigned style = 0;    // ControlStyle bits
    QStringList entries{}; // combo boxes
    QString helpKey{};     // help markers: where the field's definition stands
};

struct DialogTemplate {
    int number = 0;    // template number; also names the dialog's settings section
    QString caption{}; // window title; empty keeps the current one
    int width = 0;     // client size in dialog units; 0 keeps the current size
    int height = 0;
    std::vector<ControlTemplate> controls{}; // in tab order
};
