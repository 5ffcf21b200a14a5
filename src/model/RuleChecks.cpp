#include "model/RuleChecks.h"

#include "model/RegistryText.h"

#include <algorithm>
#include <optional>

namespace {

constexpr std::size_t kLongestQuote = 60;

// Where a text of at most `limit` bytes can be cut without splitting a character.
std::size_t cutPoint(std::string_view text, std::size_t limit) {
    std::size_t at = std::min(limit, text.size());
    while (at > 0 && at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80)
        --at;
    return at;
}

bool isListed(const RegistryRule& rule, std::string_view text) {
    const bool caseBlind = rule.flags & RegistryRule::CaseBlind;
    return std::any_of(rule.values.begin(), rule.values.end(), [&](std::string_view value) {
        return caseBlind ? RegistryText::equalsIgnoringCase(text, value) : text == value;
    });
}

std::string valueList(std::span<const std::string_view> values) {
    std::string list;
    for (std::string_view value : values) {
        if (!list.empty())
            list += ", ";
        list += value;
    }
    return list;
}

// An answer that says something: not empty, not "None" and not "No".
bool isGiven(std::string_view text) {
    const std::string_view answer = RegistryText::trimmed(text);
    return !answer.empty() && answer != "None" && !RegistryText::isNo(answer);
}

} // namespace

void RuleChecks::required(const RegistryRule& rule, RuleRun& run) {
    const RuleCondition condition = rule.when ? rule.when(run.record()) : RuleCondition{true, {}};
    if (!condition.holds)
        return;
    forEachText(rule, run, [&](std::size_t item, std::string_view text) {
        if (!RegistryText::isBlank(text))
            return;
        if (rule.phrase.empty())
            run.report(rule, item, message({rule.label, " is required."}));
        else
            run.report(rule, item,
                       message({rule.label, " is required ", rule.phrase,
                                condition.value.empty() ? "" : " ", condition.value, "."}));
    });
}

void RuleChecks::atLeastOne(const RegistryRule& rule, RuleRun& run) {
    bool found = false;
    forEachText(rule, run, [&](std::size_t, std::string_view text) { found |= !RegistryText::isBlank(text); });
    if (!found)
        run.report(rule, 0, message({"At least one ", rule.label, " is required."}));
}

void RuleChecks::maxLength(const RegistryRule& rule, RuleRun& run) {
    forEachText(rule, run, [&](std::size_t item, std::string_view text) {
        // No text has more characters than bytes.
        if (text.size() <= rule.limit)
            return;
        const std::size_t count = RegistryText::characterCount(text);
        if (count > rule.limit)
            run.report(rule, item,
                       message({rule.label, " is longer than ", std::to_string(rule.limit),
                                " characters (", std::to_string(count), ")."}));
    });
}

void RuleChecks::oneOf(const RegistryRule& rule, RuleRun& run) {
    forEachText(rule, run, [&](std::size_t item, std::string_view text) {
        if (!text.empty() && !isListed(rule, text))
            run.report(rule, item,
                       message({rule.label, " ", quoted(text), " is not one of the registry's values: ",
                                valueList(rule.values), "."}));
    });
}

void RuleChecks::form(const RegistryRule& rule, RuleRun& run) {
    forEachText(rule, run, [&](std::size_t item, std::string_view text) {
        if (!text.empty() && !rule.accepts(text))
            run.report(rule, item, message({rule.label, " ", quoted(text), " is not ", rule.phrase, "."}));
    });
}

void RuleChecks::notCollected(const RegistryRule& rule, RuleRun& run) {
    bool given = false;
    forEachText(rule, run,
                [&](std::size_t item, std::string_view text) { given |= item > 0 || !RegistryText::isBlank(text); });
    if (given)
        run.report(rule, 0, message({rule.label, " is not collected for Expanded Access studies."}));
}

void RuleChecks::onlyWhen(const RegistryRule& rule, RuleRun& run) {
    if (rule.when(run.record()).holds)
        return;
    // Several texts of one entry (or of the record) make one finding.
    std::optional<std::size_t> reported;
    forEachText(rule, run, [&](std::size_t item, std::string_view text) {
        if (reported != item && isGiven(text)) {
            run.report(rule, item, message({rule.label, " is only given ", rule.phrase, "."}));
            reported = item;
        }
    });
}

std::string RuleChecks::message(std::initializer_list<std::string_view> parts) {
    std::size_t size = 0;
    for (std::string_view part : parts)
        size += part.size();
    std::string text;
    text.reserve(size);
    for (std::string_view part : parts)
        text += part;
    return text;
}

std::string RuleChecks::quoted(std::string_view value) {
    if (value.size() <= kLongestQuote)
        return message({"\"", value, "\""});
    return message({"\"", value.substr(0, cutPoint(value, kLongestQuote)), "...\""});
}

