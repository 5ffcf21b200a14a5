#include "editor/EditorSection.h"
#include "editor/EligibilityPage.h"
#include "editor/ExpandedAccessPage.h"
#include "editor/FdaPage.h"
#include "editor/InterventionalDesignPage.h"
#include "editor/ObservationalDesignPage.h"
#include "editor/OversightPage.h"
#include "editor/SponsorPage.h"
#include "editor/StatusPage.h"
#include "editor/SummaryPage.h"
#include "editor/TitlePage.h"
#include "editor/lists/ArmsInterventionsPage.h"
#include "editor/lists/ConditionsPage.h"
#include "editor/lists/ContactsPage.h"
#include "editor/lists/LocationsPage.h"
#include "editor/lists/OutcomesPage.h"
#include "editor/lists/ReferencesPage.h"

namespace {

template <class Page> EditorPage* makePage(QWidget* panel) {
    return new Page(panel);
}

} // namespace

const std::vector<EditorSection>& editorSections() {
    using I = EditorIcons;
    using S = EditorSection;
    static const std::vector<EditorSection> all = {
        {"Title", "Title", I::Title, makePage<TitlePage>},
        {"FDA", "FDA", I::Regulation, makePage<FdaPage>},
        {"Sponsor", "Sponsor", I::Sponsor, makePage<SponsorPage>},
        {"Oversight", "Oversight", I::Oversight, makePage<OversightPage>},
        {"Summary", "Summary", I::Summary, makePage<SummaryPage>},
        {"Status", "Status", I::Status, makePage<StatusPage>},
        {"Interventional Design", "Interventional Design", I::Design,
         makePage<InterventionalDesignPage>, S::ForInterventional},
        {"Observational Design", "Observational Design", I::Design,
         makePage<ObservationalDesignPage>, S::ForObservational},
        {"Outcome Measures", "Outcome Measures", I::Design, makePage<OutcomesPage>,
         S::ForEitherDesign},
        {"Conditions", "Conditions and Keywords", I::Conditions, makePage<ConditionsPage>},
        // Where the registry's study design module comes for such a record.
        {"Expanded Access", "Expanded Access", I::Design, makePage<ExpandedAccessPage>,
         S::ForExpandedAccess},
        {"Interventions", "Interventions", I::Interventions, makePage<ArmsInterventionsPage>},
        {"Eligibility", "Eligibility", I::Eligibility, makePage<EligibilityPage>},
        {"Contacts", "Contacts", I::Contacts, makePage<ContactsPage>},
        {"Locations", "Locations", I::Locations, makePage<LocationsPage>},
        {"References", "References", I::References, makePage<ReferencesPage>},
    };
    return all;
}
