#include "platform/DialogControls.h"

#include "platform/DialogTemplate.h"

namespace {
const char* const kIdProperty = "controlId";
}

void DialogControls::add(int id, QWidget* widget) {
    if (id == ControlTemplate::kNoId || widget == nullptr) {
        return;
    }
    widget->setProperty(kIdProperty, id);
    m_byId.insert(id, widget);
}

QWidget* DialogControls::widget(int id) const {
    return m_byId.value(id).data();
}

int DialogControls::idOf(const QWidget* widget) {
    if (widget == nullptr) {
        return ControlTemplate::kNoId;
    }
    bool ok = false;
    const int id = widget->property(kIdProperty).toInt(&ok);
    return ok ? id : ControlTemplate::kNoId;
}
