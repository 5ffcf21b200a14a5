#include "editor/lists/ReferencesPage.h"

#include "editor/lists/CitationDialog.h"
#include "editor/lists/LinkDialog.h"
#include "names/NamesAndAddresses.h"
#include "model/StudyRecord.h"

#include <QTreeView>

namespace {

QString loginTitle() {
    return QString::fromUtf8(names::kRegistryDisplayName.data(),
                             static_cast<qsizetype>(names::kRegistryDisplayName.size())) +
           QStringLiteral(" Login (Username)");
}

ItemList<Reference>::Columns citationColumns() {
    using Column = ItemColumn<Reference>;
    return {Column::of(QStringLiteral("MEDLINE PubMed Identifier"), 150, &Reference::pubmed_id),
            Column::of(QStringLiteral("Citation"), 200, &Reference::citation),
            Column::of(QStringLiteral("Results Reference"), 100, &Reference::is_results_ref)};
}

ItemList<Link>::Columns linkColumns() {
    using Column = ItemColumn<Link>;
    return {Column::of(QStringLiteral("URL"), 200, &Link::url),
            Column::of(QStringLiteral("Description"), 200, &Link::description)};
}

} // namespace

DialogTemplate ReferencesPage::pageTemplate() {
    std::vector<ControlTemplate> controls = {
        {.id = IDC_LOGIN_GROUP,
         .kind = ControlKind::GroupBox,
         .text = loginTitle(),
         .rect = {4, 2, 254, 34},
         .anchors = AnchorStretchRight},
        {.id = IDC_LOGIN,
         .kind = ControlKind::Edit,
         .rect = {14, 16, 216, 12},
         .anchors = AnchorStretchRight},
        {.id = IDC_CITATIONS_GROUP,
         .kind = ControlKind::GroupBox,
         .text = QStringLiteral("Citations"),
         .rect = {4, 40, 254, 142},
         .anchors = AnchorStretchRight},
        {.id = IDC_CITATIONS,
         .kind = ControlKind::ItemListView,
         .rect = {14, 54, 216, 104},
         .anchors = AnchorStretchRight},
        ControlShape::button(QStringLiteral("&Add")).at(14, 162, IDC_CITATION_ADD),
        ControlShape::button(QStringLiteral("&Edit")).at(68, 162, IDC_CITATION_EDIT),
        ControlShape::button(QStringLiteral("&Remove")).at(122, 162, IDC_CITATION_REMOVE),
        marker(IDC_MARKER_CITATIONS, 164, "References"),
        {.id = IDC_LINKS_GROUP,
         .kind = ControlKind::GroupBox,
         .text = QStringLiteral("Links"),
         .rect = {4, 186, 254, 143},
         .anchors = AnchorGrow},
        {.id = IDC_LINKS,
         .kind = ControlKind::ItemListView,
         .rect = {14, 200, 216, 104},
         .anchors = AnchorGrow},
        bottomButton(IDC_LINK_ADD, "&Add", 14),
        bottomButton(IDC_LINK_EDIT, "&Edit", 68),
        bottomButton(IDC_LINK_REMOVE, "&Remove", 122),
        marker(IDC_MARKER_LINKS, 311, "Links"),
    };
    return EditorPage::pageTemplate(kTemplateNumber, std::move(controls));
}

ReferencesPage::ReferencesPage(QWidget* parent)
    : EditorPage(parent), m_citations(citationColumns()), m_links(linkColumns()) {
    buildPage(pageTemplate());
    m_citations.attach(control<QTreeView>(IDC_CITATIONS), this,
                       ItemList<Reference>::dialogOf<CitationDialog>(this));
    m_links.attach(control<QTreeView>(IDC_LINKS), this, ItemList<Link>::dialogOf<LinkDialog>(this));
    connectButtons();
}

void ReferencesPage::connectButtons() {
    connectListCommands(m_citations.view(),
                        {IDC_CITATION_ADD, IDC_CITATION_EDIT, IDC_CITATION_REMOVE,
                         [this] { addCitation(); }, [this] { editCitation(); },
                         [this] { removeCitation(); }});
    connectListCommands(m_links.view(),
                        {IDC_LINK_ADD, IDC_LINK_EDIT, IDC_LINK_REMOVE, [this] { addLink(); },
                         [this] { editLink(); }, [this] { removeLink(); }});
}

void ReferencesPage::onLoad(StudyRecord& record) {
    setText(IDC_LOGIN, record.id_info.org_name);
    m_citations.load(record.reference);
    m_links.load(record.link);
}

void ReferencesPage::onStore(StudyRecord& record) {
    storeText(IDC_LOGIN, record.id_info.org_name);
    m_citations.store(record.reference);
    m_links.store(record.link);
}

void ReferencesPage::addCitation() {
    m_citations.add();
}

void ReferencesPage::editCitation() {
    m_citations.edit();
}

void ReferencesPage::removeCitation() {
    m_citations.remove();
}

void ReferencesPage::addLink() {
    m_links.add();
}

void ReferencesPage::editLink() {
    m_links.edit();
}

void ReferencesPage::removeLink() {
    m_links.remove();
}
