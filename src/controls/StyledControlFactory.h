#pragma once

#include "platform/ControlFactory.h"

// The factory every dialog builds with: push buttons become CXPButton, group
// boxes CXPGroupBox and hyperlinks CHyperLink, and multi-line boxes ignore
// Alt+letter; every other kind is the platform's plain widget.
class StyledControlFactory : public ControlFactory {
public:
    QWidget* create(const ControlTemplate& control, QWidget* parent) const override;
};
