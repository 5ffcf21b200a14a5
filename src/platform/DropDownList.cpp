#include "platform/DropDownList.h"

#include <QWheelEvent>

DropDownList::DropDownList(QWidget* parent) : QComboBox(parent) {
    // Not Qt::WheelFocus: a wheel turn must not take the focus either.
    setFocusPolicy(Qt::StrongFocus);
}

void DropDownList::wheelEvent(QWheelEvent* event) {
    if (!hasFocus()) {
        event->ignore(); // the page or its scroll area gets it
        return;
    }
    QComboBox::wheelEvent(event);
}
