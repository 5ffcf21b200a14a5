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

// Fills one page of the editor through its widgets. Entries are chosen by the
// registry's word; `missing` collects the words a list does not offer.
class PageFiller {
public:
    PageFiller(ProtocolEditor& editor, const char* section, std::vector<std::string>& missing)
        : m_missing(missing) {
        editor.showSection(QString::fromLatin1(section));
        m_page = editor.visiblePage();
    }
    void type(int id, const char* text) {
        QWidget* widget = m_page->control(id);
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            edit->setText(QString::fromUtf8(text));
        } else if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
            box->setPlainText(QString::fromUtf8(text));
        } else {
            ADD_FAILURE() << "no text box " << id;
        }
    }
    void choose(int id, const char* word) {
        pickIn(m_page->control<QComboBox>(id), word, m_missing);
    }
    void check(int id) { m_page->control<QCheckBox>(id)->setChecked(true); }
    void click(int id) { QTest::mouseClick(m_page->control<QPushButton>(id), Qt::LeftButton); }

    static void pickIn(QComboBox* box, const char* word, std::vector<std::string>& missing) {
        ASSERT_NE(box, nullptr) << word;
        const int at = box->findText(QString::fromUtf8(word));
        if (at < 0) {
            missing.push_back(word);
        }
        box->setCurrentIndex(at);
    }

private:
    EditorPage* m_page = nullptr;
    std::vector<std::string>& m_missing;
};

// Answers the next item dialog of type T with `fill`, then OK.
template <class T> void answerWith(std::function<void(T*)> fill) {
    whenModal<T>([fill = std::move(fill)](T* dialog) {
        fill(dialog);
        dialog->accept();
    });
}

template <class T> void setText(T* dialog, int id, const char* text) {
    qobject_cast<QLineEdit*>(dialog->control(id))->setText(QString::fromUtf8(text));
}

// Dates relative to today, so that actual dates lie behind and anticipated
// ones ahead.
struct Dates {
    QByteArray verificationYear = QByteArray::number(QDate::currentDate().year());
    QString verificationMonth = QLocale::c().standaloneMonthName(QDate::currentDate().month());
    QByteArray startYear = QByteArray::number(QDate::currentDate().year() - 1);
    QByteArray laterYear = QByteArray::number(QDate::currentDate().year() + 2);
};

void fillMyPages(ProtocolEditor& editor, std::vector<std::string>& missing) {
    const Dates dates;
    PageFiller title(editor, "Title", missing);
    title.type(TitlePage::IDC_UNIQUE_ID, "NEW-2026-1");
    title.type(TitlePage::IDC_BRIEF_TITLE, "Walking After Knee Surgery");
    title.type(TitlePage::IDC_OFFICIAL_TITLE, "A Trial of Early Walking After Knee Replacement");
    title.choose(TitlePage::IDC_STUDY_TYPE, "Interventional");
    title.choose(TitlePage::IDC_IND_PROTOCOL, "No");

    PageFiller fda(editor, "FDA", missing);
    fda.choose(FdaPage::IDC_FDA_DRUG, "Yes");
    fda.choose(FdaPage::IDC_FDA_DEVICE, "Yes");
    fda.choose(FdaPage::IDC_DELAYED_POSTING, "Yes");
    fda.choose(FdaPage::IDC_POST_PRIOR, "No");
    fda.choose(FdaPage::IDC_PED_POSTMARKET, "No");
    fda.choose(FdaPage::IDC_EXPORTED, "No");

    PageFiller sponsor(editor, "Sponsor", missing);
    sponsor.type(SponsorPage::IDC_SPONSOR, "Norval University");
    sponsor.choose(SponsorPage::IDC_RESP_PARTY_TYPE, "Principal Investigator");
    sponsor.type(SponsorPage::IDC_INVESTIGATOR_USERNAME, "hbrooks");
    sponsor.type(SponsorPage::IDC_INVESTIGATOR_TITLE, "Professor of Orthopaedics");
    sponsor.type(SponsorPage::IDC_INVESTIGATOR_AFFILIATION, "Norval University");

    PageFiller oversight(editor, "Oversight", missing);
    oversight.choose(OversightPage::IDC_APPROVAL_STATUS, "Approved");
    oversight.type(OversightPage::IDC_APPROVAL_NUMBER, "IRB-1");
    oversight.type(OversightPage::IDC_BOARD_NAME, "Norval University Review Board");
    oversight.type(OversightPage::IDC_AFFILIATION, "Norval University");
    oversight.type(OversightPage::IDC_PHONE, "+1 555 0100");
    oversight.type(OversightPage::IDC_EMAIL, "board@norval.example");
    oversight.type(OversightPage::IDC_ADDRESS, "1 Main Street, Springfield, United States");
    oversight.choose(OversightPage::IDC_HAS_DMC, "Yes");

    PageFiller summary(editor, "Summary", missing);
    summary.type(SummaryPage::IDC_BRIEF_SUMMARY, "Does walking on the first day help?");

    PageFiller status(editor, "Status", missing);
    status.choose(StatusPage::IDC_VERIFICATION_MONTH, dates.verificationMonth.toUtf8().constData());
    status.type(StatusPage::IDC_VERIFICATION_YEAR, dates.verificationYear.constData());
    status.choose(StatusPage::IDC_RECRUITMENT_STATUS, "Recruiting");
    status.choose(StatusPage::IDC_START_MONTH, "March");
    status.type(StatusPage::IDC_START_DAY, "4");
    status.type(StatusPage::IDC_START_YEAR, dates.startYear.constData());
    status.choose(StatusPage::IDC_START_TYPE, "Actual");
    status.choose(StatusPage::IDC_PRIMARY_COMPLETION_MONTH, "June");
    status.type(StatusPage::IDC_PRIMARY_COMPLETION_YEAR, dates.laterYear.constData());
    status.choose(StatusPage::IDC_PRIMARY_COMPLETION_TYPE, "Anticipated");
    status.choose(StatusPage::IDC_COMPLETION_MONTH, "December");
    status.type(StatusPage::IDC_COMPLETION_DAY, "15");
    status.type(StatusPage::IDC_COMPLETION_YEAR, dates.laterYear.constData());
    status.choose(StatusPage::IDC_COMPLETION_TYPE, "Anticipated");

    PageFiller references(editor, "References", missing);
    references.type(ReferencesPage::IDC_LOGIN, "NorvalU");
}

// The pages other work brings to the registry's current values.
void fillOtherPages(ProtocolEditor& editor, std::vector<std::string>& missing) {
    using Int = InterventionalDesignPage;
    PageFiller design(editor, "Interventional Design", missing);
    design.choose(Int::IDC_PRIMARY_PURPOSE, "Treatment");
    design.choose(Int::IDC_PHASE, "Phase 2");
    design.choose(Int::IDC_ASSIGNMENT, "Parallel Assignment");
    design.type(Int::IDC_NUMBER_OF_ARMS, "1");
    design.choose(Int::IDC_ALLOCATION, "Randomized");
    design.check(Int::IDC_MASKED_ASSESSOR);
    design.type(Int::IDC_ENROLLMENT, "120");
    design.choose(Int::IDC_ENROLLMENT_TYPE, "Anticipated");

    PageFiller conditions(editor, "Conditions", missing);
    conditions.type(ConditionsPage::IDC_CONDITIONS, "Osteoarthritis, Knee");

    PageFiller arms(editor, "Interventions", missing);
    answerWith<ArmDialog>([&missing](ArmDialog* dialog) {
        setText(dialog, ArmDialog::IDC_LABEL, "Early walking");
        PageFiller::pickIn(qobject_cast<QComboBox*>(dialog->control(ArmDialog::IDC_TYPE)),
                           "Experimental", missing);
    });
    arms.click(ArmsInterventionsPage::IDC_ARM_ADD);
    answerWith<InterventionDialog>([&missing](InterventionDialog* dialog) {
        setText(dialog, InterventionDialog::IDC_NAME, "Walking on day one");
        qobject_cast<QPlainTextEdit*>(dialog->control(InterventionDialog::IDC_DESCRIPTION))
            ->setPlainText(QStringLiteral("Walks with a physiotherapist on the first day."));
        PageFiller::pickIn(
            qobject_cast<QComboBox*>(dialog->control(InterventionDialog::IDC_TYPE)), "Behavioral",
            missing);
    });
    arms.click(ArmsInterventionsPage::IDC_INTERVENTION_ADD);

    PageFiller outcomes(editor, "Outcome Measures", missing);
    answerWith<OutcomeDialog>([](OutcomeDialog* dialog) {
        setText(dialog, OutcomeDialog::IDC_TITLE, "Knee function score");
        setText(dialog, OutcomeDialog::IDC_TIME_FRAME, "6 weeks");
    });
    outcomes.click(OutcomesPage::IDC_PRIMARY_ADD);

    using Contacts = ContactsPage;
    PageFiller contacts(editor, "Contacts", missing);
    contacts.type(int{Contacts::IDC_CONTACT_FIRST} + Contacts::LastName, "Brooks");
    contacts.type(int{Contacts::IDC_CONTACT_FIRST} + Contacts::Phone, "+1 555 0101");
    contacts.type(int{Contacts::IDC_CONTACT_FIRST} + Contacts::Email, "study@norval.example");

    PageFiller eligibility(editor, "Eligibility", missing);
    eligibility.type(EligibilityPage::IDC_CRITERIA, "Inclusion Criteria:\nKnee replacement");
    eligibility.choose(EligibilityPage::IDC_GENDER, "All");
    eligibility.type(EligibilityPage::IDC_MINIMUM_AGE, "18");
    eligibility.choose(EligibilityPage::IDC_MINIMUM_UNIT, "Years");
    eligibility.choose(EligibilityPage::IDC_MAXIMUM_UNIT, "N/A");
    eligibility.choose(EligibilityPage::IDC_HEALTHY_VOLUNTEERS, "No");
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
    std::vector<std::string> missingMine;
    std::vector<std::string> missingElsewhere;
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
    const std::string startYear = Dates().startYear.toStdString();
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
