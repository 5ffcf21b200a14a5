#pragma once

#include <QColor>
#include <QPushButton>
#include <array>

// The push button of every dialog: a rounded black frame around a vertical
// colour gradient, an orange rim while the mouse is over it and a blue rim
// while it has the keyboard focus. Only the look differs from QPushButton.
class CXPButton : public QPushButton {
    Q_OBJECT
public:
    static constexpr int kGradientSteps = 64;
    using Gradient = std::array<QColor, kGradientSteps>;

    enum class Rim { None, Hover, Focus };

    struct RimPen {
        int width;
        QColor colour;
    };
    struct RimPens {
        RimPen left;
        RimPen top;
        RimPen right;
        RimPen bottom;
    };

    explicit CXPButton(QWidget* parent = nullptr);
    explicit CXPButton(const QString& text, QWidget* parent = nullptr);

    // The top colour of the gradient; `use` false restores white.
    void setBaseColour(bool use, int red, int green, int blue);
    QColor baseColour() const { return m_baseColour; }
    bool isHovered() const { return m_hovered; }

    // Pressed, default and focused buttons use the stronger gradient.
    bool strongGradient() const;
    Rim rim() const { return rimFor(m_hovered, hasFocus()); }
    // The caption as drawn: the text without its "&" marks.
    QString displayText() const { return captionText(text()); }

    static Gradient gradientColours(const QColor& base, bool hovered, bool strong);
    // The gradient colour of row `row` of a fill `height` rows high.
    static int gradientIndex(int row, int height);
    static Rim rimFor(bool hovered, bool focused);
    static const RimPens& rimPens(Rim rim);
    static QString captionText(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void paintFrame(QPainter& painter) const;
    void paintGradient(QPainter& painter, const QRect& inner) const;
    void paintRim(QPainter& painter, const QRect& inner) const;
    void paintCaption(QPainter& painter, const QRect& inner) const;

    QColor m_baseColour{255, 255, 255};
    bool m_hovered = false;
};
