// A protocol made from scratch in the editor, every required field filled
// through the pages' own widgets, is saved the way the registry writes it: the
// bundled schema takes it, and no element the registry retired holds a value.
#include "EditorTestSupport.h"
#include "editor/EligibilityPage.h"
#include "editor/FdaPage.h"
#include "editor/InterventionalDesignPage.h"
#include "editor/OversightPage.h"
#include "editor/ProtocolEditor.h"
#include "editor/SponsorPage.h"
#include "editor/StatusPage.h"
#include "editor/SummaryPage.h"
#include "editor/TitlePage.h"
#include "editor/lists/ArmDialog.h"
#include "editor/lists/ArmsInterventionsPage.h"
#include "editor/lists/ConditionsPage.h"
#include "editor/lists/ContactsPage.h"
#include "editor/lists/InterventionDialog.h"
#include "editor/lists/OutcomeDialog.h"
#include "editor/lists/OutcomesPage.h"
#include "editor/lists/ReferencesPage.h"
#include "model/CollectionFile.h"
#include "model/RegistryRules.h"
#include "model/RuleContext.h"
#include "model/StudyCollection.h"
#include "platform/TestPlatform.h"
#include "validation/SchemaValidator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <gtest/gtest.h>
#include <functional>
#include <set>

namespace {

// One control and what it gets: the text of a text box, the entry of a
// drop-down list (by the registry's word), "true" to check a check box.
struct Fill {
    int id;
    std::string value;
};
using Missing = std::vector<std::string>;

// Fills controls through their widgets; `missing` collects the words a list
// does not offer.
void fillControls(const std::function<QWidget*(int)>& controlOf, const std::vector<Fill>& fills,
                  Missing& missing) {
    for (const Fill& fill : fills) {
        QWidget* widget = controlOf(fill.id);
        const QString value = QString::fromStdString(fill.value);
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            edit->setText(value);
        } else if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
            box->setPlainText(value);
        } else if (auto* check = qobject_cast<QCheckBox*>(widget)) {
            check->setChecked(fill.value == "true");
        } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
            list->setCurrentIndex(list->findText(value));
            if (list->currentIndex() < 0) {
                missing.push_back(fill.value);
            }
        } else {
            ADD_FAILURE() << "no control " << fill.id << " for " << fill.value;
        }
    }
}

EditorPage* fillPage(ProtocolEditor& editor, const char* section, const std::vector<Fill>& fills,
                     Missing& missing) {
    editor.showSection(QString::fromLatin1(section));
    EditorPage* page = editor.visiblePage();
    fillControls([page](int id) { return page->control(id); }, fills, missing);
    return page;
}

// Adds an item with the page's Add button, its dialog filled and accepted.
template <class Dialog>
void addItem(EditorPage* page, int addId, std::vector<Fill> fills, Missing& missing) {
    whenModal<Dialog>([fills = std::move(fills), &missing](Dialog* dialog) {
        fillControls([dialog](int id) { return dialog->control(id); }, fills, missing);
        dialog->accept();
    });
    QTest::mouseClick(page->control<QPushButton>(addId), Qt::LeftButton);
}

// Dates relative to today, so that actual dates lie behind and anticipated
// ones ahead.
struct Dates {
    std::string verificationYear = std::to_string(QDate::currentDate().year());
    std::string verificationMonth =
        QLocale::c().standaloneMonthName(QDate::currentDate().month()).toStdString();
    std::string startYear = std::to_string(QDate::currentDate().year() - 1);
    std::string laterYear = std::to_string(QDate::currentDate().year() + 2);
};

void fillMyPages(ProtocolEditor& editor, Missing& missing) {
    const Dates dates;
    fillPage(editor, "Title",
             {{TitlePage::IDC_UNIQUE_ID, "NEW-2026-1"},
              {TitlePage::IDC_BRIEF_TITLE, "Walking After Knee Surgery"},
              {TitlePage::IDC_OFFICIAL_TITLE, "A Trial of Early Walking After Knee Replacement"},
              {TitlePage::IDC_STUDY_TYPE, "Interventional"},
              {TitlePage::IDC_IND_PROTOCOL, "No"}},
             missing);
    fillPage(editor, "FDA",
             {{FdaPage::IDC_FDA_DRUG, "Yes"},
              {FdaPage::IDC_FDA_DEVICE, "Yes"},
              {FdaPage::IDC_DELAYED_POSTING, "Yes"},
              {FdaPage::IDC_POST_PRIOR, "No"},
              {FdaPage::IDC_PED_POSTMARKET, "No"},
              {FdaPage::IDC_EXPORTED, "No"}},
             missing);
    fillPage(editor, "Sponsor",
             {{SponsorPage::IDC_SPONSOR, "Norval University"},
              {SponsorPage::IDC_RESP_PARTY_TYPE, "Principal Investigator"},
              {SponsorPage::IDC_INVESTIGATOR_USERNAME, "hbrooks"},
              {SponsorPage::IDC_INVESTIGATOR_TITLE, "Professor of Orthopaedics"},
              {SponsorPage::IDC_INVESTIGATOR_AFFILIATION, "Norval University"}},
             missing);
    fillPage(editor, "Oversight",
             {{OversightPage::IDC_APPROVAL_STATUS, "Approved"},
              {OversightPage::IDC_APPROVAL_NUMBER, "IRB-1"},
              {OversightPage::IDC_BOARD_NAME, "Norval University Review Board"},
              {OversightPage::IDC_AFFILIATION, "Norval University"},
              {OversightPage::IDC_PHONE, "+1 555 0100"},
              {OversightPage::IDC_EMAIL, "board@norval.example"},
              {OversightPage::IDC_ADDRESS, "1 Main Street, Springfield, United States"},
              {OversightPage::IDC_HAS_DMC, "Yes"}},
             missing);
    fillPage(editor, "Summary",
             {{SummaryPage::IDC_BRIEF_SUMMARY, "Does walking on the first day help?"}}, missing);
    fillPage(editor, "Status",
             {{StatusPage::IDC_VERIFICATION_MONTH, dates.verificationMonth},
              {StatusPage::IDC_VERIFICATION_YEAR, dates.verificationYear},
              {StatusPage::IDC_RECRUITMENT_STATUS, "Recruiting"},
              {StatusPage::IDC_START_MONTH, "March"},
              {StatusPage::IDC_START_DAY, "4"},
              {StatusPage::IDC_START_YEAR, dates.startYear},
              {StatusPage::IDC_START_TYPE, "Actual"},
              {StatusPage::IDC_PRIMARY_COMPLETION_MONTH, "June"},
              {StatusPage::IDC_PRIMARY_COMPLETION_YEAR, dates.laterYear},
              {StatusPage::IDC_PRIMARY_COMPLETION_TYPE, "Anticipated"},
              {StatusPage::IDC_COMPLETION_MONTH, "December"},
              {StatusPage::IDC_COMPLETION_DAY, "15"},
              {StatusPage::IDC_COMPLETION_YEAR, dates.laterYear},
              {StatusPage::IDC_COMPLETION_TYPE, "Anticipated"}},
             missing);
    fillPage(editor, "References", {{ReferencesPage::IDC_LOGIN, "NorvalU"}}, missing);
}

// The pages other work brings to the registry's current values.
void fillOtherPages(ProtocolEditor& editor, Missing& missing) {
    using Int = InterventionalDesignPage;
    fillPage(editor, "Interventional Design",
             {{Int::IDC_PRIMARY_PURPOSE, "Treatment"},
              {Int::IDC_PHASE, "Phase 2"},
              {Int::IDC_ASSIGNMENT, "Parallel Assignment"},
              {Int::IDC_NUMBER_OF_ARMS, "1"},
              {Int::IDC_ALLOCATION, "Randomized"},
              {Int::IDC_MASKED_ASSESSOR, "true"},
              {Int::IDC_ENROLLMENT, "120"},
              {Int::IDC_ENROLLMENT_TYPE, "Anticipated"}},
             missing);
    fillPage(editor, "Conditions", {{ConditionsPage::IDC_CONDITIONS, "Osteoarthritis, Knee"}},
             missing);
    EditorPage* arms = fillPage(editor, "Interventions", {}, missing);
    addItem<ArmDialog>(arms, ArmsInterventionsPage::IDC_ARM_ADD,
                       {{ArmDialog::IDC_LABEL, "Early walking"},
                        {ArmDialog::IDC_TYPE, "Experimental"}},
                       missing);
    addItem<InterventionDialog>(
        arms, ArmsInterventionsPage::IDC_INTERVENTION_ADD,
        {{InterventionDialog::IDC_TYPE, "Behavioral"},
         {InterventionDialog::IDC_NAME, "Walking on day one"},
         {InterventionDialog::IDC_DESCRIPTION, "Walks with a physiotherapist on the first day."}},
        missing);
    EditorPage* outcomes = fillPage(editor, "Outcome Measures", {}, missing);
    addItem<OutcomeDialog>(outcomes, OutcomesPage::IDC_PRIMARY_ADD,
                           {{OutcomeDialog::IDC_TITLE, "Knee function score"},
                            {OutcomeDialog::IDC_TIME_FRAME, "6 weeks"}},
                           missing);
    using Contacts = ContactsPage;
    fillPage(editor, "Contacts",
             {{int{Contacts::IDC_CONTACT_FIRST} + Contacts::LastName, "Brooks"},
              {int{Contacts::IDC_CONTACT_FIRST} + Contacts::Phone, "+1 555 0101"},
              {int{Contacts::IDC_CONTACT_FIRST} + Contacts::Email, "study@norval.example"}},
             missing);
    fillPage(editor, "Eligibility",
             {{EligibilityPage::IDC_CRITERIA, "Inclusion Criteria:\nKnee replacement"},
              {EligibilityPage::IDC_GENDER, "All"},
              {EligibilityPage::IDC_MINIMUM_AGE, "18"},
              {EligibilityPage::IDC_MINIMUM_UNIT, "Years"},
              {EligibilityPage::IDC_MAXIMUM_UNIT, "N/A"},
              {EligibilityPage::IDC_HEALTHY_VOLUNTEERS, "No"}},
             missing);
}

// The elements the registry retired that hold a value in `saved`; the five
// old party texts are looked for inside the responsible party only.
std::vector<std::string> deprecatedWithValue(const std::string& saved) {
    const auto holdsValue = [](const std::string& text, const std::string& name) {
        for (std::size_t at = text.find('<' + name); at != std::string::npos;
             at = text.find('<' + name, at + 1)) {
            const std::size_t end = text.find('>', at);
            const char after = text[at + name.size() + 1];
            if ((after != '>' && after != ' ') || text[end - 1] == '/') {
                continue; // a longer name, or an empty element
            }
            if (text.compare(end + 1, name.size() + 2, "</" + name) != 0) {
                return true;
            }
        }
        return false;
    };
    std::vector<std::string> found;
    for (const char* name : {"is_fda_regulated", "is_section_801", "end_date",
                             "regulatory_authority", "masking", "control", "endpoint",
                             "outcome_safety_issue"}) {
        if (holdsValue(saved, name)) {
            found.push_back(name);
        }
    }
    const std::size_t party = saved.find("<resp_party>");
    const std::string partyText =
        party == std::string::npos ? std::string() : saved.substr(party, saved.find("</resp_party>") - party);
    for (const char* name : {"name_title", "organization", "phone", "phone_ext", "email"}) {
        if (holdsValue(partyText, name)) {
            found.push_back(std::string("resp_party/") + name);
        }
    }
    return found;
}

class NewRecordTest : public ::testing::Test {
protected:
    void SetUp() override {
        StudyRecord& record = appendNew(collection.records);
        ProtocolEditor editor;
        editor.setRecord(&record);
        whenModal<ProtocolEditor>([this](ProtocolEditor* e) {
            fillMyPages(*e, missingMine);
            fillOtherPages(*e, missingElsewhere);
            QTest::mouseClick(e->control(ProtocolEditor::IDC_OK), Qt::LeftButton);
        });
        ASSERT_EQ(editor.exec(), QDialog::Accepted);
        saved = CollectionFile::saveText(collection);
        findings = RegistryRules::check(record, RuleContext::now());
    }
    // The findings about the modules of `sections`, or of all others.
    std::vector<std::string> findingsIn(const std::set<std::string_view>& sections,
                                        bool inside) const {
        std::vector<std::string> texts;
        for (const RuleFinding& finding : findings) {
            if (sections.contains(finding.section) == inside) {
                texts.push_back(std::string(finding.section) + ": " + finding.message);
            }
        }
        return texts;
    }

    TestPlatform platform;
    StudyCollection collection;
    std::string saved;
    std::vector<RuleFinding> findings;
    Missing missingMine;
    Missing missingElsewhere;
};

const std::set<std::string_view> kMySections = {"identification", "status", "sponsor",
                                                "oversight", "description"};

} // namespace

TEST_F(NewRecordTest, IsValidAndHoldsNoRetiredValue) {
    EXPECT_EQ(missingMine, std::vector<std::string>{});
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("new.xml")).toStdString();
    std::ofstream(path, std::ios::binary) << saved;
    const ValidationReport report =
        validateFile(path, SchemaLocation{"", {PROTOSCRIBE_RESOURCES}});
    EXPECT_EQ(report.status, ValidationReport::Status::Succeeded) << report.text;
    EXPECT_EQ(deprecatedWithValue(saved), std::vector<std::string>{});
    EXPECT_EQ(findingsIn(kMySections, true), std::vector<std::string>{});
    // Written as the registry writes them.
    const std::string startYear = Dates().startYear;
    for (const std::string& written :
         {std::string("<resp_party_type>Principal Investigator</resp_party_type>"),
          std::string("<approval_status>Approved</approval_status>"),
          std::string("<fda_regulated_device>Yes</fda_regulated_device>"),
          std::string("<delayed_posting delete=\"false\" >Yes</delayed_posting>"),
          "<start_date delete=\"false\" >" + startYear + "-03-04</start_date>",
          std::string("<start_date_type delete=\"false\" >Actual</start_date_type>")}) {
        EXPECT_NE(saved.find(written), std::string::npos) << written;
    }
}

// The design, eligibility and list pages are brought to the registry's current
// values elsewhere; until then some words are not offered and the rules object.
TEST_F(NewRecordTest, OtherPagesRaiseNoFinding) {
    if (!missingElsewhere.empty()) {
        GTEST_SKIP() << "pending the design, eligibility and list pages' current values; "
                        "not offered yet: "
                     << ::testing::PrintToString(missingElsewhere);
    }
    EXPECT_EQ(findingsIn(kMySections, false), std::vector<std::string>{});
}

TEST(NewRecordCheck, RetiredValuesAreFoundWhereverTheyAre) {
    const std::string saved = "<x><masking_description>a</masking_description><masking/>"
                              "<end_date></end_date><resp_party><phone>1</phone></resp_party>"
                              "<irb_info><email>e</email></irb_info><control>c</control></x>";
    EXPECT_EQ(deprecatedWithValue(saved), (std::vector<std::string>{"control", "resp_party/phone"}));
}
