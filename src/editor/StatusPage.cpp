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

using C = ControlShape;

TemplateColumn::Cell label(const char* text, int x, int width, int id = ControlTemplate::kNoId) {
    return {id, C::label(QString::fromLatin1(text)).left(x).width(width)};
}

// The labels of one date's boxes, for code that disables them.
struct DateLabels {
    int month = ControlTemplate::kNoId;
    int year = ControlTemplate::kNoId;
    int day = ControlTemplate::kNoId;
};

// The month, (day,) and year boxes of one date on one row; the year box
// widens with the page.
void dateRow(TemplateColumn& col, const StatusPage::DateBoxes& boxes, const DateLabels& labels) {
    std::vector<TemplateColumn::Cell> cells = {
        label("Month", 14, 24, labels.month),
        {boxes.month, C::combo(monthEntries()).left(40).width(boxes.day != 0 ? 62 : 70)},
    };
    if (boxes.day != 0) {
        cells.push_back(label("Day", 108, 16, labels.day));
        cells.push_back({boxes.day, C::edit().left(126).width(20).style(StyleDigitsOnly)});
        cells.push_back(label("Year", 152, 18, labels.year));
        cells.push_back({boxes.year, C::edit().left(172).style(StyleDigitsOnly)});
    } else {
        cells.push_back(label("Year", 118, 20, labels.year));
        cells.push_back({boxes.year, C::edit().left(140).style(StyleDigitsOnly)});
    }
    col.row(cells);
}

void typeRow(TemplateColumn& col, int typeId, int labelId) {
    col.row({label("Type", 14, 24, labelId), {typeId, C::combo(kTypes).left(40)}});
}

FieldLabel hiddenLabel(const char* text, int id) {
    FieldLabel hidden(QString::fromLatin1(text), id);
    hidden.style = StyleHidden;
    return hidden;
}

constexpr StatusPage::DateBoxes kVerification = {StatusPage::IDC_VERIFICATION_MONTH,
                                                 StatusPage::IDC_VERIFICATION_YEAR};
constexpr StatusPage::DateBoxes kStart = {StatusPage::IDC_START_MONTH, StatusPage::IDC_START_YEAR,
                                          StatusPage::IDC_START_DAY};
constexpr StatusPage::DateBoxes kPrimaryCompletion = {StatusPage::IDC_PRIMARY_COMPLETION_MONTH,
                                                      StatusPage::IDC_PRIMARY_COMPLETION_YEAR,
                                                      StatusPage::IDC_PRIMARY_COMPLETION_DAY};
constexpr StatusPage::DateBoxes kCompletion = {StatusPage::IDC_COMPLETION_MONTH,
                                               StatusPage::IDC_COMPLETION_YEAR,
                                               StatusPage::IDC_COMPLETION_DAY};

} // namespace

DialogTemplate StatusPage::pageTemplate() {
    TemplateColumn col = EditorPage::column();
    col.group(IDC_GROUP, QStringLiteral("Status"));
    col.caption("Record Verification Date", {IDC_MARKER_VERIFICATION_DATE, "VerificationDate"});
    dateRow(col, kVerification, {});
    // The expanded access status stands in the place of the recruitment
    // status, hidden until the study type asks for it; last in the tab order.
    col.label(hiddenLabel("Expanded Access Status", IDC_LABEL_EXPANDED_ACCESS_STATUS));
    col.marker({IDC_MARKER_EXPANDED_ACCESS_STATUS, QStringLiteral("ExpandedAccessStatus"),
                StyleHidden});
    col.field({QStringLiteral("Overall Recruitment Status"), IDC_LABEL_RECRUITMENT_STATUS},
              IDC_RECRUITMENT_STATUS,
              C::combo({QStringLiteral("Not yet recruiting"), QStringLiteral("Recruiting"),
                        QStringLiteral("Enrolling by invitation"),
                        QStringLiteral("Active, not recruiting"), QStringLiteral("Completed"),
                        QStringLiteral("Suspended"), QStringLiteral("Terminated"),
                        QStringLiteral("Withdrawn")}),
              {IDC_MARKER_RECRUITMENT_STATUS, "OverallStatus"});
    col.alternative(IDC_EXPANDED_ACCESS_STATUS,
                    C::combo({QStringLiteral("Available"), QStringLiteral("No longer available"),
                              QStringLiteral("Temporarily not available"),
                              QStringLiteral("Approved for marketing")})
                        .style(StyleHidden)
                        .lastInTabOrder());
    col.field({QStringLiteral("Why Study Stopped"), IDC_LABEL_WHY_STOPPED}, IDC_WHY_STOPPED,
              C::edit(), {IDC_MARKER_WHY_STOPPED, "OverallStatus"});
    col.endGroup();

    col.group(IDC_DATES_GROUP, QStringLiteral("Key Trial Dates"));
    col.caption({QStringLiteral("Study Start Date"), IDC_LABEL_START_DATE},
                {IDC_MARKER_START_DATE, "StartDate"});
    dateRow(col, kStart, {IDC_LABEL_START_MONTH, IDC_LABEL_START_YEAR, IDC_LABEL_START_DAY});
    typeRow(col, IDC_START_TYPE, IDC_LABEL_START_TYPE);
    col.caption({QStringLiteral("Primary Completion Date"), IDC_LABEL_PRIMARY_COMPLETION_DATE},
                {IDC_MARKER_PRIMARY_COMPLETION_DATE, "PrimaryCompletionDate"});
    dateRow(col, kPrimaryCompletion,
            {IDC_LABEL_PRIMARY_COMPLETION_MONTH, IDC_LABEL_PRIMARY_COMPLETION_YEAR,
             IDC_LABEL_PRIMARY_COMPLETION_DAY});
    typeRow(col, IDC_PRIMARY_COMPLETION_TYPE, IDC_LABEL_PRIMARY_COMPLETION_TYPE);
    col.caption({QStringLiteral("Study Completion Date"), IDC_LABEL_COMPLETION_DATE},
                {IDC_MARKER_COMPLETION_DATE, "LastFollowUpDate"});
    dateRow(col, kCompletion,
            {IDC_LABEL_COMPLETION_MONTH, IDC_LABEL_COMPLETION_YEAR, IDC_LABEL_COMPLETION_DAY});
    typeRow(col, IDC_COMPLETION_TYPE, IDC_LABEL_COMPLETION_TYPE);
    col.closeGroup(329, AnchorGrow);
    return EditorPage::pageTemplate(kTemplateNumber, col);
}

StatusPage::StatusPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
    connect(control<QComboBox>(IDC_RECRUITMENT_STATUS), &QComboBox::currentIndexChanged, this,
            &StatusPage::recruitmentStatusChanged);
    using R = StudyRecord;
    bind(IDC_RECRUITMENT_STATUS, [](R& r) -> FieldValue& { return r.overall_status; });
    bind(IDC_EXPANDED_ACCESS_STATUS, [](R& r) -> FieldValue& { return r.expanded_access_status; });
    bind(IDC_WHY_STOPPED, [](R& r) -> FieldValue& { return r.why_stopped; });
    bind(IDC_START_TYPE, [](R& r) -> FieldValue& { return r.start_date_type; });
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
    StatusPage::IDC_LABEL_START_DAY,
    StatusPage::IDC_LABEL_START_TYPE,
    StatusPage::IDC_LABEL_PRIMARY_COMPLETION_DAY,
    StatusPage::IDC_LABEL_COMPLETION_DAY,
    StatusPage::IDC_START_DAY,
    StatusPage::IDC_START_TYPE,
    StatusPage::IDC_PRIMARY_COMPLETION_DAY,
    StatusPage::IDC_COMPLETION_DAY,
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

void StatusPage::loadDate(const DateBoxes& boxes, std::string_view dateText) {
    if (auto* month = control<QComboBox>(boxes.month)) {
        month->setCurrentIndex(MonthYearDate::monthEntry(dateText));
        remember(boxes.month);
    }
    setText(boxes.year, MonthYearDate::year(dateText));
    if (boxes.day != 0) {
        setText(boxes.day, MonthYearDate::day(dateText));
    }
}

// A date the boxes show as loaded keeps its text: a form the boxes cannot
// show is not lost.
bool StatusPage::dateTouched(const DateBoxes& boxes) const {
    return touched(boxes.month) || touched(boxes.year) || (boxes.day != 0 && touched(boxes.day));
}

std::string StatusPage::dateText(const DateBoxes& boxes) const {
    const std::string day = boxes.day != 0 ? text(boxes.day) : std::string();
    return MonthYearDate::dateText(text(boxes.year), text(boxes.month), day);
}

void StatusPage::storeDate(const DateBoxes& boxes, FieldValue& date) const {
    if (dateTouched(boxes)) {
        date.setText(dateText(boxes));
    }
}

void StatusPage::onLoad(StudyRecord& record) {
    const bool expandedAccess = isExpandedAccess(record);
    applyStudyType(expandedAccess);
    enableControls(kWhyStoppedGroup,
                   !expandedAccess && hasStopped(record.overall_status.displayText()));
    loadDate(kVerification, record.verification_date);
    loadDate(kStart, record.start_date.displayText());
    loadDate(kPrimaryCompletion, record.primary_compl_date.displayText());
    // Older records kept the completion date as their end date; it is shown
    // there, and becomes the completion date once the user edits it.
    const std::string& completion = record.last_follow_up_date.displayText().empty()
                                        ? record.end_date
                                        : record.last_follow_up_date.xmlText();
    loadDate(kCompletion, completion);
}

void StatusPage::onStore(StudyRecord& record) {
    if (dateTouched(kVerification)) {
        record.verification_date = dateText(kVerification);
    }
    storeDate(kStart, record.start_date);
    storeDate(kPrimaryCompletion, record.primary_compl_date);
    storeDate(kCompletion, record.last_follow_up_date);
}

void StatusPage::recruitmentStatusChanged() {
    const bool stopped = hasStopped(text(IDC_RECRUITMENT_STATUS));
    enableControls(kWhyStoppedGroup, stopped);
    if (!stopped) {
        setText(IDC_WHY_STOPPED, std::string_view());
    }
}
