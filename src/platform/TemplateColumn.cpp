#include "platform/TemplateColumn.h"

#include <algorithm>

namespace {

constexpr int kButtonSpacing = 4;

} // namespace

TemplateColumn::TemplateColumn(const Metrics& metrics, int top) : m_metrics(metrics), m_y(top) {}

void TemplateColumn::field(const FieldLabel& label, int id, const ControlShape& shape,
                           const HelpMarker& marker) {
    caption(label, marker);
    control(id, shape);
}

void TemplateColumn::fields(const std::vector<Field>& row, const HelpMarker& marker, int gap) {
    int labels = 0;
    for (const Field& field : row) {
        const DialogRect place = placed(field.id, field.shape, m_y).rect;
        const int width = field.label.width > 0 ? field.label.width : place.width;
        append(
            labelAt(field.label, field.label.left >= 0 ? field.label.left : place.x, width, m_y));
        labels = std::max(labels, labelHeight(field.label));
    }
    this->marker(marker);
    const int top = m_y + labels + m_metrics.labelGap;
    int height = 0;
    unsigned growth = 0; // noted after the row: its cells do not follow each other
    for (const Field& field : row) {
        const ControlTemplate control = placed(field.id, field.shape, top);
        height = std::max(height, control.rect.height);
        if ((control.anchors & AnchorStretchDown) != 0) {
            growth = control.anchors;
        }
        append(control, field.shape.isLastInTabOrder());
    }
    noteGrowth(growth);
    m_y = top + height + (gap < 0 ? gapBelow(height) : gap);
}

void TemplateColumn::caption(const FieldLabel& label, const HelpMarker& marker) {
    this->label(label);
    this->marker(marker);
    belowLabel(label.lines);
}

void TemplateColumn::belowLabel(int lines) {
    m_y += ControlShape::kTextHeight * lines + m_metrics.labelGap;
}

void TemplateColumn::row(const std::vector<Cell>& cells, int gap) {
    int height = 0;
    for (const Cell& cell : cells) {
        height = std::max(height, cell.shape.control().rect.height);
    }
    for (const Cell& cell : cells) {
        append(placed(cell.id, cell.shape, m_y + (height - cell.shape.control().rect.height) / 2),
               cell.shape.isLastInTabOrder());
    }
    m_y += height + (gap < 0 ? gapBelow(height) : gap);
}

void TemplateColumn::control(int id, const ControlShape& shape) {
    const ControlTemplate control = placed(id, shape, m_y);
    append(control, shape.isLastInTabOrder());
    noteGrowth(control.anchors);
    m_y += control.rect.height + gapBelow(control.rect.height);
}

void TemplateColumn::alternative(int id, const ControlShape& shape) {
    ControlTemplate control = shape.at(m_previous.rect, id);
    control.anchors = shape.hasAnchors() ? followed(control.anchors) : m_previous.anchors;
    append(control, shape.isLastInTabOrder());
}

void TemplateColumn::buttons(const std::vector<Cell>& buttons, int gap,
                             const std::vector<HelpMarker>& markers, int markerDrop) {
    const int y = m_previous.rect.y + m_previous.rect.height + gap;
    int x = m_metrics.left;
    for (const Cell& button : buttons) {
        ControlShape shape = button.shape;
        shape.left(x);
        append(placed(button.id, shape, y));
        x += shape.control().rect.width + kButtonSpacing;
    }
    for (const HelpMarker& marker : markers) {
        appendMarker(marker, y + markerDrop);
    }
    m_y = y + ControlShape::kButtonHeight + m_metrics.gap;
}

void TemplateColumn::label(const FieldLabel& label) {
    const int width = label.width > 0 ? label.width : m_metrics.labelWidth;
    append(labelAt(label, label.left >= 0 ? label.left : m_metrics.left, width, m_y));
}

void TemplateColumn::beside(int id, const ControlShape& shape) {
    append(placed(id, shape, m_y), shape.isLastInTabOrder());
}

// Level with a label at the cursor: a pixel above its text.
void TemplateColumn::marker(const HelpMarker& marker) {
    appendMarker(marker, m_y - 1);
}

void TemplateColumn::add(ControlTemplate control) {
    append(std::move(control));
}

void TemplateColumn::group(int id, const QString& title) {
    m_group = static_cast<int>(m_controls.size());
    m_controls.push_back(
        ControlShape::groupBox(title).at({m_metrics.groupLeft, m_y, m_metrics.groupWidth, 0}, id));
    m_y += m_metrics.groupInset;
}

void TemplateColumn::endGroup(int extra, int gap) {
    const int bottom = m_y + extra;
    closeGroup(bottom, m_metrics.stretch ? unsigned(AnchorStretchRight) : 0u);
    m_y = bottom + (gap < 0 ? m_metrics.groupGap : gap);
}

void TemplateColumn::closeGroup(int bottom, unsigned anchors) {
    if (m_group < 0) {
        return;
    }
    ControlTemplate& box = m_controls[static_cast<std::size_t>(m_group)];
    box.rect.height = bottom - box.rect.y;
    box.anchors = anchors;
    m_group = -1;
}

std::vector<ControlTemplate> TemplateColumn::controls() const {
    std::vector<ControlTemplate> all = m_controls;
    all.insert(all.end(), m_last.begin(), m_last.end());
    return all;
}

// Across the rest of the column unless the shape has a width; widening with
// the window when it reaches the right edge.
ControlTemplate TemplateColumn::placed(int id, const ControlShape& shape, int y) const {
    const DialogRect& size = shape.control().rect;
    const int x = shape.hasLeft() ? size.x : m_metrics.left;
    const int right = m_metrics.left + m_metrics.width;
    const int width = size.width > 0 ? size.width : right - x;
    ControlTemplate control = shape.at({x, y, width, size.height}, id);
    if (!shape.hasAnchors()) {
        control.anchors =
            m_metrics.stretch && x + width == right ? unsigned(AnchorStretchRight) : 0u;
    }
    control.anchors = followed(control.anchors);
    return control;
}

void TemplateColumn::append(ControlTemplate control, bool last) {
    m_bottom = std::max(m_bottom, control.rect.y + control.rect.height);
    m_previous = control;
    (last ? m_last : m_controls).push_back(std::move(control));
}

void TemplateColumn::appendMarker(const HelpMarker& marker, int y) {
    if (marker.key.isEmpty()) {
        return;
    }
    ControlTemplate picture =
        ControlShape::helpMarker(marker.key).at(m_metrics.markerX, y, marker.id);
    picture.style |= marker.style;
    picture.anchors = followed(AnchorMoveRight);
    append(std::move(picture));
}

// Below a control that grows downward, everything moves down with its bottom;
// below one that takes the upper half, by that half, and the next control that
// grows takes the rest.
unsigned TemplateColumn::followed(unsigned anchors) const {
    if (!m_growing) {
        return anchors;
    }
    const unsigned half = m_upperHalf ? unsigned(AnchorUpperHalf) : 0u;
    if ((anchors & AnchorStretchDown) == 0) {
        return anchors | AnchorMoveDown | half;
    }
    return m_upperHalf ? anchors | AnchorLowerHalf : anchors;
}

void TemplateColumn::noteGrowth(unsigned anchors) {
    if ((anchors & AnchorStretchDown) != 0) {
        m_growing = true;
        m_upperHalf = (anchors & AnchorUpperHalf) != 0;
    }
}

int TemplateColumn::labelHeight(const FieldLabel& label) const {
    return ControlShape::kTextHeight * label.lines;
}

int TemplateColumn::gapBelow(int height) const {
    return height <= ControlShape::kLineHeight ? m_metrics.gap : m_metrics.blockGap;
}

ControlTemplate TemplateColumn::labelAt(const FieldLabel& label, int x, int width, int y) const {
    ControlTemplate text =
        ControlShape::label(label.text).at({x, y, width, labelHeight(label)}, label.id);
    if (label.lines > 1) {
        text.style = 0; // wraps
    }
    text.style |= label.style;
    text.anchors = followed(0);
    return text;
}
