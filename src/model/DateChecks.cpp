#include "model/DateChecks.h"

#include "model/CalendarDate.h"
#include "model/RegistryText.h"
#include "model/RuleChecks.h"

#include <algorithm>
#include <initializer_list>

namespace {

constexpr int kMonthsBetweenVerifications = 12;

// The status of a study that has not ended, or nothing.
std::string_view openStatus(const StudyRecord& r) {
    const std::string& status = r.overall_status.xmlText();
    if (RegistryText::isAnyOf(status, {"Not yet recruiting", "Recruiting", "Enrolling by invitation",
                         "Active, not recruiting", "Suspended"}))
        return status;
    const std::string& access = r.expanded_access_status.xmlText();
    if (RegistryText::isAnyOf(access, {"Available", "Temporarily not available"}))
        return access;
    return {};
}

} // namespace

void DateChecks::verificationNotFuture(const RegistryRule& rule, RuleRun& run) {
    const std::string& text = run.record().verification_date;
    const std::optional<CalendarDate> date = CalendarDate::parseMonth(text);
    if (date && date->compare(run.context().today) > 0)
        run.report(rule, 0, RuleChecks::message({rule.label, " is in the future (", text, ")."}));
}

void DateChecks::verificationCurrent(const RegistryRule& rule, RuleRun& run) {
    const std::string& text = run.record().verification_date;
    const std::optional<CalendarDate> date = CalendarDate::parseMonth(text);
    const std::string_view status = openStatus(run.record());
    if (!date || status.empty() ||
        run.context().today.monthIndex() - date->monthIndex() <= kMonthsBetweenVerifications)
        return;
    run.report(rule, 0,
               RuleChecks::message({rule.label, " (", text,
                                    ") is more than a year old while the status is ", status, "."}));
}

void DateChecks::enrollmentActual(const RegistryRule& rule, RuleRun& run) {
    const StudyRecord& r = run.record();
    const std::string& status = r.overall_status.xmlText();
    if (r.enrollment_type.xmlText() == "Anticipated" &&
        RegistryText::isAnyOf(status, {"Active, not recruiting", "Completed", "Terminated"}))
        run.report(rule, 0,
                   RuleChecks::message({rule.label, " must be Actual once enrollment has ended (the "
                                                    "status is ",
                                        status, ")."}));
}

void DateChecks::actualNotFuture(const RegistryRule& rule, RuleRun& run, std::string_view date,
                                 std::string_view type) {
    const std::optional<CalendarDate> parsed = CalendarDate::parse(date);
    if (type == "Actual" && parsed && parsed->compare(run.context().today) > 0)
        run.report(rule, 0,
                   RuleChecks::message({rule.label, " is Actual but lies in the future (", date, ")."}));
}

void DateChecks::anticipatedNotPast(const RegistryRule& rule, RuleRun& run, std::string_view date,
                                    std::string_view type) {
    const std::optional<CalendarDate> parsed = CalendarDate::parse(date);
    if (type == "Anticipated" && parsed && parsed->compare(run.context().today) < 0)
        run.report(rule, 0,
                   RuleChecks::message({rule.label, " is Anticipated but has passed (", date,
                                        "); give the actual date."}));
}

void DateChecks::notBefore(const RegistryRule& rule, RuleRun& run, std::string_view date,
                           std::string_view earlier) {
    const std::optional<CalendarDate> later = CalendarDate::parse(date);
    const std::optional<CalendarDate> first = CalendarDate::parse(earlier);
    if (later && first && later->compare(*first) < 0)
        run.report(rule, 0,
                   RuleChecks::message({rule.label, " (", date, ") is before the ", rule.phrase, " (",
                                        earlier, ")."}));
}
