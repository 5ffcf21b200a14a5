#include "model/RuleRun.h"

#include "model/StudyRecord.h"

#include <algorithm>

namespace {

unsigned typeOf(const StudyRecord& record) {
    const std::string& type = record.study_design.study_type.xmlText();
    if (type == "Interventional")
        return RegistryRule::Interventional;
    if (type == "Observational")
        return RegistryRule::Observational;
    if (type == "Expanded Access")
        return RegistryRule::ExpandedAccess;
    return RegistryRule::OtherType;
}

// Studies that start before 2017-01-18 keep the earlier rules; a start given
// as a month counts from its first day. Without a readable start date the
// study is taken to be a new one.
bool underFinalRule(const StudyRecord& record) {
    const std::optional<CalendarDate> start = CalendarDate::parse(record.start_date.xmlText());
    if (!start)
        return true;
    const CalendarDate firstDay =
        start->hasDay() ? *start : CalendarDate::ofDay(start->year(), start->month(), 1);
    return firstDay.compare(CalendarDate::ofDay(2017, 1, 18)) >= 0;
}

} // namespace

RuleRun::RuleRun(const StudyRecord& record, const RuleContext& context,
                 std::vector<RuleFinding>& findings)
    : m_record(record), m_context(context), m_findings(findings), m_type(typeOf(record)),
      m_partial(record.isPartialUpload()), m_finalRule(underFinalRule(record)) {}

bool RuleRun::applies(const RegistryRule& rule) const {
    if ((rule.types & m_type) == 0)
        return false;
    if ((rule.flags & RegistryRule::Requirement) && m_partial)
        return false;
    return !(rule.flags & RegistryRule::FinalRule) || m_finalRule;
}

void RuleRun::report(const RegistryRule& rule, std::size_t item, std::string message) {
    RuleFinding finding;
    finding.severity = rule.severity;
    finding.rule = rule.id;
    finding.section = rule.section;
    finding.path = rule.path;
    if (item > 0) {
        finding.list = listOf(rule.path);
        finding.item = item;
    }
    finding.message = std::move(message);
    m_findings.push_back(std::move(finding));
}

std::string_view RuleRun::listOf(std::string_view path) {
    static constexpr std::string_view kLists[] = {
        "secondary_id", "collaborator",      "primary_outcome",  "secondary_outcome",
        "other_outcome", "condition",        "keyword",          "arm_group",
        "intervention",  "overall_official", "location",         "link",
        "reference",     "study_document"};
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        const std::string_view segment = path.substr(start, end - start);
        if (std::find(std::begin(kLists), std::end(kLists), segment) != std::end(kLists))
            return segment;
        start = end + 1;
    }
    return {};
}
