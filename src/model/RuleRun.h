#pragma once

#include "model/RegistryRule.h"
#include "model/RuleContext.h"
#include "model/RuleFinding.h"

#include <string>
#include <vector>

class StudyRecord;

// One record under check: what every rule asks of it first (its study type,
// whether it is a partial upload, whether the 2017 rules hold for it), and
// the findings the rules add.
class RuleRun {
public:
    RuleRun(const StudyRecord& record, const RuleContext& context,
            std::vector<RuleFinding>& findings);

    const StudyRecord& record() const { return m_record; }
    const RuleContext& context() const { return m_context; }
    bool isPartialUpload() const { return m_partial; }

    // Whether the rule applies to this record at all.
    bool applies(const RegistryRule& rule) const;
    // Adds a finding of `rule`; `item` is the position in the rule's list, from 1, or 0.
    void report(const RegistryRule& rule, std::size_t item, std::string message);

    // The element of a rule's path that repeats, whose entries the items count.
    static std::string_view listOf(std::string_view path);

private:
    const StudyRecord& m_record;
    const RuleContext& m_context;
    std::vector<RuleFinding>& m_findings;
    unsigned m_type;
    bool m_partial;
    bool m_finalRule;
};
