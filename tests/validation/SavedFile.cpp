#include "validation/SavedFile.h"

#include <atomic>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace {

TestElement parent(const std::string& name, std::vector<TestElement> children,
                   bool carriesDelete = false) {
    TestElement element{name, {}, "", std::move(children)};
    if (carriesDelete)
        element.attributes.emplace_back("delete", "false");
    return element;
}

TestElement leaves(const std::string& name, const std::vector<std::string>& childNames,
                   const std::string& text, bool carriesDelete) {
    std::vector<TestElement> children;
    for (const std::string& childName : childNames)
        children.push_back(leaf(childName, text.empty() ? "" : text + " " + childName));
    return parent(name, std::move(children), carriesDelete);
}

TestElement blockText(const std::string& name, const std::string& text) {
    return parent(name, {leaf("textblock", text)});
}

TestElement deletableBlockText(const std::string& name, const std::string& text) {
    return parent(name, {leaf("textblock", text)}, true);
}

const std::vector<std::string> kPerson = {"first_name", "middle_name", "last_name", "degrees"};

std::vector<std::string> joined(std::vector<std::string> first,
                                const std::vector<std::string>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

TestElement contact(const std::string& name, const std::string& text, bool carriesDelete) {
    return leaves(name, joined(kPerson, {"phone", "phone_ext", "email"}), text, carriesDelete);
}

TestElement idInfo(int secondaryIds, const std::string& text) {
    TestElement info = leaves(
        "id_info", {"provider_name", "provider_study_id", "org_name", "org_study_id"}, text, false);
    for (int i = 0; i < secondaryIds; ++i)
        info.children.push_back(leaves("secondary_id", {"id", "id_type", "id_domain"}, text, true));
    return info;
}

TestElement sponsors(int collaborators, const std::string& text) {
    std::vector<TestElement> children{parent("lead_sponsor", {leaf("agency", text)})};
    for (int i = 0; i < collaborators; ++i)
        children.push_back(parent("collaborator", {leaf("agency", text)}));
    children.push_back(leaves(
        "resp_party", {"resp_party_type", "name_title", "organization", "phone", "phone_ext", "email"}, text, false));
    return parent("sponsors", std::move(children), true);
}

TestElement oversight(int authorities, const std::string& text) {
    std::vector<TestElement> children;
    for (int i = 0; i < authorities; ++i)
        children.push_back(leaf("regulatory_authority", "Authority " + std::to_string(i)));
    children.push_back(leaves("irb_info",
                              {"approval_status", "approval_number", "name", "affiliation", "phone",
                               "phone_ext", "email", "full_address"},
                              text, false));
    children.push_back(leaf("has_dmc", text.empty() ? "" : "Yes"));
    return parent("oversight_info", std::move(children), true);
}

TestElement studyDesign(const std::string& text) {
    TestElement interventional =
        leaves("interventional_design",
               {"interventional_subtype", "phase", "assignment", "allocation", "masking",
                "masked_subject", "masked_caregiver", "masked_investigator", "masked_assessor",
                "control", "endpoint", "number_of_arms"},
               text, true);
    TestElement observational =
        parent("observational_design",
               {leaf("observational_study_design", text), leaf("biospecimen_retention", text),
                blockText("biospecimen_description", text), leaf("timing", text),
                leaf("number_of_groups", text)},
               true);
    return parent("study_design", {deletable("study_type", text.empty() ? "" : "Interventional"),
                                   std::move(interventional), std::move(observational)});
}

TestElement outcome(const std::string& name, const std::string& text) {
    return parent(name,
                  {leaf("outcome_measure", text), leaf("outcome_time_frame", "12 weeks"),
                   blockText("outcome_description", "First line&#xd;Second line"),
                   leaf("outcome_safety_issue", "No")},
                  true);
}

TestElement eligibility(const std::string& text) {
    return parent("eligibility",
                  {blockText("study_population", text), leaf("sampling_method", text),
                   blockText("criteria", text.empty() ? "" : "Inclusion:&#xd;  - adults"),
                   leaf("healthy_volunteers", text), leaf("gender", text),
                   leaf("minimum_age", text), leaf("maximum_age", text)},
                  true);
}

TestElement location(const std::string& text) {
    TestElement address = leaves("address", {"city", "state", "country", "zip"}, text, false);
    TestElement element =
        parent("location",
               {parent("facility", {leaf("name", text), std::move(address)}), leaf("status", text),
                contact("contact", text, false), contact("contact_backup", text, false)},
               true);
    element.children.push_back(leaves("investigator", joined(kPerson, {"role"}), text, false));
    element.children.push_back(leaves("investigator", joined(kPerson, {"role"}), text, false));
    return element;
}

// Everything that follows the contained records; `filled` adds list entries.
void appendStudyBody(TestElement& study, bool filled) {
    const std::string text = filled ? "Sample" : "";
    const auto add = [&study](TestElement element) {
        study.children.push_back(std::move(element));
    };
    add(idInfo(filled ? 2 : 0, text));
    for (const char* name :
         {"is_fda_regulated", "is_section_801", "delayed_posting", "is_ind_study"})
        add(deletable(name, filled ? "Yes" : ""));
    add(leaves("ind_info",
               {"ind_grantor", "ind_number", "ind_serial_number", "has_expanded_access",
                "expanded_access_nct_id"},
               text, true));
    add(deletable("brief_title", filled ? "A study of tea & biscuits" : ""));
    add(leaf("acronym", filled ? "TEA" : ""));
    add(deletable("official_title", filled ? "A randomised <trial> of \"tea\"" : ""));
    add(sponsors(filled ? 2 : 0, text));
    add(oversight(filled ? 3 : 0, text));
    add(deletableBlockText("brief_summary", filled ? "Line one&#xd;Line two" : ""));
    add(deletableBlockText("detailed_description", text));
    for (const char* name : {"overall_status", "why_stopped", "expanded_access_status"})
        add(deletable(name, text));
    add(leaf("verification_date", filled ? "May 2008" : ""));
    add(deletable("start_date", filled ? "June 2008" : ""));
    add(leaf("end_date", text));
    for (const char* name : {"last_follow_up_date", "last_follow_up_date_type",
                             "primary_compl_date", "primary_compl_date_type"})
        add(deletable(name, text));
    add(studyDesign(text));
    if (filled) {
        add(outcome("primary_outcome", "Blood pressure"));
        add(outcome("secondary_outcome", "Heart rate"));
        add(outcome("secondary_outcome", "Weight"));
    }
    add(deletable("enrollment", filled ? "120" : ""));
    add(deletable("enrollment_type", filled ? "Anticipated" : ""));
    if (filled) {
        add(deletable("condition", "Hypertension"));
        add(deletable("condition", "Raw\r\nbreak")); // conditions keep raw line breaks
        add(deletable("keyword", "   "));            // whitespace-only values are values
        add(parent("arm_group",
                   {leaf("arm_group_label", "Tea"), leaf("arm_type", "Experimental"),
                    blockText("arm_group_description", "")},
                   true));
        add(parent("intervention",
                   {leaf("intervention_type", "Drug"), leaf("intervention_name", "Tea"),
                    blockText("intervention_description", "Hot"), leaf("arm_group_label", "Tea"),
                    leaf("arm_group_label", "Placebo"), leaf("intervention_other_name", "Chai")},
                   true));
    }
    add(eligibility(text));
    if (filled)
        add(leaves("overall_official", joined(kPerson, {"role", "affiliation"}), text, true));
    add(contact("overall_contact", text, true));
    add(contact("overall_contact_backup", text, true));
    if (filled) {
        add(location(text));
        add(leaves("link", {"url", "description"}, text, true));
        add(leaves("reference", {"citation", "pubmed_id", "is_results_ref"}, text, true));
        add(leaves("reference", {"citation", "pubmed_id", "is_results_ref"}, "", true));
    }
}

std::string encoded(const std::string& value) {
    std::string out;
    for (char c : value) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&apos;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string replaceAll(const std::string& text, const std::string& from, const std::string& to) {
    std::string out;
    out.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t pos = text.find(from); pos != std::string::npos;
         pos = text.find(from, start)) {
        out.append(text, start, pos - start);
        out += to;
        start = pos + from.size();
    }
    out.append(text, start);
    return out;
}

// The writer: every node on a new line, indented by tabs; a trailing space after
// each attribute; a value after the children goes on a line of its own.
void writeNode(const TestElement& node, int depth, std::string& out) {
    out += "\r\n" + std::string(static_cast<std::size_t>(depth), '\t') + "<" + node.name;
    if (!node.attributes.empty())
        out += " ";
    for (const auto& [name, value] : node.attributes)
        out += name + "=\"" + encoded(value) + "\" ";
    if (node.children.empty() && node.value.empty()) {
        out += "/>";
        return;
    }
    out += ">";
    for (const TestElement& child : node.children)
        writeNode(child, depth + 1, out);
    if (!node.value.empty()) {
        if (!node.children.empty())
            out += "\r\n" + std::string(static_cast<std::size_t>(depth + 1), '\t');
        out += encoded(node.value);
    }
    if (!node.children.empty())
        out += "\r\n" + std::string(static_cast<std::size_t>(depth), '\t');
    out += "</" + node.name + ">";
}

std::string textModeWrite(const std::string& text) {
    return replaceAll(text, "\n", "\r\n");
}

std::string textModeRead(const std::string& text) {
    return replaceAll(text, "\r\n", "\n");
}

} // namespace

TestElement& TestElement::child(const std::string& childName) {
    return children.at(indexOf(childName));
}

std::size_t TestElement::indexOf(const std::string& childName) const {
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (children[i].name == childName)
            return i;
    }
    throw std::out_of_range("no child " + childName);
}

TestElement leaf(const std::string& name, const std::string& value) {
    return TestElement{name, {}, value, {}};
}

TestElement deletable(const std::string& name, const std::string& value) {
    return TestElement{name, {{"delete", "false"}}, value, {}};
}

TestElement fullStudy() {
    TestElement study{"clinical_study", {}, "", {}};
    appendStudyBody(study, true);
    return study;
}

TestElement emptyStudy() {
    TestElement study{"clinical_study", {}, "", {}};
    appendStudyBody(study, false);
    return study;
}

TestElement collection(std::vector<TestElement> studies) {
    return TestElement{"prs:study_collection",
                       {{"xmlns:prs", "http://clinicaltrials.gov/prs"},
                        {"xmlns:rrs", "http://clinicaltrials.gov/rrs"},
                        {"xmlns:xsi", "http://www.w3.org/2001/XMLSchema-instance"}},
                       "",
                       std::move(studies)};
}

std::string savedFileText(const TestElement& root) {
    // The tree sits under a nameless wrapper, so it starts at depth 1 and ends with
    // the wrapper's closing line break.
    std::string tree;
    writeNode(root, 1, tree);
    tree = replaceAll(tree + "\r\n", "&amp;#", "&#");

    const std::string written =
        textModeWrite("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                      "<!-- Created with Protoscribe (http://www.norvalesoftware.com) -->\n" +
                      tree);

    // The blank-line pass reads the file back and keeps lines with visible text.
    std::string kept;
    const std::string read = textModeRead(written);
    std::size_t start = 0;
    while (start < read.size()) {
        std::size_t end = read.find('\n', start);
        if (end == std::string::npos)
            end = read.size();
        const std::string line = read.substr(start, end - start);
        if (line.find_first_not_of(" \t\r") != std::string::npos)
            kept += line + "\n";
        start = end + 1;
    }
    return textModeWrite(kept);
}

std::pair<long, std::string> lineOf(const std::string& text, const std::string& needle) {
    const std::size_t at = text.find(needle);
    if (at == std::string::npos)
        throw std::out_of_range("text does not hold " + needle);
    long number = 1;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < at; ++i) {
        if (text[i] == '\n') {
            ++number;
            lineStart = i + 1;
        }
    }
    std::string line = text.substr(lineStart, text.find('\n', at) - lineStart);
    while (!line.empty() && line.back() == '\r')
        line.pop_back();
    return {number, line};
}

ScratchDir::ScratchDir() {
    static std::atomic<int> counter{0};
    m_path = std::filesystem::temp_directory_path() /
             ("ps-validation-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
}

ScratchDir::~ScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

std::string ScratchDir::write(const std::string& name, const std::string& bytes) const {
    const std::filesystem::path file = m_path / name;
    std::ofstream(file, std::ios::binary) << bytes;
    return file.string();
}

std::string installedSchemaDir() {
    return PROTOSCRIBE_RESOURCES_DIR;
}

std::string permissiveSchemaText() {
    return "<?xml version=\"1.0\"?>\n"
           "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" "
           "targetNamespace=\"http://clinicaltrials.gov/prs\">\n"
           "<xs:element name=\"study_collection\"><xs:complexType><xs:sequence>"
           "<xs:any processContents=\"skip\" minOccurs=\"0\" maxOccurs=\"unbounded\"/>"
           "</xs:sequence></xs:complexType></xs:element>\n"
           "</xs:schema>\n";
}
