#pragma once

#include "platform/ControlShape.h"
#include "platform/DialogTemplate.h"

#include <QString>
#include <utility>
#include <vector>

// The text above a field (or beside it, in a row).
struct FieldLabel {
    FieldLabel(const char* text) : text(QString::fromLatin1(text)) {}
    FieldLabel(QString text, int id = ControlTemplate::kNoId) : text(std::move(text)), id(id) {}

    QString text;
    int id = ControlTemplate::kNoId; // for code that hides or disables it
    int lines = 1;                   // more than one wrap within the width
    int width = 0;                   // 0: the column's label width, or its control's in a row
    int left = -1;                   // -1: the column's left edge, or its control's in a row
    unsigned style = 0;              // ControlStyle bits
};

// The picture beside a field's label that opens the field's definition.
struct HelpMarker {
    int id = ControlTemplate::kNoId;
    QString key; // none: no marker
    unsigned style = 0;
};

// Lays out a template from the top down so that nobody types coordinates:
// each field is its label, the help marker beside the label and the control
// below it, and the next field starts below that. Inserting a field moves
// everything after it. Rectangles are in dialog units.
//
//     TemplateColumn col(metrics, 2);
//     col.group(IDC_GROUP, "Title");
//     col.field("Brief Title", IDC_BRIEF_TITLE, ControlShape::edit(), {IDC_MARKER, "BriefTitle"});
//
// Anchors follow from the place: with `stretch`, a control that ends at the
// column's right edge widens with the window; everything placed after a
// control that grows downward moves down with it; markers stay at the right.
class TemplateColumn {
public:
    struct Metrics {
        int left = 0;       // labels and controls
        int width = 0;      // controls, up to the column's right edge
        int labelWidth = 0; // labels above their control
        int markerX = 0;
        int labelGap = 2; // between a label and its control
        int gap = 6;      // below a control one line high
        int blockGap = 8; // below a taller one
        int groupLeft = 0;
        int groupWidth = 0;
        int groupInset = 14; // from a group box's top to its first field
        int groupGap = 6;    // between one group box and the next
        bool stretch = false;
    };

    // A control or label beside the others in a row (ControlShape::label for a text).
    struct Cell {
        int id;
        ControlShape shape;
    };
    struct Field {
        FieldLabel label;
        int id;
        ControlShape shape;
    };

    TemplateColumn(const Metrics& metrics, int top);

    // The label, its marker, and the control below the label.
    void field(const FieldLabel& label, int id, const ControlShape& shape,
               const HelpMarker& marker = {});
    // Fields side by side, each at its shape's left edge; the labels come first
    // in the table, then the marker, then the controls.
    void fields(const std::vector<Field>& row, const HelpMarker& marker = {}, int gap = -1);
    // A label and its marker over the rows that follow.
    void caption(const FieldLabel& label, const HelpMarker& marker = {});
    // Controls and labels side by side on one line, centred on the tallest;
    // `gap` below them (-1: the usual).
    void row(const std::vector<Cell>& cells, int gap = -1);
    // A control at the cursor.
    void control(int id, const ControlShape& shape);
    // Another control in the place of the last one, shown instead of it.
    void alternative(int id, const ControlShape& shape);
    // Buttons from the left edge, 4 units apart, `gap` below the control placed
    // last; the markers `markerDrop` below their top.
    void buttons(const std::vector<Cell>& buttons, int gap,
                 const std::vector<HelpMarker>& markers = {}, int markerDrop = 2);
    // A label or marker at the cursor; the cursor stays.
    void label(const FieldLabel& label);
    // A control on the line of a label at the cursor (a link after a caption);
    // the cursor stays.
    void beside(int id, const ControlShape& shape);
    void marker(const HelpMarker& marker);
    // Moves the cursor below a line of labels at the cursor.
    void belowLabel(int lines = 1);
    // A control at a place of its own, next in the table.
    void add(ControlTemplate control);

    // A group box from the cursor down, until endGroup() or closeGroup().
    void group(int id, const QString& title);
    // Ends the group `extra` below the cursor; the next one starts `gap` lower
    // (-1: the usual).
    void endGroup(int extra = 0, int gap = -1);
    // Ends the group at `bottom` with `anchors`.
    void closeGroup(int bottom, unsigned anchors);

    void space(int units) { m_y += units; }
    int y() const { return m_y; }
    // The lowest edge of any control so far.
    int bottom() const { return m_bottom; }
    const Metrics& metrics() const { return m_metrics; }

    // In tab order: as placed, with those placed last in the tab order after.
    std::vector<ControlTemplate> controls() const;

private:
    ControlTemplate placed(int id, const ControlShape& shape, int y) const;
    void append(ControlTemplate control, bool last = false);
    void appendMarker(const HelpMarker& marker, int y);
    unsigned followed(unsigned anchors) const;
    void noteGrowth(unsigned anchors);
    int labelHeight(const FieldLabel& label) const;
    int gapBelow(int height) const;
    ControlTemplate labelAt(const FieldLabel& label, int x, int width, int y) const;

    Metrics m_metrics;
    int m_y;
    int m_bottom = 0;
    bool m_growing = false;     // a control that grows downward has been placed
    bool m_upperHalf = false;   // ... and it takes the upper half of the growth
    int m_group = -1;           // the open group box, as an index into m_controls
    ControlTemplate m_previous; // the control placed last
    std::vector<ControlTemplate> m_controls;
    std::vector<ControlTemplate> m_last;
};
