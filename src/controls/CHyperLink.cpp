#include "controls/CHyperLink.h"

#include "names/NamesAndAddresses.h"
#include "platform/Platform.h"
#include "platform/Prompts.h"
#include "platform/Shell.h"
#include "platform/ShellErrors.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

QString productName() {
    return QString::fromUtf8(names::kProductName.data(),
                             static_cast<qsizetype>(names::kProductName.size()));
}

} // namespace

CHyperLink::CHyperLink(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop); // as a static text control
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    updateColour();
}

CHyperLink::CHyperLink(const QString& text, const QString& address, QWidget* parent)
    : CHyperLink(parent) {
    QLabel::setText(text);
    m_address = address;
}

void CHyperLink::attach() {
    if (m_address.isEmpty()) {
        m_address = text();
    }
    if (text().isEmpty()) {
        QLabel::setText(m_address);
    }
    m_attached = true;
    applyOptions();
    setToolTip(m_address);
}

QString CHyperLink::address() const {
    return m_address.isEmpty() ? text() : m_address;
}

void CHyperLink::setAddress(const QString& address) {
    m_address = address;
    if (m_attached) {
        if (has(FitToText)) {
            fitToText();
        }
        setToolTip(m_address);
    }
}

void CHyperLink::setText(const QString& text) {
    QLabel::setText(text);
    if (m_attached && has(FitToText)) {
        fitToText();
    }
}

void CHyperLink::setOptions(unsigned options) {
    m_options = options;
    // Only the click part: a template may have taken the link out of the tab order.
    Qt::FocusPolicy policy = focusPolicy();
    policy = has(FocusOnClick) ? Qt::FocusPolicy(policy | Qt::ClickFocus)
                               : Qt::FocusPolicy(policy & ~Qt::ClickFocus);
    setFocusPolicy(policy);
    if (m_attached) {
        applyOptions();
    }
    updateColour();
}

void CHyperLink::applyOptions() {
    QFont linkFont = font();
    linkFont.setUnderline(has(Underline));
    setFont(linkFont);
    if (has(NoHandCursor)) {
        unsetCursor();
    } else {
        setCursor(Qt::PointingHandCursor);
    }
    if (has(FitToText)) {
        fitToText();
    }
    updateColour();
}

void CHyperLink::fitToText() {
    const QRect frame = geometry();
    const QRect contents = contentsRect().translated(frame.topLeft());
    const QMargins border(contents.left() - frame.left(), contents.top() - frame.top(),
                          frame.right() - contents.right(), frame.bottom() - contents.bottom());
    const QSize textSize = QFontMetrics(font()).size(0, text());
    setGeometry(fittedRect(contents, textSize, alignment()).marginsAdded(border));
}

QRect CHyperLink::fittedRect(const QRect& contents, const QSize& textSize,
                             Qt::Alignment alignment) {
    QRect fitted = contents;
    if ((alignment & Qt::AlignVCenter) != 0) {
        fitted.moveTop(contents.top() + (contents.height() - textSize.height()) / 2);
    }
    fitted.setHeight(textSize.height());
    if ((alignment & Qt::AlignHCenter) != 0) {
        fitted.moveLeft(contents.left() + (contents.width() - textSize.width()) / 2);
    } else if ((alignment & Qt::AlignRight) != 0) {
        fitted.moveLeft(contents.left() + contents.width() - textSize.width());
    }
    fitted.setWidth(textSize.width());
    return fitted;
}

bool CHyperLink::open() {
    const int result = Platform::shell().open(address());
    if (!Shell::succeeded(result)) {
        reportFailure(result);
        return false;
    }
    m_visited = true;
    updateColour();
    return true;
}

void CHyperLink::reportFailure(int result) {
    beep();
    Platform::prompts().message(this, {productName(), ShellErrors::linkFailureMessage(result),
                                       MessageIcon::Warning, MessageButtons::Ok});
}

void CHyperLink::beep() {
    QApplication::beep();
}

QColor CHyperLink::colourFor(unsigned options, bool over, bool active, bool visited) {
    if (over && (options & HoverColour) != 0) {
        return hoverColour();
    }
    if ((options & NoActiveColour) != 0 || !active) {
        return visited ? visitedColour() : linkColour();
    }
    return activeColour();
}

void CHyperLink::updateColour() {
    // Disabled links keep the palette's grey.
    QPalette colours = palette();
    colours.setColor(QPalette::Active, QPalette::WindowText, textColour());
    colours.setColor(QPalette::Inactive, QPalette::WindowText, textColour());
    setPalette(colours);
    update();
}

void CHyperLink::setOver(bool over) {
    if (m_over != over) {
        m_over = over;
        updateColour();
    }
}

bool CHyperLink::event(QEvent* event) {
    if (event->type() == QEvent::Polish && !m_attached) {
        attach();
    }
    return QLabel::event(event);
}

void CHyperLink::enterEvent(QEnterEvent* event) {
    setOver(true);
    QLabel::enterEvent(event);
}

void CHyperLink::leaveEvent(QEvent* event) {
    setOver(false);
    QLabel::leaveEvent(event);
}

void CHyperLink::mouseMoveEvent(QMouseEvent* event) {
    setOver(rect().contains(event->position().toPoint()));
    QLabel::mouseMoveEvent(event);
}

void CHyperLink::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    if (has(FocusOnClick)) {
        setFocus(Qt::MouseFocusReason);
    }
    if (has(OpenOnPress)) {
        open();
    }
    m_active = true;
    updateColour();
    event->accept();
}

void CHyperLink::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    // A press dragged off the link before release opens nothing.
    if (m_active && !has(OpenOnPress) && rect().contains(event->position().toPoint())) {
        open();
    }
    event->accept();
}

void CHyperLink::focusInEvent(QFocusEvent* event) {
    m_active = true;
    updateColour();
    QLabel::focusInEvent(event);
}

void CHyperLink::focusOutEvent(QFocusEvent* event) {
    m_active = false;
    m_over = false;
    updateColour();
    QLabel::focusOutEvent(event);
}

void CHyperLink::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Space) {
        QLabel::keyPressEvent(event);
        return;
    }
    // One open per press: a held key does not open the address again and again.
    if (!event->isAutoRepeat()) {
        open();
    }
    event->accept();
}
