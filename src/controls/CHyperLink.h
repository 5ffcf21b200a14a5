#pragma once

#include <QColor>
#include <QLabel>

// A line of text that is a link: drawn in the link colours, with a hand
// cursor and its address as tooltip, it opens the address in the user's
// browser (Platform::shell()) when clicked, or when the space bar is pressed
// while it has the focus. A failed open beeps and says why (Platform::prompts()).
//
// Bind it after its text and geometry are in place: attach() takes the text as
// address when none was set (and the address as text when there is no text),
// underlines the font, fits the control to its text and sets the tooltip. A
// link that was not attached explicitly is attached before it is first shown.
class CHyperLink : public QLabel {
    Q_OBJECT
public:
    enum Option : unsigned {
        Underline = 0x01,
        HoverColour = 0x02,    // the hover colour while the mouse is over the link
        FitToText = 0x04,      // the control shrinks or grows to its text
        OpenOnPress = 0x08,    // open on button press instead of release
        FocusOnClick = 0x10,   // a click takes the keyboard focus
        NoHandCursor = 0x20,   // keep the normal cursor
        NoActiveColour = 0x40, // a pressed or focused link keeps its colour
    };
    static constexpr unsigned kDefaultOptions = Underline | FitToText | FocusOnClick;

    static QColor linkColour() { return {0, 0, 255}; }
    static QColor visitedColour() { return {128, 0, 128}; }
    static QColor activeColour() { return {0, 128, 128}; }
    static QColor hoverColour() { return {255, 0, 0}; }

    explicit CHyperLink(QWidget* parent = nullptr);
    CHyperLink(const QString& text, const QString& address, QWidget* parent = nullptr);

    void attach();
    bool isAttached() const { return m_attached; }

    // What open() opens: the address set, or the text while none is.
    QString address() const;
    void setAddress(const QString& address);
    // Hides QLabel::setText: keeps the fit to the text once attached.
    void setText(const QString& text);

    unsigned options() const { return m_options; }
    void setOptions(unsigned options);

    // Resizes the control to its text in its font, after its alignment.
    void fitToText();

    // Opens the address; true on success, which marks the link visited.
    bool open();

    bool isOver() const { return m_over; }
    bool isActive() const { return m_active; }
    bool isVisited() const { return m_visited; }

    // The colour the text is drawn in now.
    QColor textColour() const { return colourFor(m_options, m_over, m_active, m_visited); }
    static QColor colourFor(unsigned options, bool over, bool active, bool visited);

    // Where a control whose contents fill `contents` and show text of
    // `textSize` with `alignment` puts its contents after fitting.
    static QRect fittedRect(const QRect& contents, const QSize& textSize, Qt::Alignment alignment);

protected:
    // The failure sound; a separate hook so that tests can hear it.
    virtual void beep();

    bool event(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool has(Option option) const { return (m_options & option) != 0; }
    void applyOptions();
    void setOver(bool over);
    void updateColour();
    void reportFailure(int result);

    QString m_address;
    unsigned m_options = kDefaultOptions;
    bool m_attached = false;
    bool m_over = false;
    bool m_active = false;
    bool m_visited = false;
};
