#include "editor/FdaPage.h"

#include "model/StudyRecord.h"

#include <QComboBox>
#include <QLineEdit>

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

} // namespace

DialogTemplate FdaPage::pageTemplate() {
    using C = ControlShape;
    TemplateColumn col = column();
    col.group(IDC_GROUP, QStringLiteral("FDA"));
    col.field({QStringLiteral("Section 801 Clinical Trial?"), IDC_LABEL_SECTION_801},
              IDC_SECTION_801, C::combo(yesNo()), {IDC_MARKER_SECTION_801, "section801"});
    col.field({QStringLiteral("Delayed Posting?"), IDC_LABEL_DELAYED_POSTING}, IDC_DELAYED_POSTING,
              C::combo(yesNo()), {IDC_MARKER_DELAYED_POSTING, "delayedPosting"});
    col.field({QStringLiteral("IND/IDE Grantor"), IDC_LABEL_IND_GRANTOR}, IDC_IND_GRANTOR,
              C::combo({QStringLiteral("CDER"), QStringLiteral("CBER"), QStringLiteral("CDRH")}),
              {IDC_MARKER_IND_GRANTOR, "IndGrantor"});
    col.field({QStringLiteral("IND/IDE Number"), IDC_LABEL_IND_NUMBER}, IDC_IND_NUMBER, C::edit(),
              {IDC_MARKER_IND_NUMBER, "IndNumber"});
    col.field({QStringLiteral("IND/IDE Serial Number"), IDC_LABEL_IND_SERIAL_NUMBER},
              IDC_IND_SERIAL_NUMBER, C::edit(), {IDC_MARKER_IND_SERIAL_NUMBER, "IndSerialNumber"});
    col.field({QStringLiteral("Has Expanded Access?"), IDC_LABEL_HAS_EXPANDED_ACCESS},
              IDC_HAS_EXPANDED_ACCESS, C::combo(yesNo()),
              {IDC_MARKER_HAS_EXPANDED_ACCESS, "HasExpandedAccess"});
    col.field({QStringLiteral("Expanded Access Record"), IDC_LABEL_EXPANDED_ACCESS_RECORD},
              IDC_EXPANDED_ACCESS_RECORD, C::edit(),
              {IDC_MARKER_EXPANDED_ACCESS_RECORD, "HasExpandedAccess"});
    col.closeGroup(329, AnchorGrow);
    return EditorPage::pageTemplate(kTemplateNumber, col);
}

FdaPage::FdaPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
    connect(control<QComboBox>(IDC_SECTION_801), &QComboBox::currentIndexChanged, this,
            &FdaPage::section801Changed);
    connect(control<QComboBox>(IDC_HAS_EXPANDED_ACCESS), &QComboBox::currentIndexChanged, this,
            &FdaPage::expandedAccessChanged);
    using R = StudyRecord;
    bind(IDC_SECTION_801, [](R& r) -> FieldValue& { return r.is_section_801; });
    bind(IDC_DELAYED_POSTING, [](R& r) -> FieldValue& { return r.delayed_posting; });
    bind(IDC_IND_GRANTOR, [](R& r) -> std::string& { return r.ind_info.ind_grantor; });
    bind(IDC_IND_NUMBER, [](R& r) -> std::string& { return r.ind_info.ind_number; });
    bind(IDC_IND_SERIAL_NUMBER, [](R& r) -> std::string& { return r.ind_info.ind_serial_number; });
    bind(IDC_HAS_EXPANDED_ACCESS,
         [](R& r) -> std::string& { return r.ind_info.has_expanded_access; });
    bind(IDC_EXPANDED_ACCESS_RECORD,
         [](R& r) -> std::string& { return r.ind_info.expanded_access_nct_id; });
}

// Loading only enables the groups the record's answers open; what they hold
// stays, whatever the answers, until the user changes an answer.
void FdaPage::onLoad(StudyRecord& record) {
    m_loadedFdaRegulated = record.is_fda_regulated.xmlText();
    m_loadedIndStudy = record.is_ind_study.xmlText();
    const bool fdaRegulated = isYes(record.is_fda_regulated);
    enableSection801(fdaRegulated);
    enableDelayedPosting(fdaRegulated && isYes(record.is_section_801));
    const bool ind = isYes(record.is_ind_study);
    enableInd(ind);
    enableExpandedAccessRecord(ind && isYes(record.ind_info.has_expanded_access));
}

// The Title page stores first, so its answers of this very store count: an
// answer the user changed to anything but Yes empties what it opened.
void FdaPage::onStore(StudyRecord& record) {
    if (record.is_fda_regulated.xmlText() != m_loadedFdaRegulated &&
        !isYes(record.is_fda_regulated)) {
        record.is_section_801.setText("");
        record.delayed_posting.setText("");
    }
    if (record.is_ind_study.xmlText() != m_loadedIndStudy && !isYes(record.is_ind_study)) {
        emptyIndInfo(record.ind_info);
    }
}

bool FdaPage::answersYes(int id) const {
    return isYes(text(id));
}

void FdaPage::section801Changed() {
    const bool section801 = answersYes(IDC_SECTION_801);
    enableDelayedPosting(section801);
    if (!section801) {
        control<QComboBox>(IDC_DELAYED_POSTING)->setCurrentIndex(-1);
    }
}

void FdaPage::expandedAccessChanged() {
    const bool expandedAccess = answersYes(IDC_HAS_EXPANDED_ACCESS);
    enableExpandedAccessRecord(expandedAccess);
    if (!expandedAccess) {
        control<QLineEdit>(IDC_EXPANDED_ACCESS_RECORD)->clear();
    }
}

void FdaPage::enableSection801(bool enabled) {
    enableControls({IDC_LABEL_SECTION_801, IDC_SECTION_801}, enabled);
}

void FdaPage::enableDelayedPosting(bool enabled) {
    enableControls({IDC_LABEL_DELAYED_POSTING, IDC_DELAYED_POSTING}, enabled);
}

void FdaPage::enableInd(bool enabled) {
    enableControls({IDC_LABEL_IND_GRANTOR, IDC_IND_GRANTOR, IDC_LABEL_IND_NUMBER, IDC_IND_NUMBER,
                    IDC_LABEL_IND_SERIAL_NUMBER, IDC_IND_SERIAL_NUMBER,
                    IDC_LABEL_HAS_EXPANDED_ACCESS, IDC_HAS_EXPANDED_ACCESS,
                    IDC_LABEL_EXPANDED_ACCESS_RECORD, IDC_EXPANDED_ACCESS_RECORD},
                   enabled);
}

void FdaPage::enableExpandedAccessRecord(bool enabled) {
    enableControls({IDC_LABEL_EXPANDED_ACCESS_RECORD, IDC_EXPANDED_ACCESS_RECORD}, enabled);
}
