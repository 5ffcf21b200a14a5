#include "editor/SponsorPage.h"

#include "editor/LineSplitting.h"
#include "model/StudyRecord.h"

#include <QComboBox>
#include <QLineEdit>
#include <algorithm>

namespace {

bool isInvestigatorParty(std::string_view type) {
    return type == "Principal Investigator" || type == "Sponsor-Investigator";
}

constexpr int kInvestigatorControls[] = {
    SponsorPage::IDC_LABEL_INVESTIGATOR_USERNAME,    SponsorPage::IDC_INVESTIGATOR_USERNAME,
    SponsorPage::IDC_LABEL_INVESTIGATOR_TITLE,       SponsorPage::IDC_INVESTIGATOR_TITLE,
    SponsorPage::IDC_LABEL_INVESTIGATOR_AFFILIATION, SponsorPage::IDC_INVESTIGATOR_AFFILIATION,
};

// An earlier record's text, its control and its label.
struct OldPartyText {
    std::string ResponsibleParty::*text;
    int control;
    int label;
};

constexpr OldPartyText kOldParty[] = {
    {&ResponsibleParty::name_title, SponsorPage::IDC_NAME_TITLE, SponsorPage::IDC_LABEL_NAME_TITLE},
    {&ResponsibleParty::organization, SponsorPage::IDC_ORGANIZATION,
     SponsorPage::IDC_LABEL_ORGANIZATION},
    {&ResponsibleParty::phone, SponsorPage::IDC_PHONE, SponsorPage::IDC_LABEL_PHONE},
    {&ResponsibleParty::phone_ext, SponsorPage::IDC_PHONE_EXT, SponsorPage::IDC_LABEL_PHONE_EXT},
    {&ResponsibleParty::email, SponsorPage::IDC_EMAIL, SponsorPage::IDC_LABEL_EMAIL},
};

} // namespace

DialogTemplate SponsorPage::pageTemplate() {
    using C = ControlShape;
    TemplateColumn col = column();
    col.group(IDC_GROUP, QStringLiteral("Sponsor"));
    col.field("Sponsor", IDC_SPONSOR, C::edit(), {IDC_MARKER_SPONSOR, "LeadSponsor"});
    col.field("Collaborators (organization names, one per line)", IDC_COLLABORATORS, C::lines(72),
              {IDC_MARKER_COLLABORATORS, "Collaborators"});
    col.endGroup();
    col.group(IDC_RESPONSIBLE_PARTY_GROUP, QStringLiteral("Responsible Party"));
    col.field("Responsible Party Type", IDC_RESP_PARTY_TYPE,
              C::combo({QStringLiteral("Sponsor"), QStringLiteral("Principal Investigator"),
                        QStringLiteral("Sponsor-Investigator")}),
              {IDC_MARKER_RESP_PARTY_TYPE, "RespParty"});
    col.field({QStringLiteral("Investigator Username"), IDC_LABEL_INVESTIGATOR_USERNAME},
              IDC_INVESTIGATOR_USERNAME, C::edit(),
              {IDC_MARKER_INVESTIGATOR_USERNAME, "RespPartyInvestigatorUsername"});
    col.field({QStringLiteral("Investigator Official Title"), IDC_LABEL_INVESTIGATOR_TITLE},
              IDC_INVESTIGATOR_TITLE, C::edit(),
              {IDC_MARKER_INVESTIGATOR_TITLE, "RespPartyInvestigatorTitle"});
    col.field({QStringLiteral("Investigator Affiliation"), IDC_LABEL_INVESTIGATOR_AFFILIATION},
              IDC_INVESTIGATOR_AFFILIATION, C::edit(),
              {IDC_MARKER_INVESTIGATOR_AFFILIATION, "RespPartyInvestigatorAffiliation"});
    col.caption({QStringLiteral("As given earlier (no longer used by the registry):"),
                 IDC_LABEL_OLD_PARTY});
    col.field({QStringLiteral("Name/Official Title"), IDC_LABEL_NAME_TITLE}, IDC_NAME_TITLE,
              C::edit().style(StyleReadOnly));
    col.field({QStringLiteral("Organization"), IDC_LABEL_ORGANIZATION}, IDC_ORGANIZATION,
              C::edit().style(StyleReadOnly));
    col.fields({{{QStringLiteral("Phone"), IDC_LABEL_PHONE},
                 IDC_PHONE,
                 C::edit().width(100).style(StyleReadOnly)},
                {{QStringLiteral("Extension"), IDC_LABEL_PHONE_EXT},
                 IDC_PHONE_EXT,
                 C::edit().left(120).style(StyleReadOnly)}});
    col.field({QStringLiteral("Email Address"), IDC_LABEL_EMAIL}, IDC_EMAIL,
              C::edit().style(StyleReadOnly));
    col.closeGroup(std::max(329, col.y()), AnchorGrow); // may be taller than the frame
    return EditorPage::pageTemplate(kTemplateNumber, col);
}

SponsorPage::SponsorPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
    addEnterExempt(IDC_COLLABORATORS);
    connect(control<QComboBox>(IDC_RESP_PARTY_TYPE), &QComboBox::currentIndexChanged, this,
            &SponsorPage::partyTypeChanged);
    using R = StudyRecord;
    bind(IDC_SPONSOR, [](R& r) -> std::string& { return r.sponsors.lead_sponsor.agency; });
    bind(IDC_RESP_PARTY_TYPE,
         [](R& r) -> std::string& { return r.sponsors.resp_party.resp_party_type; });
    bind(IDC_INVESTIGATOR_USERNAME,
         [](R& r) -> std::string& { return r.sponsors.resp_party.investigator_username; });
    bind(IDC_INVESTIGATOR_TITLE,
         [](R& r) -> std::string& { return r.sponsors.resp_party.investigator_title; });
    bind(IDC_INVESTIGATOR_AFFILIATION,
         [](R& r) -> std::string& { return r.sponsors.resp_party.investigator_affiliation; });
}

void SponsorPage::onLoad(StudyRecord& record) {
    std::vector<std::string> collaborators;
    for (const auto& collaborator : record.sponsors.collaborator) {
        collaborators.push_back(collaborator->agency);
    }
    setText(IDC_COLLABORATORS, LineSplitting::joinLines(collaborators));
    // What the investigator fields hold stays, whatever the type, until the
    // user changes the type.
    enableInvestigator(isInvestigatorParty(record.sponsors.resp_party.resp_party_type));
    showOldParty(record);
}

void SponsorPage::onStore(StudyRecord& record) {
    if (!touched(IDC_COLLABORATORS)) {
        return;
    }
    Sponsors& sponsors = record.sponsors;
    sponsors.clearCollaborators();
    for (std::string& line : LineSplitting::splitAtLineFeeds(text(IDC_COLLABORATORS))) {
        appendNew(sponsors.collaborator).agency = std::move(line);
    }
}

// Read-only and never bound: the record keeps these texts as they are.
void SponsorPage::showOldParty(const StudyRecord& record) {
    bool any = false;
    for (const OldPartyText& old : kOldParty) {
        const std::string& text = record.sponsors.resp_party.*old.text;
        setText(old.control, text);
        showControls({old.label, old.control}, !text.empty());
        any = any || !text.empty();
    }
    showControls({IDC_LABEL_OLD_PARTY}, any);
}

void SponsorPage::partyTypeChanged() {
    const bool investigator = isInvestigatorParty(text(IDC_RESP_PARTY_TYPE));
    enableInvestigator(investigator);
    if (!investigator) {
        for (int id :
             {IDC_INVESTIGATOR_USERNAME, IDC_INVESTIGATOR_TITLE, IDC_INVESTIGATOR_AFFILIATION}) {
            control<QLineEdit>(id)->clear();
        }
    }
}

void SponsorPage::enableInvestigator(bool enabled) {
    enableControls(kInvestigatorControls, enabled);
}
