#pragma once

#include "controls/OutlookTabCtrlEx.h"

class ProtocolEditor;

// The editor's navigation bar: every item may be selected, and a selection
// shows the section of that label.
class EditorNavigationBar : public OutlookTabCtrlEx {
    Q_OBJECT
public:
    EditorNavigationBar(ProtocolEditor* editor, QWidget* parent);

protected:
    bool canSelect(OutlookTabItem* item) override;
    void selected(OutlookTabItem* item) override;

private:
    ProtocolEditor* m_editor;
};
