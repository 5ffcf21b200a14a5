#include "editor/SponsorPage.h"

#include "editor/LineSplitting.h"
#include "editor/PageControls.h"
#include "model/StudyRecord.h"

DialogTemplate SponsorPage::pageTemplate() {
    using P = PageControls;
    std::vector<ControlTemplate> controls = {
        P::groupBox(IDC_GROUP, "Sponsor", {4, 2, 254, 132}, AnchorStretchRight),
        P::label(ControlTemplate::kNoId, "Sponsor", 16),
        marker(IDC_MARKER_SPONSOR, 16),
        P::edit(IDC_SPONSOR, 26),
        P::label(ControlTemplate::kNoId, "Collaborators (organization names, one per line)", 44),
        marker(IDC_MARKER_COLLABORATORS, 44),
        P::multiLineEdit(IDC_COLLABORATORS, 54, 72, AnchorStretchRight),
        P::groupBox(IDC_RESPONSIBLE_PARTY_GROUP, "Responsible Party", {4, 140, 254, 189},
                    AnchorGrow),
        P::label(ControlTemplate::kNoId, "Name/Official Title", 154),
        marker(IDC_MARKER_NAME_TITLE, 154),
        P::edit(IDC_NAME_TITLE, 164),
        P::label(ControlTemplate::kNoId, "Organization", 182),
        P::edit(IDC_ORGANIZATION, 192),
        P::label(ControlTemplate::kNoId, "Phone", {P::kLeft, 210, 100, P::kLabelHeight}),
        P::edit(IDC_PHONE, {P::kLeft, 220, 100, P::kControlHeight}, 0),
        P::label(ControlTemplate::kNoId, "Extension", {120, 210, 110, P::kLabelHeight}),
        P::edit(IDC_PHONE_EXT, {120, 220, 110, P::kControlHeight}, AnchorStretchRight),
        P::label(ControlTemplate::kNoId, "Email Address", 238),
        P::edit(IDC_EMAIL, 248),
    };
    return EditorPage::pageTemplate(kTemplateNumber, std::move(controls));
}

SponsorPage::SponsorPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
    addEnterExempt(IDC_COLLABORATORS);
}

void SponsorPage::onLoad(StudyRecord& record) {
    Sponsors& sponsors = record.sponsors;
    setText(IDC_SPONSOR, sponsors.lead_sponsor.agency);
    std::vector<std::string> collaborators;
    for (const auto& collaborator : sponsors.collaborator) {
        collaborators.push_back(collaborator->agency);
    }
    setText(IDC_COLLABORATORS, LineSplitting::joinLines(collaborators));
    const ResponsibleParty& party = sponsors.resp_party;
    setText(IDC_NAME_TITLE, party.name_title);
    setText(IDC_ORGANIZATION, party.organization);
    setText(IDC_PHONE, party.phone);
    setText(IDC_PHONE_EXT, party.phone_ext);
    setText(IDC_EMAIL, party.email);
}

void SponsorPage::onStore(StudyRecord& record) {
    Sponsors& sponsors = record.sponsors;
    storeText(IDC_SPONSOR, sponsors.lead_sponsor.agency);
    sponsors.clearCollaborators();
    for (std::string& line : LineSplitting::splitAtLineFeeds(text(IDC_COLLABORATORS))) {
        appendNew(sponsors.collaborator).agency = std::move(line);
    }
    ResponsibleParty& party = sponsors.resp_party;
    storeText(IDC_NAME_TITLE, party.name_title);
    storeText(IDC_ORGANIZATION, party.organization);
    storeText(IDC_PHONE, party.phone);
    storeText(IDC_PHONE_EXT, party.phone_ext);
    storeText(IDC_EMAIL, party.email);
}
