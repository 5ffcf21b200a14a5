#pragma once

#include <QObject>

class QWidget;

// Keeps Alt+letter out of a text box. A mnemonic is a shortcut and never
// reaches the box; any Alt+letter that does is a missed mnemonic, and a text
// box would otherwise type the letter.
class AltLetterFilter : public QObject {
    Q_OBJECT
public:
    // Filters `box`'s keys with a filter the box owns.
    static void install(QWidget* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit AltLetterFilter(QObject* parent) : QObject(parent) {}
};
