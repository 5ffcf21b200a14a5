#pragma once

#include <QString>
#include <string_view>
#include <vector>

struct RuleFinding;

// Where the editor shows a rule finding: a section (its place in
// editorSections()) and the control there that edits the finding's element
// (0 when the section has none of its own).
struct FindingPlace {
    int section = -1;
    int control = 0;
    // For an element of a list, the name of one entry ("Location").
    const char* entry = nullptr;

    // Every place that edits the finding's element, most fitting first: the
    // longest element path that contains it, several where more than one page
    // edits it (the enrollment of either design). Without such a path, the
    // section of the finding's registry module; none when the editor has no page
    // for it.
    static std::vector<FindingPlace> candidates(const RuleFinding& finding);

    // The finding's message as the editor shows it at `place`, naming the
    // list entry ("Location 2: ...").
    static QString describe(const RuleFinding& finding, const FindingPlace& place);
};
