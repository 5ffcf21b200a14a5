#include "model/StudyRecord.h"

#include "TestXml.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

namespace {

// Reads a clinical_study text and writes the record back.
std::unique_ptr<XmlNode> rewrite(std::string_view studyText, StudyRecord& record) {
    auto study = parseXml(studyText);
    EXPECT_TRUE(study);
    record.readFromClinicalStudy(study.get());
    auto collection = std::make_unique<XmlNode>("c");
    record.writeIntoCollection(collection.get());
    return collection;
}

const XmlNode& onlyStudy(const XmlNode& collection) {
    EXPECT_EQ(collection.childCount(), 1);
    return *collection.childAt(0);
}

const std::vector<std::string> kSingleValuedOrder = {"id_info",
                                                     "is_fda_regulated",
                                                     "is_section_801",
                                                     "delayed_posting",
                                                     "is_ind_study",
                                                     "ind_info",
                                                     "brief_title",
                                                     "acronym",
                                                     "official_title",
                                                     "sponsors",
                                                     "oversight_info",
                                                     "brief_summary",
                                                     "detailed_description",
                                                     "overall_status",
                                                     "why_stopped",
                                                     "expanded_access_status",
                                                     "verification_date",
                                                     "start_date",
                                                     "end_date",
                                                     "last_follow_up_date",
                                                     "last_follow_up_date_type",
                                                     "primary_compl_date",
                                                     "primary_compl_date_type",
                                                     "study_design",
                                                     "enrollment",
                                                     "enrollment_type",
                                                     "eligibility",
                                                     "overall_contact",
                                                     "overall_contact_backup"};

} // namespace

TEST(StudyRecordTest, EmptyStudyIsWrittenInFullInFixedOrder) {
    StudyRecord record;
    auto collection = rewrite("<clinical_study></clinical_study>", record);
    const XmlNode& study = onlyStudy(*collection);
    EXPECT_EQ(childNames(study), kSingleValuedOrder);
    EXPECT_TRUE(study.attributes().empty());
    for (const auto& child : study.children()) {
        const bool plain = child->name() == "acronym" || child->name() == "verification_date" ||
                           child->name() == "end_date" || child->name() == "id_info" ||
                           child->name() == "study_design";
        const std::string* flag = child->attributeValue("delete");
        if (plain) {
            EXPECT_EQ(flag, nullptr) << child->name();
        } else {
            ASSERT_NE(flag, nullptr) << child->name();
            EXPECT_EQ(*flag, "false") << child->name();
        }
    }
    EXPECT_EQ(oneLine(*study.findChild("sponsors")),
              "<sponsors delete=\"false\" ><lead_sponsor><agency/></lead_sponsor><resp_party><resp_party_type/>"
              "<name_title/><organization/><phone/><phone_ext/><email/></resp_party></sponsors>");
    EXPECT_EQ(
        oneLine(*study.findChild("study_design")),
        "<study_design><study_type delete=\"false\" /><interventional_design delete=\"false\" >"
        "<interventional_subtype/><phase/><assignment/><allocation/><masking/>"
        "<masked_subject/><masked_caregiver/><masked_investigator/><masked_assessor/>"
        "<control/><endpoint/><number_of_arms/></interventional_design>"
        "<observational_design delete=\"false\" ><observational_study_design/>"
        "<biospecimen_retention/><biospecimen_description><textblock/>"
        "</biospecimen_description><timing/><number_of_groups/></observational_design>"
        "</study_design>");
    EXPECT_EQ(oneLine(*study.findChild("oversight_info")),
              "<oversight_info delete=\"false\" ><irb_info><approval_status/><approval_number/>"
              "<name/><affiliation/><phone/><phone_ext/><email/><full_address/></irb_info>"
              "<has_dmc/></oversight_info>");
    EXPECT_EQ(oneLine(*study.findChild("overall_contact")),
              "<overall_contact delete=\"false\" ><first_name/><middle_name/><last_name/>"
              "<degrees/><phone/><phone_ext/><email/></overall_contact>");
}

TEST(StudyRecordTest, OrderCaseDuplicatesAndUnknownChildren) {
    StudyRecord record;
    auto collection = rewrite(
        "<clinical_study rank=\"2\"><condition>Asthma</condition><brief_title>First</brief_title>"
        "<unknown>lost</unknown><Brief_Title>Wrong case</Brief_Title><keyword>k1</keyword>"
        "<brief_title>Second</brief_title><condition delete=\"TRUE\">COPD</condition>"
        "<id_info><org_study_id>ABC-1</org_study_id><org_study_id>dup</org_study_id>"
        "</id_info></clinical_study>",
        record);
    EXPECT_EQ(record.brief_title.displayText(), "First");
    EXPECT_EQ(record.id_info.org_study_id, "ABC-1");
    ASSERT_EQ(record.condition.size(), 2u);
    EXPECT_EQ(record.condition[0].displayText(), "Asthma");
    EXPECT_FALSE(record.condition[0].deleteFlag());
    EXPECT_EQ(record.condition[1].displayText(), "COPD");
    EXPECT_TRUE(record.condition[1].deleteFlag());

    const XmlNode& study = onlyStudy(*collection);
    EXPECT_TRUE(study.attributes().empty());
    EXPECT_EQ(study.findChildren("brief_title").size(), 1u);
    EXPECT_EQ(study.findChild("unknown"), nullptr);
    EXPECT_EQ(study.findChild("Brief_Title"), nullptr);
    EXPECT_EQ(study.findChild("id_info")->findChildren("org_study_id").size(), 1u);
    std::vector<std::string> names = childNames(study);
    const auto at = [&](const char* name) {
        return std::find(names.begin(), names.end(), name) - names.begin();
    };
    EXPECT_EQ(at("id_info"), 0);
    EXPECT_LT(at("enrollment_type"), at("condition"));
    EXPECT_LT(at("condition"), at("keyword"));
    EXPECT_LT(at("keyword"), at("eligibility"));

    // The first of two still wins when a field read before it stands between them.
    StudyRecord reordered;
    rewrite("<clinical_study><is_fda_regulated>Yes</is_fda_regulated><overall_status>A"
            "</overall_status><brief_title>T</brief_title><overall_status>B</overall_status>"
            "</clinical_study>",
            reordered);
    EXPECT_EQ(reordered.overall_status.displayText(), "A");
    EXPECT_EQ(reordered.brief_title.displayText(), "T");
}

namespace {

// Walks a record's field list and every record type below it; lists each
// name that one field list asks for twice.
class RepeatedFieldNames {
public:
    RepeatedFieldNames(std::string path, std::vector<std::string>& repeats, int& names)
        : m_path(std::move(path)), m_repeats(repeats), m_names(names) {}

    // The names this field list asks for, not those of the records below.
    const std::set<std::string>& names() const { return m_seen; }

    template <class Value> void text(std::string_view name, Value&) { add(name); }
    template <class Value> void field(std::string_view name, Value&) { add(name); }
    template <class Value> void blockText(std::string_view name, Value&) { add(name); }
    template <class Value> void textBlock(std::string_view name, Value&) { add(name); }
    template <class Value> void textList(std::string_view name, Value&) { add(name); }
    template <class Value> void fieldList(std::string_view name, Value&) { add(name); }
    template <class Value> void optionalText(std::string_view name, Value&) { add(name); }
    template <class Value> void optionalField(std::string_view name, Value&) { add(name); }
    template <class Value> void optionalBlockText(std::string_view name, Value&) { add(name); }
    void results(ResultsElement&) {}
    void attribute(std::string_view, std::string&) {}
    template <class Record> void record(std::string_view name, Record& record) {
        add(name);
        RepeatedFieldNames inner(m_path + "/" + std::string(name), m_repeats, m_names);
        Record::fields(record, inner);
    }
    template <class Record> void optionalRecord(std::string_view name, Record& value) {
        record(name, value);
    }
    template <class Record> void list(std::string_view name, OwningList<Record>&) {
        Record entry;
        record(name, entry);
    }

private:
    void add(std::string_view name) {
        ++m_names;
        if (!m_seen.insert(std::string(name)).second)
            m_repeats.push_back(m_path + "/" + std::string(name));
    }

    std::string m_path;
    std::vector<std::string>& m_repeats;
    int& m_names;
    std::set<std::string> m_seen;
};

} // namespace

// The reader looks for a field's element right after the one it took last,
// which finds the first match only when no record asks for a name twice. The
// results holders pass over the children that fields took, which is right
// only while no field of the study has a name they would take.
TEST(StudyRecordTest, EveryFieldListNamesEachElementOnce) {
    std::vector<std::string> repeats;
    int names = 0;
    StudyRecord record;
    RepeatedFieldNames check("clinical_study", repeats, names);
    StudyRecord::fields(record, check);
    EXPECT_EQ(repeats, std::vector<std::string>());
    EXPECT_GT(names, 200); // every record type below the study was walked

    ASSERT_GT(check.names().size(), 40u);
    const ResultsElement results(ResultsElement::Kind::Results);
    const ResultsElement disposition(ResultsElement::Kind::ResultDisposition);
    for (const std::string& name : check.names()) {
        EXPECT_FALSE(results.qualifies(name)) << name;
        EXPECT_FALSE(disposition.qualifies(name)) << name;
    }
}

TEST(StudyRecordTest, ConditionsKeepRawLineBreaksOtherFieldsUseTheMarker) {
    StudyRecord record;
    record.condition.emplace_back("Lung\r\ncancer");
    record.keyword.emplace_back("two\nlines");
    record.brief_title.setText("Title\r\nline");
    XmlNode collection("c");
    record.writeIntoCollection(&collection);
    const XmlNode& study = *collection.childAt(0);
    EXPECT_EQ(study.findChild("condition")->value(), "Lung\r\ncancer");
    EXPECT_EQ(study.findChild("keyword")->value(), "two\r\nlines");
    EXPECT_EQ(study.findChild("brief_title")->value(), "Title&#xd;line");
}

TEST(StudyRecordTest, ReadingEmptiesListsAndKeepsMissingScalars) {
    StudyRecord record;
    record.acronym = "KEEP";
    appendNew(record.location);
    record.condition.emplace_back("old");
    auto study = parseXml("<clinical_study><location/></clinical_study>");
    record.readFromClinicalStudy(study.get());
    EXPECT_EQ(record.acronym, "KEEP");
    EXPECT_EQ(record.location.size(), 1u);
    EXPECT_TRUE(record.condition.empty());
    record.readFromClinicalStudy(nullptr);
    EXPECT_TRUE(record.location.empty());
}

TEST(RecordElementsTest, MissingPartsAreWrittenEmpty) {
    StudyRecord record;
    auto collection = rewrite(
        "<clinical_study><location><status>Recruiting</status><contact><phone>1</phone>"
        "</contact><investigator delete=\"true\"><last_name>A</last_name></investigator>"
        "<investigator><last_name>B</last_name></investigator></location>"
        "<sponsors><collaborator/></sponsors>"
        "<study_design><interventional_design><phase>Phase 2</phase></interventional_design>"
        "</study_design></clinical_study>",
        record);
    const XmlNode& study = onlyStudy(*collection);
    EXPECT_EQ(oneLine(*study.findChild("location")),
              "<location delete=\"false\" ><facility><name/><address><city/><state/><country/>"
              "<zip/></address></facility><status>Recruiting</status><contact><first_name/>"
              "<middle_name/><last_name/><degrees/><phone>1</phone><phone_ext/><email/>"
              "</contact><contact_backup><first_name/><middle_name/><last_name/><degrees/>"
              "<phone/><phone_ext/><email/></contact_backup><investigator><first_name/>"
              "<middle_name/><last_name>A</last_name><degrees/><role/></investigator>"
              "<investigator><first_name/><middle_name/><last_name>B</last_name><degrees/>"
              "<role/></investigator></location>");
    EXPECT_EQ(oneLine(*study.findChild("sponsors")),
              "<sponsors delete=\"false\" ><lead_sponsor><agency/></lead_sponsor><collaborator>"
              "<agency/></collaborator><resp_party><resp_party_type/><name_title/><organization/><phone/>"
              "<phone_ext/><email/></resp_party></sponsors>");
    EXPECT_EQ(record.study_design.interventional_design.phase, "Phase 2");
    EXPECT_EQ(study.findChild("study_design")->findChild("observational_design")->childCount(), 5);
}

TEST(RecordElementsTest, OutcomeListsAndInterventionLabelsKeepTheirOrder) {
    StudyRecord record;
    auto collection = rewrite(
        "<clinical_study><secondary_outcome><outcome_measure>S1</outcome_measure>"
        "</secondary_outcome><primary_outcome><outcome_measure>P1</outcome_measure>"
        "<outcome_description><textblock>two&#xd;lines</textblock></outcome_description>"
        "</primary_outcome><secondary_outcome><outcome_measure>S2</outcome_measure>"
        "</secondary_outcome><intervention><arm_group_label>B</arm_group_label>"
        "<intervention_other_name>x</intervention_other_name><arm_group_label>A</arm_group_label>"
        "<arm_group_label>C</arm_group_label></intervention><intervention/>"
        "<oversight_info><regulatory_authority>R1</regulatory_authority>"
        "<regulatory_authority/><regulatory_authority>R3</regulatory_authority>"
        "<name>not the board</name><irb_info><name>Board</name></irb_info></oversight_info>"
        "</clinical_study>",
        record);
    ASSERT_EQ(record.primary_outcome.size(), 1u);
    EXPECT_EQ(record.primary_outcome[0]->outcome_description.text(), "two\r\nlines");
    ASSERT_EQ(record.secondary_outcome.size(), 2u);
    EXPECT_EQ(record.secondary_outcome[1]->outcome_measure, "S2");
    EXPECT_EQ(record.intervention[0]->arm_group_label, (std::vector<std::string>{"B", "A", "C"}));
    EXPECT_EQ(record.oversight_info.regulatory_authority,
              (std::vector<std::string>{"R1", "", "R3"}));
    EXPECT_EQ(record.oversight_info.irb_info.name, "Board");

    std::vector<std::string> names = childNames(onlyStudy(*collection));
    const auto design = std::find(names.begin(), names.end(), "study_design");
    ASSERT_NE(design, names.end());
    EXPECT_EQ(*(design + 1), "primary_outcome");
    EXPECT_EQ(*(design + 2), "secondary_outcome");
    EXPECT_EQ(*(design + 3), "secondary_outcome");
    const XmlNode& second = *onlyStudy(*collection).findChildren("intervention")[1];
    EXPECT_TRUE(second.findChildren("arm_group_label").empty());
}
