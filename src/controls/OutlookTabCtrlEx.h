#pragma once

#include "controls/OutlookTabCtrl.h"

// The bar as dialogs use it. Subclasses override canSelect() and selected();
// without an override a click is always allowed and itemSelected is emitted.
class OutlookTabCtrlEx : public OutlookTabCtrl {
    Q_OBJECT

public:
    explicit OutlookTabCtrlEx(QWidget* parent = nullptr);

signals:
    void itemSelected(OutlookTabItem* item, const QString& label);

protected:
    void selected(OutlookTabItem* item) override;
};
