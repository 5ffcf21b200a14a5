#include "editor/StatusPage.h"

#include "editor/MonthYearDate.h"
#include "model/StudyRecord.h"
#include "platform/TextCodec.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {

constexpr std::string_view kExpandedAccess = "Expanded Access";

const QStringList kTypes = {QStringLiteral("Anticipated"), QStringLiteral("Actual")};

// Only a study that stopped early has a reason for stopping.
bool hasStopped(std::string_view status) {
    for (std::string_view word : {"Suspended", "Terminated", "Withdrawn"}) {
        if (status.find(word) != std::string_view::npos) {
            return true;
        }
    }
    return false;
}

bool isExpandedAccess(const StudyRecord& record) {
    return record.study_design.study_type.displayText() == kExpandedAccess;
}

QStringList monthEntries() {
    QStringList entries;
    for (std::string_view name : MonthYearDate::monthNames()) {
        entries << TextCodec::decode(name);
    }
    return entries;
}

ControlTemplate statusLabel(const char* text, DialogRect rect, int id = ControlTemplate::kNoId,
                            unsigned style = 0) {
    return {.id = id,
            .kind = ControlKind::StaticText,
            .text = QString::fromLatin1(text),
            .rect = rect,
            .style = StyleNoWrap | style};
}

ControlTemplate combo(int id, DialogRect rect, QStringList entries, unsigned anchors,
                      unsigned style = 0) {
    return {.id = id,
            .kind = ControlKind::ComboBox,
            .rect = rect,
            .anchors = anchors,
            .style = style,
            .entries = std::move(entries)};
}

ControlTemplate edit(int id, DialogRect rect, unsigned style = 0) {
    return {.id = id,
            .kind = ControlKind::Edit,
            .rect = rect,
            .anchors = AnchorStretchRight,
            .style = style};
}

// The "Month" box and the "Year" box of one date, on one row.
void addMonthYear(std::vector<ControlTemplate>& controls, int y, int monthId, int yearId,
                  int monthLabelId = ControlTemplate::kNoId,
                  int yearLabelId = ControlTemplate::kNoId) {
    controls.push_back(statusLabel("Month", {14, y + 2, 24, 8}, monthLabelId));
    controls.push_back(combo(monthId, {40, y, 70, 12}, monthEntries(), 0));
    controls.push_back(statusLabel("Year", {118, y + 2, 20, 8}, yearLabelId));
    controls.push_back(edit(yearId, {140, y, 90, 12}, StyleDigitsOnly));
}

void addType(std::vector<ControlTemplate>& controls, int y, int typeId, int labelId) {
    controls.push_back(statusLabel("Type", {14, y + 2, 24, 8}, labelId));
    controls.push_back(combo(typeId, {40, y, 190, 12}, kTypes, AnchorStretchRight));
}

} // namespace

DialogTemplate StatusPage::pageTemplate() {
    std::vector<ControlTemplate> c = {
        {.id = IDC_GROUP,
         .kind = ControlKind::GroupBox,
         .text = QStringLiteral("Status"),
         .rect = {4, 2, 254, 98},
         .anchors = AnchorStretchRight},
        {.id = IDC_DATES_GROUP,
         .kind = ControlKind::GroupBox,
         .text = QStringLiteral("Key Trial Dates"),
         .rect = {4, 104, 254, 225},
         .anchors = AnchorGrow},
        statusLabel("Record Verification Date", {14, 14, 200, 8}),
        marker(IDC_MARKER_VERIFICATION_DATE, 14, "VerificationDate"),
    };
    addMonthYear(c, 24, IDC_VERIFICATION_MONTH, IDC_VERIFICATION_YEAR);
    c.push_back(
        statusLabel("Overall Recruitment Status", {14, 42, 200, 8}, IDC_LABEL_RECRUITMENT_STATUS));
    c.push_back(statusLabel("Expanded Access Status", {14, 42, 200, 8},
                            IDC_LABEL_EXPANDED_ACCESS_STATUS, StyleHidden));
    c.push_back(marker(IDC_MARKER_RECRUITMENT_STATUS, 42, "OverallStatus"));
    ControlTemplate expandedMarker =
        marker(IDC_MARKER_EXPANDED_ACCESS_STATUS, 42, "ExpandedAccessStatus");
    expandedMarker.style |= StyleHidden;
    c.push_back(expandedMarker);
    c.push_back(
        combo(IDC_RECRUITMENT_STATUS, {14, 52, 216, 12},
              {QStringLiteral("Not yet recruiting"), QStringLiteral("Recruiting"),
               QStringLiteral("Enrolling by invitation"), QStringLiteral("Active, not recruiting"),
               QStringLiteral("Completed"), QStringLiteral("Suspended"),
               QStringLiteral("Terminated"), QStringLiteral("Withdrawn")},
              AnchorStretchRight));
    c.push_back(statusLabel("Why Study Stopped", {14, 70, 200, 8}, IDC_LABEL_WHY_STOPPED));
    c.push_back(marker(IDC_MARKER_WHY_STOPPED, 70, "OverallStatus"));
    c.push_back(edit(IDC_WHY_STOPPED, {14, 80, 216, 12}));

    c.push_back(statusLabel("Study Start Date", {14, 116, 200, 8}, IDC_LABEL_START_DATE));
    c.push_back(marker(IDC_MARKER_START_DATE, 116, "StartDate"));
    addMonthYear(c, 126, IDC_START_MONTH, IDC_START_YEAR, IDC_LABEL_START_MONTH,
                 IDC_LABEL_START_YEAR);
    c.push_back(statusLabel("Primary Completion Date", {14, 146, 200, 8},
                            IDC_LABEL_PRIMARY_COMPLETION_DATE));
    c.push_back(marker(IDC_MARKER_PRIMARY_COMPLETION_DATE, 146, "PrimaryCompletionDate"));
    addMonthYear(c, 156, IDC_PRIMARY_COMPLETION_MONTH, IDC_PRIMARY_COMPLETION_YEAR,
                 IDC_LABEL_PRIMARY_COMPLETION_MONTH, IDC_LABEL_PRIMARY_COMPLETION_YEAR);
    addType(c, 172, IDC_PRIMARY_COMPLETION_TYPE, IDC_LABEL_PRIMARY_COMPLETION_TYPE);
    c.push_back(statusLabel("Study Completion Date", {14, 192, 200, 8}, IDC_LABEL_COMPLETION_DATE));
    c.push_back(marker(IDC_MARKER_COMPLETION_DATE, 192, "LastFollowUpDate"));
    addMonthYear(c, 202, IDC_COMPLETION_MONTH, IDC_COMPLETION_YEAR, IDC_LABEL_COMPLETION_MONTH,
                 IDC_LABEL_COMPLETION_YEAR);
    addType(c, 218, IDC_COMPLETION_TYPE, IDC_LABEL_COMPLETION_TYPE);

    // Shown in place of the recruitment status; last in the tab order.
    c.push_back(combo(IDC_EXPANDED_ACCESS_STATUS, {14, 52, 216, 12},
                      {QStringLiteral("Available"), QStringLiteral("No longer available"),
                       QStringLiteral("Temporarily not available"),
                       QStringLiteral("Approved for marketing")},
                      0, StyleHidden));
    return EditorPage::pageTemplate(kTemplateNumber, std::move(c));
}

StatusPage::StatusPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
    connect(control<QComboBox>(IDC_RECRUITMENT_STATUS), &QComboBox::currentIndexChanged, this,
            &StatusPage::recruitmentStatusChanged);
    using R = StudyRecord;
    bind(IDC_RECRUITMENT_STATUS, [](R& r) -> FieldValue& { return r.overall_status; });
    bind(IDC_EXPANDED_ACCESS_STATUS, [](R& r) -> FieldValue& { return r.expanded_access_status; });
    bind(IDC_WHY_STOPPED, [](R& r) -> FieldValue& { return r.why_stopped; });
    bind(IDC_PRIMARY_COMPLETION_TYPE,
         [](R& r) -> FieldValue& { return r.primary_compl_date_type; });
    bind(IDC_COMPLETION_TYPE, [](R& r) -> FieldValue& { return r.last_follow_up_date_type; });
}

namespace {

constexpr int kRecruitmentGroup[] = {StatusPage::IDC_LABEL_RECRUITMENT_STATUS,
                                     StatusPage::IDC_RECRUITMENT_STATUS,
                                     StatusPage::IDC_MARKER_RECRUITMENT_STATUS};
constexpr int kExpandedAccessGroup[] = {StatusPage::IDC_LABEL_EXPANDED_ACCESS_STATUS,
                                        StatusPage::IDC_EXPANDED_ACCESS_STATUS,
                                        StatusPage::IDC_MARKER_EXPANDED_ACCESS_STATUS};
constexpr int kWhyStoppedGroup[] = {StatusPage::IDC_LABEL_WHY_STOPPED, StatusPage::IDC_WHY_STOPPED};
constexpr int kKeyDatesGroup[] = {
    StatusPage::IDC_LABEL_START_DATE,
    StatusPage::IDC_LABEL_START_MONTH,
    StatusPage::IDC_LABEL_START_YEAR,
    StatusPage::IDC_LABEL_PRIMARY_COMPLETION_DATE,
    StatusPage::IDC_LABEL_PRIMARY_COMPLETION_MONTH,
    StatusPage::IDC_LABEL_PRIMARY_COMPLETION_YEAR,
    StatusPage::IDC_LABEL_PRIMARY_COMPLETION_TYPE,
    StatusPage::IDC_LABEL_COMPLETION_DATE,
    StatusPage::IDC_LABEL_COMPLETION_MONTH,
    StatusPage::IDC_LABEL_COMPLETION_YEAR,
    StatusPage::IDC_LABEL_COMPLETION_TYPE,
    StatusPage::IDC_START_MONTH,
    StatusPage::IDC_START_YEAR,
    StatusPage::IDC_PRIMARY_COMPLETION_MONTH,
    StatusPage::IDC_PRIMARY_COMPLETION_YEAR,
    StatusPage::IDC_PRIMARY_COMPLETION_TYPE,
    StatusPage::IDC_COMPLETION_MONTH,
    StatusPage::IDC_COMPLETION_YEAR,
    StatusPage::IDC_COMPLETION_TYPE,
};

} // namespace

// The groups follow the study type and the status; what they hold stays
// until the user changes it (the editor's OK drops what does not belong to the
// final study type).
void StatusPage::applyStudyType(bool expandedAccess) {
    showControls(kRecruitmentGroup, !expandedAccess);
    showControls(kExpandedAccessGroup, expandedAccess);
    enableControls(kKeyDatesGroup, !expandedAccess);
}

void StatusPage::loadDate(int monthId, int yearId, std::string_view dateText) {
    if (auto* month = control<QComboBox>(monthId)) {
        month->setCurrentIndex(MonthYearDate::monthEntry(dateText));
        remember(monthId);
    }
    setText(yearId, MonthYearDate::year(dateText));
}

// A date the boxes show as loaded keeps its text: a day, or a form the boxes
// cannot show, is not lost.
bool StatusPage::dateTouched(int monthId, int yearId) const {
    return touched(monthId) || touched(yearId);
}

std::string StatusPage::dateText(int monthId, int yearId) const {
    return MonthYearDate::dateText(text(yearId), text(monthId));
}

void StatusPage::onLoad(StudyRecord& record) {
    const bool expandedAccess = isExpandedAccess(record);
    applyStudyType(expandedAccess);
    enableControls(kWhyStoppedGroup,
                   !expandedAccess && hasStopped(record.overall_status.displayText()));
    loadDate(IDC_VERIFICATION_MONTH, IDC_VERIFICATION_YEAR, record.verification_date);
    loadDate(IDC_START_MONTH, IDC_START_YEAR, record.start_date.displayText());
    loadDate(IDC_PRIMARY_COMPLETION_MONTH, IDC_PRIMARY_COMPLETION_YEAR,
             record.primary_compl_date.displayText());
    // Older records kept the completion date as their end date; it is shown
    // there, and becomes the completion date once the user edits it.
    const std::string& completion = record.last_follow_up_date.displayText().empty()
                                        ? record.end_date
                                        : record.last_follow_up_date.xmlText();
    loadDate(IDC_COMPLETION_MONTH, IDC_COMPLETION_YEAR, completion);
}

void StatusPage::onStore(StudyRecord& record) {
    if (dateTouched(IDC_VERIFICATION_MONTH, IDC_VERIFICATION_YEAR)) {
        record.verification_date = dateText(IDC_VERIFICATION_MONTH, IDC_VERIFICATION_YEAR);
    }
    if (dateTouched(IDC_START_MONTH, IDC_START_YEAR)) {
        record.start_date.setText(dateText(IDC_START_MONTH, IDC_START_YEAR));
    }
    if (dateTouched(IDC_PRIMARY_COMPLETION_MONTH, IDC_PRIMARY_COMPLETION_YEAR)) {
        record.primary_compl_date.setText(
            dateText(IDC_PRIMARY_COMPLETION_MONTH, IDC_PRIMARY_COMPLETION_YEAR));
    }
    if (dateTouched(IDC_COMPLETION_MONTH, IDC_COMPLETION_YEAR)) {
        record.last_follow_up_date.setText(dateText(IDC_COMPLETION_MONTH, IDC_COMPLETION_YEAR));
    }
}

void StatusPage::recruitmentStatusChanged() {
    const bool stopped = hasStopped(text(IDC_RECRUITMENT_STATUS));
    enableControls(kWhyStoppedGroup, stopped);
    if (!stopped) {
        setText(IDC_WHY_STOPPED, std::string_view());
    }
}
