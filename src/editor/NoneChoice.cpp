#include "editor/NoneChoice.h"

#include <QCheckBox>
#include <algorithm>

NoneChoice::NoneChoice(QCheckBox* none, std::vector<QCheckBox*> choices)
    : m_none(none), m_choices(std::move(choices)) {
    // The boxes belong to the page; the handler keeps its own list, so this
    // object may be moved.
    QObject::connect(m_none, &QCheckBox::toggled, m_none, [choices = m_choices](bool checked) {
        for (QCheckBox* choice : choices) {
            if (checked) {
                choice->setChecked(false);
            }
            choice->setEnabled(!checked);
        }
    });
}

void NoneChoice::showLoaded() const {
    const bool anyChosen = std::ranges::any_of(
        m_choices, [](const QCheckBox* choice) { return choice->isChecked(); });
    enableChoices(!m_none->isChecked() || anyChosen);
}

void NoneChoice::enableChoices(bool enabled) const {
    for (QCheckBox* choice : m_choices) {
        choice->setEnabled(enabled);
    }
}
