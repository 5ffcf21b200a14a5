#pragma once

#include "platform/DialogTemplate.h"

#include <QString>
#include <QStringList>

// A control of a template before it has an id and a place: its kind, size
// in dialog units, text, entries and style. A TemplateColumn places it, or
// at() does; the anchors are the column's choice unless set here.
//
//     ControlShape::combo(yesNo())                     a drop-down list across the column
//     ControlShape::number().width(60)                 digits only, 60 units wide
//     ControlShape::lines(157).anchors(AnchorGrow)     a multi-line edit that grows with the page
//     ControlShape::button("OK").at(137, 229, IDC_OK)  a button at a place of its own
class ControlShape {
public:
    static constexpr int kLineHeight = 12; // edits and drop-down lists
    static constexpr int kTextHeight = 8;  // static text
    static constexpr int kButtonWidth = 50;
    static constexpr int kButtonHeight = 14;

    static ControlShape edit();
    // An edit that takes only the digits 0 to 9.
    static ControlShape number();
    static ControlShape lines(int height);
    static ControlShape combo(QStringList entries);
    static ControlShape checkBox(const QString& text);
    // A list of a model the owner sets.
    static ControlShape itemList(int height);
    // A list the owner fills row by row.
    static ControlShape reportList(int height);
    // One line of text that does not wrap.
    static ControlShape label(const QString& text);
    // Text that wraps within its width.
    static ControlShape text(const QString& text);
    static ControlShape groupBox(const QString& title);
    static ControlShape button(const QString& text);
    static ControlShape defaultButton(const QString& text);
    static ControlShape hyperLink(const QString& text);
    // The picture beside a field's label that shows the field's definition,
    // found under `key`.
    static ControlShape helpMarker(const QString& key);

    ControlShape& width(int units);
    ControlShape& height(int units);
    // The column places the control at `x` instead of its left edge.
    ControlShape& left(int x);
    ControlShape& anchors(unsigned flags);
    // Adds ControlStyle bits.
    ControlShape& style(unsigned flags);
    // The control stands in its place but comes last in the tab order.
    ControlShape& lastInTabOrder();

    const ControlTemplate& control() const { return m_control; }
    bool hasLeft() const { return m_hasLeft; }
    bool hasAnchors() const { return m_hasAnchors; }
    bool isLastInTabOrder() const { return m_last; }

    // The control with `id` at x, y, in its own size.
    ControlTemplate at(int x, int y, int id = ControlTemplate::kNoId) const;
    // The same in the size of `rect`.
    ControlTemplate at(DialogRect rect, int id = ControlTemplate::kNoId) const;

private:
    ControlShape(ControlKind kind, int width, int height);

    ControlTemplate m_control;
    bool m_hasLeft = false;
    bool m_hasAnchors = false;
    bool m_last = false;
};
