#pragma once

#include <QComboBox>

// The drop-down list of every page and dialog. A wheel turn changes it only
// while it has the focus: turned over a page that scrolls, or by accident
// while the pointer rests on it, it would otherwise change a value the user
// never meant to touch (the study type, with all that follows from it).
class DropDownList : public QComboBox {
    Q_OBJECT
public:
    explicit DropDownList(QWidget* parent = nullptr);

protected:
    void wheelEvent(QWheelEvent* event) override;
};
