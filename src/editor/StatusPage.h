#pragma once

#include "editor/EditorPage.h"

#include <string>
#include <string_view>

// The "Status" section: the record verification date, the recruitment status
// (or, for an expanded access record, the expanded access status), why the
// study stopped, and the key trial dates with their types. Every date is a
// month box and a year box, kept in the record as a year-month text; the key
// trial dates take an optional day as well.
//
// Loading writes into the record: fields that do not apply to the record's
// study type or status are emptied, and a record without a completion date
// takes its old end date as one.
class StatusPage : public EditorPage {
    Q_OBJECT
public:
    enum ControlId {
        IDC_GROUP = 5100,
        IDC_DATES_GROUP = 5101,
        IDC_VERIFICATION_MONTH = 1057,
        IDC_VERIFICATION_YEAR = 1056,
        IDC_RECRUITMENT_STATUS = 1058,
        IDC_WHY_STOPPED = 1059,
        IDC_START_MONTH = 1061,
        IDC_START_YEAR = 1060,
        IDC_PRIMARY_COMPLETION_MONTH = 1063,
        IDC_PRIMARY_COMPLETION_YEAR = 1062,
        IDC_PRIMARY_COMPLETION_TYPE = 1065,
        IDC_COMPLETION_MONTH = 1068,
        IDC_COMPLETION_YEAR = 1067,
        IDC_COMPLETION_TYPE = 1069,
        IDC_EXPANDED_ACCESS_STATUS = 1071,
        IDC_START_DAY = 1072,
        IDC_PRIMARY_COMPLETION_DAY = 1073,
        IDC_COMPLETION_DAY = 1074,
        IDC_START_TYPE = 1075,
        IDC_LABEL_RECRUITMENT_STATUS = 5110,
        IDC_LABEL_EXPANDED_ACCESS_STATUS = 5111,
        IDC_LABEL_WHY_STOPPED = 5112,
        IDC_LABEL_START_DATE = 5120,
        IDC_LABEL_START_MONTH = 5121,
        IDC_LABEL_START_YEAR = 5122,
        IDC_LABEL_PRIMARY_COMPLETION_DATE = 5123,
        IDC_LABEL_PRIMARY_COMPLETION_MONTH = 5124,
        IDC_LABEL_PRIMARY_COMPLETION_YEAR = 5125,
        IDC_LABEL_PRIMARY_COMPLETION_TYPE = 5126,
        IDC_LABEL_COMPLETION_DATE = 5127,
        IDC_LABEL_COMPLETION_MONTH = 5128,
        IDC_LABEL_COMPLETION_YEAR = 5129,
        IDC_LABEL_COMPLETION_TYPE = 5130,
        IDC_LABEL_START_DAY = 5131,
        IDC_LABEL_PRIMARY_COMPLETION_DAY = 5132,
        IDC_LABEL_COMPLETION_DAY = 5133,
        IDC_LABEL_START_TYPE = 5134,
        IDC_MARKER_VERIFICATION_DATE = 1148,
        IDC_MARKER_RECRUITMENT_STATUS = 1149,
        IDC_MARKER_EXPANDED_ACCESS_STATUS = 1186,
        IDC_MARKER_WHY_STOPPED = 1150,
        IDC_MARKER_START_DATE = 1151,
        IDC_MARKER_PRIMARY_COMPLETION_DATE = 1152,
        IDC_MARKER_COMPLETION_DATE = 1153,
    };
    static constexpr int kTemplateNumber = 504;

    // The boxes of one date; no day box for a date without a day.
    struct DateBoxes {
        int month;
        int year;
        int day = 0;
    };

    static DialogTemplate pageTemplate();

    explicit StatusPage(QWidget* parent = nullptr);

    // The recruitment status selection changed: a study that did not stop
    // has no reason for stopping.
    void recruitmentStatusChanged();

protected:
    void onLoad(StudyRecord& record) override;
    void onStore(StudyRecord& record) override;

private:
    void applyStudyType(bool expandedAccess);
    void loadDate(const DateBoxes& boxes, std::string_view dateText);
    // Writes the date only when the user changed one of its boxes.
    void storeDate(const DateBoxes& boxes, FieldValue& date) const;
    bool dateTouched(const DateBoxes& boxes) const;
    std::string dateText(const DateBoxes& boxes) const;
};
