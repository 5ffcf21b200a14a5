#include "editor/FdaPage.h"

#include "editor/PageControls.h"
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
    using P = PageControls;
    std::vector<ControlTemplate> controls = {
        P::groupBox(IDC_GROUP, "FDA", {4, 2, 254, 327}, AnchorGrow),
        P::label(IDC_LABEL_SECTION_801, "Section 801 Clinical Trial?", 16),
        marker(IDC_MARKER_SECTION_801, 16),
        P::combo(IDC_SECTION_801, 26, P::yesNo()),
        P::label(IDC_LABEL_DELAYED_POSTING, "Delayed Posting?", 44),
        marker(IDC_MARKER_DELAYED_POSTING, 44),
        P::combo(IDC_DELAYED_POSTING, 54, P::yesNo()),
        P::label(IDC_LABEL_IND_GRANTOR, "IND/IDE Grantor", 72),
        marker(IDC_MARKER_IND_GRANTOR, 72),
        P::combo(IDC_IND_GRANTOR, 82,
                 {QStringLiteral("CDER"), QStringLiteral("CBER"), QStringLiteral("CDRH")}),
        P::label(IDC_LABEL_IND_NUMBER, "IND/IDE Number", 100),
        marker(IDC_MARKER_IND_NUMBER, 100),
        P::edit(IDC_IND_NUMBER, 110),
        P::label(IDC_LABEL_IND_SERIAL_NUMBER, "IND/IDE Serial Number", 128),
        marker(IDC_MARKER_IND_SERIAL_NUMBER, 128),
        P::edit(IDC_IND_SERIAL_NUMBER, 138),
        P::label(IDC_LABEL_HAS_EXPANDED_ACCESS, "Has Expanded Access?", 156),
        marker(IDC_MARKER_HAS_EXPANDED_ACCESS, 156),
        P::combo(IDC_HAS_EXPANDED_ACCESS, 166, P::yesNo()),
        P::label(IDC_LABEL_EXPANDED_ACCESS_RECORD, "Expanded Access Record", 184),
        marker(IDC_MARKER_EXPANDED_ACCESS_RECORD, 184),
        P::edit(IDC_EXPANDED_ACCESS_RECORD, 194),
    };
    return EditorPage::pageTemplate(kTemplateNumber, std::move(controls));
}

FdaPage::FdaPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
    connect(control<QComboBox>(IDC_SECTION_801), &QComboBox::currentIndexChanged, this,
            &FdaPage::section801Changed);
    connect(control<QComboBox>(IDC_HAS_EXPANDED_ACCESS), &QComboBox::currentIndexChanged, this,
            &FdaPage::expandedAccessChanged);
}

void FdaPage::onLoad(StudyRecord& record) {
    applySection801Rule(record);
    applyIndRule(record);
    const bool expandedAccess = isYes(record.ind_info.has_expanded_access);
    enableExpandedAccessRecord(expandedAccess);
    if (!expandedAccess) {
        record.ind_info.expanded_access_nct_id.clear();
    }
    showRecord(record);
}

void FdaPage::applySection801Rule(StudyRecord& record) {
    if (!isYes(record.is_fda_regulated)) {
        enableSection801(false);
        enableDelayedPosting(false);
        record.is_section_801.setText("");
        record.delayed_posting.setText("");
        return;
    }
    enableSection801(true);
    const bool section801 = isYes(record.is_section_801);
    enableDelayedPosting(section801);
    if (!section801) {
        record.delayed_posting.setText("");
    }
}

void FdaPage::applyIndRule(StudyRecord& record) {
    const bool ind = isYes(record.is_ind_study);
    enableInd(ind);
    if (!ind) {
        emptyIndInfo(record.ind_info);
    }
}

void FdaPage::showRecord(const StudyRecord& record) {
    // The handlers follow the user's choices; the rules above have already
    // set the groups for what the record holds.
    const QSignalBlocker quiet801(control(IDC_SECTION_801));
    const QSignalBlocker quietAccess(control(IDC_HAS_EXPANDED_ACCESS));
    setText(IDC_SECTION_801, record.is_section_801);
    setText(IDC_DELAYED_POSTING, record.delayed_posting);
    setText(IDC_IND_GRANTOR, record.ind_info.ind_grantor);
    setText(IDC_HAS_EXPANDED_ACCESS, record.ind_info.has_expanded_access);
    setText(IDC_IND_NUMBER, record.ind_info.ind_number);
    setText(IDC_IND_SERIAL_NUMBER, record.ind_info.ind_serial_number);
    setText(IDC_EXPANDED_ACCESS_RECORD, record.ind_info.expanded_access_nct_id);
}

void FdaPage::onStore(StudyRecord& record) {
    storeText(IDC_SECTION_801, record.is_section_801);
    storeText(IDC_DELAYED_POSTING, record.delayed_posting);
    storeText(IDC_IND_GRANTOR, record.ind_info.ind_grantor);
    storeText(IDC_IND_NUMBER, record.ind_info.ind_number);
    storeText(IDC_IND_SERIAL_NUMBER, record.ind_info.ind_serial_number);
    storeText(IDC_HAS_EXPANDED_ACCESS, record.ind_info.has_expanded_access);
    storeText(IDC_EXPANDED_ACCESS_RECORD, record.ind_info.expanded_access_nct_id);
    // The Title page stores first, so its answers of this very store count.
    if (!isYes(record.is_fda_regulated)) {
        record.is_section_801.setText("");
        record.delayed_posting.setText("");
    }
    if (!isYes(record.is_ind_study)) {
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
    PageControls::setEnabled(*this, {IDC_LABEL_SECTION_801, IDC_SECTION_801}, enabled);
}

void FdaPage::enableDelayedPosting(bool enabled) {
    PageControls::setEnabled(*this, {IDC_LABEL_DELAYED_POSTING, IDC_DELAYED_POSTING}, enabled);
}

void FdaPage::enableInd(bool enabled) {
    PageControls::setEnabled(*this,
                             {IDC_LABEL_IND_GRANTOR, IDC_IND_GRANTOR, IDC_LABEL_IND_NUMBER,
                              IDC_IND_NUMBER, IDC_LABEL_IND_SERIAL_NUMBER, IDC_IND_SERIAL_NUMBER,
                              IDC_LABEL_HAS_EXPANDED_ACCESS, IDC_HAS_EXPANDED_ACCESS,
                              IDC_LABEL_EXPANDED_ACCESS_RECORD, IDC_EXPANDED_ACCESS_RECORD},
                             enabled);
}

void FdaPage::enableExpandedAccessRecord(bool enabled) {
    PageControls::setEnabled(*this, {IDC_LABEL_EXPANDED_ACCESS_RECORD, IDC_EXPANDED_ACCESS_RECORD},
                             enabled);
}
