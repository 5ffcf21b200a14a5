#include "editor/NoneChoice.h"

#include <QCheckBox>
#include <algorithm>

namespace {

void enable(const std::vector<QCheckBox*>& boxes, bool enabled) {
    for (QCheckBox* box : boxes) {
        box->setEnabled(enabled);
    }
}

} // namespace

NoneChoice::NoneChoice(QCheckBox* none, std::vector<QCheckBox*> choices)
    : m_none(none), m_choices(std::move(choices)) {
    // The boxes belong to the page; the handler keeps its own list, so this
    // object may be moved.
    QObject::connect(m_none, &QCheckBox::toggled, m_none, [choices = m_choices](bool checked) {
        if (checked) {
            for (QCheckBox* choice : choices) {
                choice->setChecked(false);
            }
        }
        enable(choices, !checked);
    });
}

void NoneChoice::showLoaded() const {
    const bool anyChosen =
        std::ranges::any_of(m_choices, [](const QCheckBox* choice) { return choice->isChecked(); });
    enable(m_choices, !m_none->isChecked() || anyChosen);
}
