#pragma once

#include <string>

#include "editor/EditorPage.h"

// The "FDA" section: whether the study has a U.S. FDA-regulated drug or
// device product and the device questions that follow from it, whether the
// product is exported from the U.S., and the IND/IDE information, which
// applies only to an IND/IDE protocol (answered on the Title page). The two
// questions the registry no longer asks (FDA-regulated intervention, Section
// 801) are shown only when the record answers them.
//
// Only the controls that apply are enabled. An answer the user changes empties
// what it no longer opens; a load empties nothing.
class FdaPage : public EditorPage {
    Q_OBJECT
public:
    enum ControlId {
        IDC_GROUP = 5100,
        IDC_LABEL_SECTION_801 = 5101,
        IDC_LABEL_DELAYED_POSTING = 5102,
        IDC_LABEL_IND_GRANTOR = 5103,
        IDC_LABEL_IND_NUMBER = 5104,
        IDC_LABEL_IND_SERIAL_NUMBER = 5105,
        IDC_LABEL_HAS_EXPANDED_ACCESS = 5106,
        IDC_LABEL_EXPANDED_ACCESS_RECORD = 5107,
        IDC_LABEL_FDA_REGULATED = 5108,
        IDC_LABEL_POST_PRIOR = 5109,
        IDC_LABEL_PED_POSTMARKET = 5110,
        IDC_LABEL_EXPORTED = 5111,
        IDC_SECTION_801 = 1040,
        IDC_DELAYED_POSTING = 1041,
        IDC_IND_GRANTOR = 1042,
        IDC_IND_NUMBER = 1043,
        IDC_IND_SERIAL_NUMBER = 1046,
        IDC_HAS_EXPANDED_ACCESS = 1044,
        IDC_EXPANDED_ACCESS_RECORD = 1045,
        IDC_FDA_DRUG = 1047,
        IDC_FDA_DEVICE = 1048,
        IDC_POST_PRIOR = 1049,
        IDC_PED_POSTMARKET = 1050,
        IDC_EXPORTED = 1051,
        IDC_FDA_REGULATED = 1052,
        IDC_MARKER_FDA_REGULATED = 1126,
        IDC_MARKER_SECTION_801 = 1135,
        IDC_MARKER_DELAYED_POSTING = 1129,
        IDC_MARKER_IND_GRANTOR = 1130,
        IDC_MARKER_IND_NUMBER = 1131,
        IDC_MARKER_IND_SERIAL_NUMBER = 1132,
        IDC_MARKER_HAS_EXPANDED_ACCESS = 1133,
        IDC_MARKER_EXPANDED_ACCESS_RECORD = 1134,
        IDC_MARKER_FDA_DRUG = 1204,
        IDC_MARKER_FDA_DEVICE = 1205,
        IDC_MARKER_POST_PRIOR = 1206,
        IDC_MARKER_PED_POSTMARKET = 1207,
        IDC_MARKER_EXPORTED = 1208,
    };
    static constexpr int kTemplateNumber = 135;

    static DialogTemplate pageTemplate();

    explicit FdaPage(QWidget* parent = nullptr);

protected:
    void onLoad(StudyRecord& record) override;
    void onStore(StudyRecord& record) override;

private:
    // Enables the controls; when `applies` is false and `empty` is set, empties them.
    void gate(std::initializer_list<int> controls, bool applies, bool empty);
    void gateSection801(bool empty);
    void gateDevice(bool empty);
    void gatePostPrior(bool empty);
    void gateExport(bool empty);
    void gateExpandedAccessRecord(bool empty);
    // Every gate from what the controls show, emptying nothing.
    void applyGates();
    bool answersYes(int id) const;
    bool exportApplies() const;

    // The Title page's IND answer as this page last loaded it.
    std::string m_loadedIndStudy;
};
