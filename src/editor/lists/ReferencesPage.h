#pragma once

#include "editor/EditorPage.h"
#include "editor/ItemList.h"
#include "model/Link.h"
#include "model/Reference.h"

// The "References" section: the sponsor's registry login name, the
// literature citations and the web links.
class ReferencesPage : public EditorPage {
    Q_OBJECT
public:
    enum ControlId {
        IDC_LOGIN_GROUP = 5100,
        IDC_CITATIONS_GROUP = 5101,
        IDC_LINKS_GROUP = 5102,
        IDC_LOGIN = 1011,
        IDC_CITATIONS = 5012,
        IDC_CITATION_ADD = 1022,
        IDC_CITATION_EDIT = 1026,
        IDC_CITATION_REMOVE = 1024,
        IDC_LINKS = 5013,
        IDC_LINK_ADD = 1027,
        IDC_LINK_EDIT = 1028,
        IDC_LINK_REMOVE = 1029,
        IDC_MARKER_CITATIONS = 1185,
        IDC_MARKER_LINKS = 1188,
    };
    static constexpr int kTemplateNumber = 519;

    static DialogTemplate pageTemplate();

    explicit ReferencesPage(QWidget* parent = nullptr);

    ItemList<Reference>& citations() { return m_citations; }
    ItemList<Link>& links() { return m_links; }

    void addCitation();
    void editCitation();
    void removeCitation();
    void addLink();
    void editLink();
    void removeLink();

protected:
    void onLoad(StudyRecord& record) override;
    void onStore(StudyRecord& record) override;

private:
    void connectButtons();

    ItemList<Reference> m_citations;
    ItemList<Link> m_links;
};
