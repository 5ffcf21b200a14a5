#include "controls/StyledControlFactory.h"

#include "controls/AltLetterFilter.h"
#include "controls/CHyperLink.h"
#include "controls/CXPButton.h"
#include "controls/CXPGroupBox.h"

QWidget* StyledControlFactory::create(const ControlTemplate& control, QWidget* parent) const {
    switch (control.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton:
        return new CXPButton(parent);
    case ControlKind::GroupBox:
        return new CXPGroupBox(parent);
    case ControlKind::HyperLink:
        return new CHyperLink(parent);
    case ControlKind::MultiLineEdit: {
        QWidget* box = ControlFactory::create(control, parent);
        AltLetterFilter::install(box);
        return box;
    }
    default:
        return ControlFactory::create(control, parent);
    }
}
