#include "editor/EditorNavigationBar.h"

#include "editor/ProtocolEditor.h"

EditorNavigationBar::EditorNavigationBar(ProtocolEditor* editor, QWidget* parent)
    : OutlookTabCtrlEx(parent), m_editor(editor) {}

bool EditorNavigationBar::canSelect(OutlookTabItem*) {
    return true;
}

void EditorNavigationBar::selected(OutlookTabItem* item) {
    OutlookTabCtrlEx::selected(item);
    if (m_editor != nullptr) {
        m_editor->showSection(item->label());
    }
}
