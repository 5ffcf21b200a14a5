#include "editor/FindingFrame.h"

#include "editor/EditorIcons.h"

#include <QEvent>
#include <QPainter>

namespace {

constexpr int kWidth = 2; // pixels outside the control

} // namespace

FindingFrame::FindingFrame(QWidget* control) : QWidget(control->parentWidget()), m_control(control) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    QWidget::hide();
    control->installEventFilter(this);
}

void FindingFrame::mark(RuleSeverity severity, const QString& text) {
    if (m_control == nullptr) {
        return;
    }
    if (!m_marked) {
        m_ownToolTip = m_control->toolTip();
    }
    m_marked = true;
    m_severity = severity;
    m_control->setToolTip(text);
    follow();
    update();
}

void FindingFrame::clear() {
    if (m_marked && m_control != nullptr) {
        m_control->setToolTip(m_ownToolTip);
    }
    m_marked = false;
    QWidget::hide();
}

// Hidden with its control, so a field a page hides (by study type, say) shows
// no frame where it was.
void FindingFrame::follow() {
    if (!m_marked || m_control == nullptr) {
        return;
    }
    setGeometry(m_control->geometry().adjusted(-kWidth, -kWidth, kWidth, kWidth));
    setVisible(m_control->isVisibleTo(parentWidget()));
    raise();
}

bool FindingFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_control) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            follow();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FindingFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(EditorIcons::findingColour(m_severity), kWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(kWidth / 2.0, kWidth / 2.0, -kWidth / 2.0, -kWidth / 2.0));
}
