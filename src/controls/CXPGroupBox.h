#pragma once

#include <QColor>
#include <QGroupBox>

// The group box of every dialog: a rounded frame with the title set into its
// top edge on a filled background. The pages fill the title white.
class CXPGroupBox : public QGroupBox {
    Q_OBJECT
public:
    explicit CXPGroupBox(QWidget* parent = nullptr);
    explicit CXPGroupBox(const QString& title, QWidget* parent = nullptr);

    void setFillColour(const QColor& colour);
    void setFrameColour(const QColor& colour);
    void setTextColour(const QColor& colour);
    void setCentredTitle(bool centred);

    QColor fillColour() const { return m_fill; }
    QColor frameColour() const { return m_frame; }
    QColor textColour() const { return m_text; }

    // The title as drawn: one space added at each end, unless it is empty.
    QString displayTitle() const { return paddedTitle(title()); }
    static QString paddedTitle(const QString& title);

    // Where the title and the frame go in a box of `size` for a title of `titleSize`.
    QRect titleRect(const QSize& size, const QSize& titleSize) const;
    static QRect frameRect(const QSize& size, const QSize& titleSize);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_fill;
    QColor m_frame;
    QColor m_text;
    bool m_centred = false;
};
