#include "editor/ResizableDialog.h"

#include "editor/StyledBuilder.h"
#include "platform/AnchorLayout.h"
#include "platform/DialogBuilder.h"
#include "platform/DialogUnits.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionSizeGrip>
#include <QWindow>
#include <utility>

namespace {

const QString kWidthKey = QStringLiteral("CX");
const QString kHeightKey = QStringLiteral("CY");

} // namespace

ResizableDialog::ResizableDialog(int templateNumber, QWidget* parent, Qt::WindowFlags flags)
    : QDialog(parent, flags), m_templateNumber(templateNumber),
      m_section(QString::number(templateNumber, 16)) {
    setMouseTracking(true);
}

ResizableDialog::~ResizableDialog() {
    writeSize();
}

QString ResizableDialog::settingsSection() const {
    return QString::number(m_templateNumber, 16);
}

void ResizableDialog::buildControls(const DialogTemplate& dialogTemplate) {
    buildControls(dialogTemplate, DialogUnits::fromFont(font()));
}

void ResizableDialog::buildControls(const DialogTemplate& dialogTemplate,
                                    const DialogUnits& units) {
    m_section = settingsSection();
    m_controls = StyledBuilder::get().buildAnchored(this, dialogTemplate, units);
    finishCreation();
}

void ResizableDialog::finishCreation() {
    recordCreationSize(size());
    m_lastSize = size();
}

void ResizableDialog::addAnchor(int id, unsigned flags) {
    anchorLayout()->addAnchored(control(id), flags);
}

AnchorLayout* ResizableDialog::anchorLayout() {
    if (auto* anchors = qobject_cast<AnchorLayout*>(layout())) {
        return anchors;
    }
    return new AnchorLayout(this);
}

void ResizableDialog::setSizeGrip(bool enabled) {
    m_sizeGrip = enabled;
    update(gripRect());
}

void ResizableDialog::recordCreationSize(const QSize& creationSize) {
    m_creationSize = creationSize;
    if (isWindow()) {
        setMinimumSize(
            (m_creationSize - QSize(kMinimumShrinkX, kMinimumShrinkY)).expandedTo(QSize(0, 0)));
    }
}

void ResizableDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_fitted && isWindow()) {
        m_fitted = true;
        fitToScreen();
    }
}

// The stored size is the outer one; the frame is known only once the window
// manager framed the window, and counts as nothing before.
void ResizableDialog::fitToScreen() {
    const QSize frame = frameGeometry().size() - size();
    QSize wanted = size();
    if (m_rememberSize) {
        const SettingsStore& settings = Platform::settings();
        const QSize stored(settings.readProfileInt(m_section, kWidthKey, 0),
                           settings.readProfileInt(m_section, kHeightKey, 0));
        if (stored.width() > 0 && stored.height() > 0) {
            wanted = (stored - frame).expandedTo(minimumSize());
        }
    }
    if (const QScreen* shownOn = screen()) {
        const QSize room = shownOn->availableGeometry().size() - frame;
        setMinimumSize(minimumSize().boundedTo(room));
        wanted = wanted.boundedTo(room);
    }
    if (wanted != size()) {
        resize(wanted);
        m_resized = false; // restored or fitted, not chosen by the user now
    }
}

void ResizableDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (isMinimized()) {
        return;
    }
    const QSize now = event->size();
    if (m_lastSize.isEmpty()) {
        // The first size of a window whose controls came from code.
        if (m_creationSize.isEmpty()) {
            recordCreationSize(now);
        }
    } else if (now != m_lastSize) {
        m_resized = true;
    }
    m_lastSize = now;
    if (m_sizeGrip) {
        update(gripRect());
    }
}

int ResizableDialog::gripExtent() const {
    return style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
}

QRect ResizableDialog::gripRect() const {
    const int extent = gripExtent();
    return QRect(width() - extent, height() - extent, extent, extent);
}

bool ResizableDialog::inSizeGrip(const QPoint& position) const {
    return m_sizeGrip && gripRect().contains(position);
}

void ResizableDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (!m_sizeGrip) {
        return;
    }
    QPainter painter(this);
    QStyleOptionSizeGrip option;
    option.initFrom(this);
    option.rect = gripRect();
    option.corner = Qt::BottomRightCorner;
    style()->drawControl(QStyle::CE_SizeGrip, &option, &painter, this);
}

void ResizableDialog::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !isWindow() ||
        !inSizeGrip(event->position().toPoint())) {
        QDialog::mousePressEvent(event);
        return;
    }
    event->accept();
    // Let the window system drag the corner where it can; otherwise follow the mouse.
    if (windowHandle() != nullptr &&
        windowHandle()->startSystemResize(Qt::RightEdge | Qt::BottomEdge)) {
        return;
    }
    m_dragging = true;
    m_dragStart = event->globalPosition().toPoint();
    m_dragStartSize = size();
}

void ResizableDialog::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragging) {
        resize(m_dragStartSize + QSize(event->globalPosition().toPoint().x() - m_dragStart.x(),
                                       event->globalPosition().toPoint().y() - m_dragStart.y()));
        event->accept();
        return;
    }
    if (isWindow() && inSizeGrip(event->position().toPoint())) {
        setCursor(Qt::SizeFDiagCursor);
    } else {
        unsetCursor();
    }
    QDialog::mouseMoveEvent(event);
}

void ResizableDialog::mouseReleaseEvent(QMouseEvent* event) {
    if (m_dragging && event->button() == Qt::LeftButton) {
        m_dragging = false;
        event->accept();
        return;
    }
    QDialog::mouseReleaseEvent(event);
}

void ResizableDialog::writeSize() {
    if (!m_rememberSize || !m_resized || m_lastSize.isEmpty()) {
        return;
    }
    const QSize outer = frameGeometry().size();
    SettingsStore& settings = Platform::settings();
    settings.writeProfileInt(m_section, kWidthKey, outer.width());
    settings.writeProfileInt(m_section, kHeightKey, outer.height());
    m_resized = false;
    m_lastSize = QSize();
}
