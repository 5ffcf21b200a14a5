#include "controls/OutlookTabCtrlEx.h"

OutlookTabCtrlEx::OutlookTabCtrlEx(QWidget* parent) : OutlookTabCtrl(parent) {}

void OutlookTabCtrlEx::selected(OutlookTabItem* item) {
    emit itemSelected(item, item->label());
}
