#include "editor/SponsorPage.h"

#include "editor/LineSplitting.h"
#include "model/StudyRecord.h"

DialogTemplate SponsorPage::pageTemplate() {
    using C = ControlShape;
    TemplateColumn col = column();
    col.group(IDC_GROUP, QStringLiteral("Sponsor"));
    col.field("Sponsor", IDC_SPONSOR, C::edit(), {IDC_MARKER_SPONSOR, "LeadSponsor"});
    col.field("Collaborators (organization names, one per line)", IDC_COLLABORATORS, C::lines(72),
              {IDC_MARKER_COLLABORATORS, "Collaborators"});
    col.endGroup();
    col.group(IDC_RESPONSIBLE_PARTY_GROUP, QStringLiteral("Responsible Party"));
    col.field("Name/Official Title", IDC_NAME_TITLE, C::edit(),
              {IDC_MARKER_NAME_TITLE, "RespParty"});
    col.field("Organization", IDC_ORGANIZATION, C::edit());
    col.fields({{"Phone", IDC_PHONE, C::edit().width(100)},
                {"Extension", IDC_PHONE_EXT, C::edit().left(120)}});
    col.field("Email Address", IDC_EMAIL, C::edit());
    col.closeGroup(329, AnchorGrow);
    return EditorPage::pageTemplate(kTemplateNumber, col);
}

SponsorPage::SponsorPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
    addEnterExempt(IDC_COLLABORATORS);
    bind(IDC_SPONSOR,
         [](StudyRecord& r) -> std::string& { return r.sponsors.lead_sponsor.agency; });
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
