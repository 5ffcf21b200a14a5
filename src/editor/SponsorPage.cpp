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
    bind(IDC_SPONSOR, [](StudyRecord& r) -> std::string& { return r.sponsors.lead_sponsor.agency; });
    bind(IDC_NAME_TITLE,
         [](StudyRecord& r) -> std::string& { return r.sponsors.resp_party.name_title; });
    bind(IDC_ORGANIZATION,
         [](StudyRecord& r) -> std::string& { return r.sponsors.resp_party.organization; });
    bind(IDC_PHONE, [](StudyRecord& r) -> std::string& { return r.sponsors.resp_party.phone; });
    bind(IDC_PHONE_EXT,
         [](StudyRecord& r) -> std::string& { return r.sponsors.resp_party.phone_ext; });
    bind(IDC_EMAIL, [](StudyRecord& r) -> std::string& { return r.sponsors.resp_party.email; });
}

void SponsorPage::onLoad(StudyRecord& record) {
    std::vector<std::string> collaborators;
    for (const auto& collaborator : record.sponsors.collaborator) {
        collaborators.push_back(collaborator->agency);
    }
    setText(IDC_COLLABORATORS, LineSplitting::joinLines(collaborators));
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
