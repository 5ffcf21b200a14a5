#pragma once

#include "editor/EditorIcons.h"

#include <QString>
#include <vector>

class EditorPage;
class QWidget;

// One section of the protocol editor: its button in the navigation bar and the
// page it shows. The table of all sections (editorSections) is the only place
// a section is defined; the editor, its tests and the screenshots follow it.
struct EditorSection {
    // Which study types the navigation bar offers the section for; the type is
    // compared exactly, as the Title page's drop-down list writes it.
    enum Offered {
        Always,
        ForInterventional,
        ForObservational,
        ForEitherDesign,
        ForExpandedAccess
    };

    const char* label;    // button text, and the name ProtocolEditor::showSection() takes
    const char* itemText; // shown in the bar's content area
    EditorIcons::Picture icon;
    EditorPage* (*makePage)(QWidget* panel);
    Offered offered = Always;

    bool offeredFor(const QString& studyType) const;
};

// Every section in the order of the navigation bar. It names every page, so it
// is defined in editor/lists/, which sees the pages of both folders.
const std::vector<EditorSection>& editorSections();
