#pragma once

#include "controls/OutlookTabColours.h"
#include "controls/OutlookTabCtrlBase.h"

#include <QRect>
#include <QString>
#include <vector>

class QPainter;

// Adds painting in the system colours with two accent colours derived from
// them, and tooltips for items collapsed into the strip.
class OutlookTabCtrl : public OutlookTabCtrlBase {
    Q_OBJECT

public:
    struct Tool {
        QRect rect;
        QString text;
    };

    explicit OutlookTabCtrl(QWidget* parent = nullptr);

    const OutlookTabSystemColours& systemColours() const { return m_system; }
    const OutlookTabAccentColours& accentColours() const { return m_accent; }
    // One tool per visible collapsed item, rebuilt by every layout.
    const std::vector<Tool>& tools() const { return m_tools; }
    // The tooltip text at a point; empty where no tool is.
    QString toolTipAt(QPoint point) const;
    OutlookTabButtonState buttonState(const OutlookTabItem* item) const;

protected:
    void layoutChanged() override;
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

    // Draws the whole bar; paintEvent hands it an off-screen buffer.
    virtual void paintBar(QPainter& painter);

private:
    void updateColours();
    void paintBorder(QPainter& painter) const;
    void paintCaption(QPainter& painter) const;
    void paintSeparator(QPainter& painter) const;
    void paintItem(QPainter& painter, const OutlookTabItem& item) const;
    void paintButton(QPainter& painter, const OutlookTabItem& item,
                     const OutlookTabButtonState& state) const;
    void paintStripCell(QPainter& painter, const OutlookTabItem& item,
                        const OutlookTabButtonState& state) const;
    QPixmap iconFor(const OutlookTabItem& item, bool large) const;

    OutlookTabSystemColours m_system;
    OutlookTabAccentColours m_accent;
    std::vector<Tool> m_tools;
};
