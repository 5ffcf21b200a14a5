#pragma once

#include "editor/EditorPage.h"
#include "editor/NoneChoice.h"

#include <optional>

// The "Expanded Access" section of an expanded access record: which kinds of
// access the record offers, any that apply. The registry keeps them with the
// study design, which such a record otherwise lacks.
//
// "No expanded access type" is shown only when the record answers it; like
// No Masking, checking it unchecks and disables the three types.
class ExpandedAccessPage : public EditorPage {
    Q_OBJECT
public:
    enum ControlId {
        IDC_GROUP = 5100,
        IDC_INDIVIDUAL = 1301,
        IDC_INTERMEDIATE = 1302,
        IDC_TREATMENT = 1303,
        IDC_NO_TYPE = 1304,
        IDC_MARKER_TYPES = 1311,
    };
    static constexpr int kTemplateNumber = 530;

    static DialogTemplate pageTemplate();

    explicit ExpandedAccessPage(QWidget* parent = nullptr);

protected:
    void onLoad(StudyRecord& record) override;
    void onStore(StudyRecord& record) override;

private:
    std::optional<NoneChoice> m_types;
};
