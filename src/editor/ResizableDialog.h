#pragma once

#include "platform/DialogControls.h"
#include "platform/DialogTemplate.h"

#include <QDialog>

class AnchorLayout;
class DialogUnits;

// The base of every resizable window: builds its controls from a template
// (styled buttons and group boxes), moves and stretches them by their anchors
// (an AnchorLayout) when the window is resized, refuses sizes more than 100 x 43 pixels below
// the creation size, draws a size grip in the bottom right corner and
// remembers the window size the user chose.
//
// The size is written as "CX" and "CY" (outer width and height) to the
// settings section named by the template number in lower-case hexadecimal
// when the window is destroyed, and only when the user actually resized it.
// Nothing reads the stored size back.
class ResizableDialog : public QDialog {
    Q_OBJECT
public:
    explicit ResizableDialog(int templateNumber, QWidget* parent = nullptr,
                             Qt::WindowFlags flags = {});
    ~ResizableDialog() override;

    int templateNumber() const { return m_templateNumber; }
    virtual QString settingsSection() const;

    // Adds the template's controls and registers their anchors. Call once,
    // from the constructor. Only windows get the minimum size and the stored
    // size.
    void buildControls(const DialogTemplate& dialogTemplate);
    void buildControls(const DialogTemplate& dialogTemplate, const DialogUnits& units);
    // For windows whose controls come from code: records the current size as
    // the creation size and restores a stored one. buildControls does this.
    void finishCreation();

    // Controls by id; controls made by code can be added to them.
    DialogControls& controls() { return m_controls; }
    const DialogControls& controls() const { return m_controls; }
    QWidget* control(int id) const { return m_controls.widget(id); }
    template <typename T> T* control(int id) const { return m_controls.get<T>(id); }

    // Anchors a control by id (one made by code, say); flags 0 and missing
    // controls add nothing, a second call replaces the flags.
    void addAnchor(int id, unsigned flags);
    // The layout that moves the controls; made on first use when the
    // controls came from code.
    AnchorLayout* anchorLayout();

    void setSizeGrip(bool enabled);
    bool hasSizeGrip() const { return m_sizeGrip; }
    void setRememberSize(bool remember) { m_rememberSize = remember; }

    // Client size when the controls were built; the minimum is derived from it.
    QSize creationSize() const { return m_creationSize; }
    bool wasResized() const { return m_resized; }
    // The size grip square in client coordinates, and whether a point hits it.
    QRect gripRect() const;
    bool inSizeGrip(const QPoint& position) const;

    static constexpr int kMinimumShrinkX = 100;
    static constexpr int kMinimumShrinkY = 43;

protected:
    // The first showing restores the size stored last and fits the window to
    // its screen's free area.
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void recordCreationSize(const QSize& creationSize);
    void writeSize();
    void fitToScreen();
    int gripExtent() const;

    int m_templateNumber;
    QString m_section;
    DialogControls m_controls;
    bool m_rememberSize = true;
    bool m_sizeGrip = true;
    QSize m_creationSize;
    QSize m_lastSize;
    bool m_resized = false;
    bool m_fitted = false;
    bool m_dragging = false;
    QPoint m_dragStart;
    QSize m_dragStartSize;
};
