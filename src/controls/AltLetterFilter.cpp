#include "controls/AltLetterFilter.h"

#include <QKeyEvent>
#include <QWidget>

void AltLetterFilter::install(QWidget* box) {
    box->installEventFilter(new AltLetterFilter(box));
}

bool AltLetterFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        const QString text = key->text();
        if ((key->modifiers() & Qt::AltModifier) != 0 && !text.isEmpty() && text.at(0).isPrint()) {
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
