#pragma once

#include "editor/EditorPage.h"

// The "IPD Sharing" section: whether individual participant data will be
// shared, how, what comes with it, when and where. What follows the plan is
// open only while the plan is Yes; a record's own values are never cleared on
// load, only when the user answers the plan otherwise and the page stores.
class IpdSharingPage : public EditorPage {
    Q_OBJECT
public:
    enum ControlId {
        IDC_GROUP = 5100,
        IDC_LABEL_INFO_TYPES = 5101,
        IDC_LABEL_TIME_FRAME = 5102,
        IDC_LABEL_ACCESS_CRITERIA = 5103,
        IDC_LABEL_URL = 5104,
        IDC_PLAN = 1200,
        IDC_DESCRIPTION = 1201,
        IDC_PROTOCOL = 1202,
        IDC_SAP = 1203,
        IDC_ICF = 1204,
        IDC_CSR = 1205,
        IDC_ANALYTIC_CODE = 1206,
        IDC_TIME_FRAME = 1207,
        IDC_ACCESS_CRITERIA = 1208,
        IDC_URL = 1209,
        IDC_MARKER_PLAN = 1301,
        IDC_MARKER_DESCRIPTION = 1302,
        IDC_MARKER_INFO_TYPES = 1303,
        IDC_MARKER_TIME_FRAME = 1304,
        IDC_MARKER_ACCESS_CRITERIA = 1305,
        IDC_MARKER_URL = 1306,
    };
    static constexpr int kTemplateNumber = 520;

    static DialogTemplate pageTemplate();

    explicit IpdSharingPage(QWidget* parent = nullptr);

protected:
    void onLoad(StudyRecord& record) override;
    void onStore(StudyRecord& record) override;

private:
    bool planIsYes() const;
    void enableSharedDetails(bool enabled);
};
