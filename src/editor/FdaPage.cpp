#include "editor/FdaPage.h"

#include "model/RegistryText.h"
#include "model/StudyRecord.h"

#include <QComboBox>
#include <QLineEdit>
#include <algorithm>
#include <functional>

namespace {

// Answers are compared with "Yes" exactly: "yes" does not apply a group.
bool isYes(std::string_view text) {
    return text == "Yes";
}

bool isYes(const FieldValue& field) {
    return isYes(field.displayText());
}

void emptyIndInfo(IndInfo& ind) {
    ind.ind_grantor.clear();
    ind.ind_number.clear();
    ind.ind_serial_number.clear();
    ind.has_expanded_access.clear();
    ind.expanded_access_nct_id.clear();
}

// The export question applies to an FDA-regulated product studied without an
// IND/IDE.
bool exportApplies(bool drug, bool device, std::string_view indAnswer) {
    return (drug || device) && indAnswer == "No";
}

} // namespace

DialogTemplate FdaPage::pageTemplate() {
    using C = ControlShape;
    TemplateColumn col = column();
    col.group(IDC_GROUP, QStringLiteral("FDA"));
    col.field("Studies a U.S. FDA-regulated Drug Product?", IDC_FDA_DRUG, C::combo(yesNo()),
              {IDC_MARKER_FDA_DRUG, "FDARegulatedDrug"});
    col.field("Studies a U.S. FDA-regulated Device Product?", IDC_FDA_DEVICE, C::combo(yesNo()),
              {IDC_MARKER_FDA_DEVICE, "FDARegulatedDevice"});
    col.field({QStringLiteral("Device Product Not Approved or Cleared by U.S. FDA?"),
               IDC_LABEL_DELAYED_POSTING},
              IDC_DELAYED_POSTING, C::combo(yesNo()), {IDC_MARKER_DELAYED_POSTING, "delayedPosting"});
    col.field({QStringLiteral("Post Prior to U.S. FDA Approval or Clearance?"), IDC_LABEL_POST_PRIOR},
              IDC_POST_PRIOR, C::combo(yesNo()), {IDC_MARKER_POST_PRIOR, "PostPriorToApproval"});
    col.field({QStringLiteral("Pediatric Postmarket Surveillance of a Device Product?"),
               IDC_LABEL_PED_POSTMARKET},
              IDC_PED_POSTMARKET, C::combo(yesNo()),
              {IDC_MARKER_PED_POSTMARKET, "PedPostmarketSurv"});
    col.field({QStringLiteral("Product Manufactured in and Exported from the U.S.?"),
               IDC_LABEL_EXPORTED},
              IDC_EXPORTED, C::combo(yesNo()), {IDC_MARKER_EXPORTED, "ExportedFromUS"});
    col.field({QStringLiteral("IND/IDE Grantor"), IDC_LABEL_IND_GRANTOR}, IDC_IND_GRANTOR,
              C::combo({QStringLiteral("CDER"), QStringLiteral("CBER"), QStringLiteral("CDRH")}),
              {IDC_MARKER_IND_GRANTOR, "IndGrantor"});
    col.field({QStringLiteral("IND/IDE Number"), IDC_LABEL_IND_NUMBER}, IDC_IND_NUMBER, C::edit(),
              {IDC_MARKER_IND_NUMBER, "IndNumber"});
    col.field({QStringLiteral("IND/IDE Serial Number"), IDC_LABEL_IND_SERIAL_NUMBER},
              IDC_IND_SERIAL_NUMBER, C::edit(), {IDC_MARKER_IND_SERIAL_NUMBER, "IndSerialNumber"});
    col.field({QStringLiteral("Availability of Expanded Access"), IDC_LABEL_HAS_EXPANDED_ACCESS},
              IDC_HAS_EXPANDED_ACCESS,
              C::combo({QStringLiteral("yes"), QStringLiteral("no"), QStringLiteral("unknown")}),
              {IDC_MARKER_HAS_EXPANDED_ACCESS, "HasExpandedAccess"});
    col.field({QStringLiteral("Expanded Access Record"), IDC_LABEL_EXPANDED_ACCESS_RECORD},
              IDC_EXPANDED_ACCESS_RECORD, C::edit(),
              {IDC_MARKER_EXPANDED_ACCESS_RECORD, "HasExpandedAccess"});
    col.field({QStringLiteral("FDA Regulated Intervention? (no longer asked)"),
               IDC_LABEL_FDA_REGULATED},
              IDC_FDA_REGULATED, C::combo(yesNo()), {IDC_MARKER_FDA_REGULATED, "FDAReg"});
    col.field({QStringLiteral("Section 801 Clinical Trial? (no longer asked)"),
               IDC_LABEL_SECTION_801},
              IDC_SECTION_801, C::combo(yesNo()), {IDC_MARKER_SECTION_801, "section801"});
    col.closeGroup(std::max(329, col.y()), AnchorGrow); // may be taller than the frame
    return EditorPage::pageTemplate(kTemplateNumber, col);
}

FdaPage::FdaPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
    // The user's change of an answer empties what it closes; a change of the
    // device answer closes the export question too.
    const auto onChange = [this](int id, std::function<void()> gates) {
        connect(control<QComboBox>(id), &QComboBox::currentIndexChanged, this, std::move(gates));
    };
    onChange(IDC_FDA_REGULATED, [this] { gateSection801(true); });
    onChange(IDC_FDA_DRUG, [this] { gateExport(true); });
    onChange(IDC_FDA_DEVICE, [this] {
        gateDevice(true);
        gateExport(true);
    });
    onChange(IDC_DELAYED_POSTING, [this] { gatePostPrior(true); });
    onChange(IDC_HAS_EXPANDED_ACCESS, [this] { gateExpandedAccessRecord(true); });
    using R = StudyRecord;
    bind(IDC_FDA_DRUG, [](R& r) -> std::string& { return r.oversight_info.fda_regulated_drug; });
    bind(IDC_FDA_DEVICE,
         [](R& r) -> std::string& { return r.oversight_info.fda_regulated_device; });
    bind(IDC_DELAYED_POSTING, [](R& r) -> FieldValue& { return r.delayed_posting; });
    bind(IDC_POST_PRIOR,
         [](R& r) -> std::string& { return r.oversight_info.post_prior_to_approval; });
    bind(IDC_PED_POSTMARKET,
         [](R& r) -> std::string& { return r.oversight_info.ped_postmarket_surv; });
    bind(IDC_EXPORTED, [](R& r) -> std::string& { return r.oversight_info.exported_from_us; });
    bind(IDC_IND_GRANTOR, [](R& r) -> std::string& { return r.ind_info.ind_grantor; });
    bind(IDC_IND_NUMBER, [](R& r) -> std::string& { return r.ind_info.ind_number; });
    bind(IDC_IND_SERIAL_NUMBER, [](R& r) -> std::string& { return r.ind_info.ind_serial_number; });
    bind(IDC_HAS_EXPANDED_ACCESS,
         [](R& r) -> std::string& { return r.ind_info.has_expanded_access; });
    bind(IDC_EXPANDED_ACCESS_RECORD,
         [](R& r) -> std::string& { return r.ind_info.expanded_access_nct_id; });
    bind(IDC_FDA_REGULATED, [](R& r) -> FieldValue& { return r.is_fda_regulated; });
    bind(IDC_SECTION_801, [](R& r) -> FieldValue& { return r.is_section_801; });
}

// Loading only enables the groups the record's answers open; what they hold
// stays, whatever the answers, until the user changes an answer.
void FdaPage::onLoad(StudyRecord& record) {
    m_loadedIndStudy = record.is_ind_study.xmlText();
    showControls({IDC_LABEL_FDA_REGULATED, IDC_FDA_REGULATED, IDC_MARKER_FDA_REGULATED},
                 !record.is_fda_regulated.xmlText().empty());
    showControls({IDC_LABEL_SECTION_801, IDC_SECTION_801, IDC_MARKER_SECTION_801},
                 !record.is_section_801.xmlText().empty());
    applyGates();
}

// The Title page stores first, so its IND answer of this very store counts:
// an answer the user changed empties what it no longer opens.
void FdaPage::onStore(StudyRecord& record) {
    if (record.is_ind_study.xmlText() == m_loadedIndStudy) {
        return;
    }
    if (!isYes(record.is_ind_study)) {
        emptyIndInfo(record.ind_info);
    }
    const OversightInfo& oversight = record.oversight_info;
    if (!::exportApplies(isYes(oversight.fda_regulated_drug), isYes(oversight.fda_regulated_device),
                         record.is_ind_study.xmlText())) {
        record.oversight_info.exported_from_us.clear();
    }
}

bool FdaPage::answersYes(int id) const {
    return isYes(text(id));
}

bool FdaPage::exportApplies() const {
    return ::exportApplies(answersYes(IDC_FDA_DRUG), answersYes(IDC_FDA_DEVICE), m_loadedIndStudy);
}

void FdaPage::gate(std::initializer_list<int> controls, bool applies, bool empty) {
    enableControls(controls, applies);
    if (applies || !empty) {
        return;
    }
    for (int id : controls) {
        if (auto* combo = control<QComboBox>(id)) {
            combo->setCurrentIndex(-1);
        } else if (auto* edit = control<QLineEdit>(id)) {
            edit->clear();
        }
    }
}

void FdaPage::gateSection801(bool empty) {
    gate({IDC_LABEL_SECTION_801, IDC_SECTION_801}, answersYes(IDC_FDA_REGULATED), empty);
}

void FdaPage::gateDevice(bool empty) {
    gate({IDC_LABEL_DELAYED_POSTING, IDC_DELAYED_POSTING, IDC_LABEL_PED_POSTMARKET,
          IDC_PED_POSTMARKET},
         answersYes(IDC_FDA_DEVICE), empty);
    gatePostPrior(empty);
}

void FdaPage::gatePostPrior(bool empty) {
    gate({IDC_LABEL_POST_PRIOR, IDC_POST_PRIOR},
         answersYes(IDC_FDA_DEVICE) && answersYes(IDC_DELAYED_POSTING), empty);
}

void FdaPage::gateExport(bool empty) {
    gate({IDC_LABEL_EXPORTED, IDC_EXPORTED}, exportApplies(), empty);
}

// The registry writes "yes"; records of before write "Yes".
void FdaPage::gateExpandedAccessRecord(bool empty) {
    gate({IDC_LABEL_EXPANDED_ACCESS_RECORD, IDC_EXPANDED_ACCESS_RECORD},
         isYes(m_loadedIndStudy) && RegistryText::isYes(text(IDC_HAS_EXPANDED_ACCESS)), empty);
}

void FdaPage::applyGates() {
    gateSection801(false);
    gateDevice(false);
    gateExport(false);
    enableControls({IDC_LABEL_IND_GRANTOR, IDC_IND_GRANTOR, IDC_LABEL_IND_NUMBER, IDC_IND_NUMBER,
                    IDC_LABEL_IND_SERIAL_NUMBER, IDC_IND_SERIAL_NUMBER,
                    IDC_LABEL_HAS_EXPANDED_ACCESS, IDC_HAS_EXPANDED_ACCESS},
                   isYes(m_loadedIndStudy));
    gateExpandedAccessRecord(false);
}
