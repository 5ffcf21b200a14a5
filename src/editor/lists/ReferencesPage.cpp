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
    using C = ControlShape;
    TemplateColumn col = column();
    col.group(IDC_LOGIN_GROUP, loginTitle());
    col.control(IDC_LOGIN, C::edit());
    col.endGroup(2, 4);
    col.group(IDC_CITATIONS_GROUP, QStringLiteral("Citations"));
    col.control(IDC_CITATIONS, C::itemList(104));
    listButtons(col, {IDC_CITATION_ADD, IDC_CITATION_EDIT, IDC_CITATION_REMOVE}, 4,
                {{IDC_MARKER_CITATIONS, QStringLiteral("References")}}, 1);
    col.endGroup(0, 4);
    col.group(IDC_LINKS_GROUP, QStringLiteral("Links"));
    col.control(IDC_LINKS, C::itemList(104).anchors(AnchorGrow));
    listButtons(col, {IDC_LINK_ADD, IDC_LINK_EDIT, IDC_LINK_REMOVE}, 5,
                {{IDC_MARKER_LINKS, QStringLiteral("Links")}}, 1);
    col.closeGroup(kPageHeight - 4, AnchorGrow);
    return EditorPage::pageTemplate(kTemplateNumber, col);
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
