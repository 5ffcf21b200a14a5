#pragma once

#include <vector>

class QCheckBox;

// A "none of these" check box over the check boxes it rules out (no masking
// over the masked roles, say). Checking it unchecks and disables them;
// unchecking it enables them again. Only the user's clicks do this: a load
// sets the boxes without signals, so a record's answers are never changed by
// being shown.
class NoneChoice {
public:
    NoneChoice(QCheckBox* none, std::vector<QCheckBox*> choices);

    // After a load: the choices are disabled when "none" is checked and none
    // of them is. A record that says both keeps them editable, so that the
    // user can settle it.
    void showLoaded() const;

private:
    QCheckBox* m_none;
    std::vector<QCheckBox*> m_choices;
};
