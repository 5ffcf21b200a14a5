#include "editor/ResizableDialog.h"

#include "editor/StyledBuilder.h"
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
    m_controls = StyledBuilder::get().build(this, dialogTemplate, units);
    for (const ControlTemplate& control : dialogTemplate.controls) {
        addAnchor(control.id, control.anchors);
    }
    finishCreation();
}

void ResizableDialog::finishCreation() {
    recordCreationSize(size());
    m_lastSize = size();
}

void ResizableDialog::addAnchor(int id, unsigned flags) {
    if (flags == 0) {
        return;
    }
    m_anchors.push_back({id, flags});
    m_placements.push_back({});
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
        moveAnchoredControls(now.width() - m_lastSize.width(), now.height() - m_lastSize.height());
    }
    m_lastSize = now;
    if (m_sizeGrip) {
        update(gripRect());
    }
}

void ResizableDialog::moveAnchoredControls(int dx, int dy) {
    for (std::size_t i = 0; i < m_anchors.size(); ++i) {
        QWidget* widget = control(m_anchors[i].id);
        if (widget == nullptr) {
            continue;
        }
        Placement& placement = m_placements[i];
        // Start from the remembered rectangle unless code moved the control since.
        const QRect current = widget->geometry();
        const QRect from =
            current == placement.applied && !placement.wanted.isNull() ? placement.wanted : current;
        placement.wanted = applyAnchor(from, m_anchors[i].flags, dx, dy);
        widget->setGeometry(
            QRect(placement.wanted.topLeft(), placement.wanted.size().expandedTo(QSize(0, 0))));
        placement.applied = widget->geometry();
        widget->update();
    }
}

QRect ResizableDialog::applyAnchor(const QRect& rect, unsigned flags, int dx, int dy) {
    QRect result = rect;
    if ((flags & AnchorStretchRight) != 0) {
        result.setRight(result.right() + dx);
    } else if ((flags & AnchorMoveRight) != 0) {
        result.translate(dx, 0);
    }
    if ((flags & AnchorStretchDown) != 0) {
        result.setBottom(result.bottom() + dy);
    } else if ((flags & AnchorMoveDown) != 0) {
        result.translate(0, dy);
    }
    return result;
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
