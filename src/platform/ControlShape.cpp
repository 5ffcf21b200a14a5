#include "platform/ControlShape.h"

#include <utility>

namespace {

constexpr int kMarkerWidth = 11;
constexpr int kMarkerHeight = 10;
constexpr int kCheckBoxHeight = 10;

} // namespace

ControlShape::ControlShape(ControlKind kind, int width, int height) {
    m_control.kind = kind;
    m_control.rect = {0, 0, width, height};
}

ControlShape ControlShape::edit() {
    return {ControlKind::Edit, 0, kLineHeight};
}

ControlShape ControlShape::number() {
    ControlShape shape = edit();
    shape.m_control.style = StyleDigitsOnly;
    return shape;
}

ControlShape ControlShape::lines(int height) {
    return {ControlKind::MultiLineEdit, 0, height};
}

ControlShape ControlShape::combo(QStringList entries) {
    ControlShape shape(ControlKind::ComboBox, 0, kLineHeight);
    shape.m_control.entries = std::move(entries);
    return shape;
}

ControlShape ControlShape::checkBox(const QString& text) {
    ControlShape shape(ControlKind::CheckBox, 0, kCheckBoxHeight);
    shape.m_control.text = text;
    return shape;
}

ControlShape ControlShape::itemList(int height) {
    return {ControlKind::ItemListView, 0, height};
}

ControlShape ControlShape::reportList(int height) {
    return {ControlKind::ListView, 0, height};
}

ControlShape ControlShape::label(const QString& text) {
    ControlShape shape(ControlKind::StaticText, 0, kTextHeight);
    shape.m_control.text = text;
    shape.m_control.style = StyleNoWrap;
    return shape;
}

ControlShape ControlShape::text(const QString& text) {
    ControlShape shape = label(text);
    shape.m_control.style = 0;
    return shape;
}

ControlShape ControlShape::groupBox(const QString& title) {
    ControlShape shape(ControlKind::GroupBox, 0, 0);
    shape.m_control.text = title;
    return shape;
}

ControlShape ControlShape::button(const QString& text) {
    ControlShape shape(ControlKind::PushButton, kButtonWidth, kButtonHeight);
    shape.m_control.text = text;
    return shape;
}

ControlShape ControlShape::defaultButton(const QString& text) {
    ControlShape shape = button(text);
    shape.m_control.kind = ControlKind::DefaultPushButton;
    return shape;
}

ControlShape ControlShape::hyperLink(const QString& text) {
    ControlShape shape(ControlKind::HyperLink, 0, kTextHeight);
    shape.m_control.text = text;
    return shape;
}

ControlShape ControlShape::helpMarker(const QString& key) {
    ControlShape shape(ControlKind::Picture, kMarkerWidth, kMarkerHeight);
    shape.m_control.style = StyleNotify;
    shape.m_control.helpKey = key;
    return shape;
}

ControlShape& ControlShape::width(int units) {
    m_control.rect.width = units;
    return *this;
}

ControlShape& ControlShape::height(int units) {
    m_control.rect.height = units;
    return *this;
}

ControlShape& ControlShape::left(int x) {
    m_control.rect.x = x;
    m_hasLeft = true;
    return *this;
}

ControlShape& ControlShape::anchors(unsigned flags) {
    m_control.anchors = flags;
    m_hasAnchors = true;
    return *this;
}

ControlShape& ControlShape::style(unsigned flags) {
    m_control.style |= flags;
    return *this;
}

ControlShape& ControlShape::lastInTabOrder() {
    m_last = true;
    return *this;
}

ControlTemplate ControlShape::at(int x, int y, int id) const {
    return at({x, y, m_control.rect.width, m_control.rect.height}, id);
}

ControlTemplate ControlShape::at(DialogRect rect, int id) const {
    ControlTemplate control = m_control;
    control.id = id;
    control.rect = rect;
    return control;
}
