#include "editor/lists/ReferencesPage.h"

#include "editor/PageControls.h"
#include "editor/lists/CitationDialog.h"
#include "editor/lists/LinkDialog.h"
#include "model/NamesAndAddresses.h"
#include "model/StudyRecord.h"
#include "platform/TextCodec.h"

#include <QTreeWidget>

namespace {

QString loginTitle() {
    return QString::fromUtf8(names::kRegistryDisplayName.data(),
                             static_cast<qsizetype>(names::kRegistryDisplayName.size())) +
           QStringLiteral(" Login (Username)");
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
         .kind = ControlKind::ListView,
         .rect = {14, 54, 216, 104},
         .anchors = AnchorStretchRight},
        PageControls::button(IDC_CITATION_ADD, "&Add", 14, 162, 0),
        PageControls::button(IDC_CITATION_EDIT, "&Edit", 68, 162, 0),
        PageControls::button(IDC_CITATION_REMOVE, "&Remove", 122, 162, 0),
        marker(IDC_MARKER_CITATIONS, 164),
        {.id = IDC_LINKS_GROUP,
         .kind = ControlKind::GroupBox,
         .text = QStringLiteral("Links"),
         .rect = {4, 186, 254, 143},
         .anchors = AnchorGrow},
        {.id = IDC_LINKS,
         .kind = ControlKind::ListView,
         .rect = {14, 200, 216, 104},
         .anchors = AnchorGrow},
        PageControls::bottomButton(IDC_LINK_ADD, "&Add", 14),
        PageControls::bottomButton(IDC_LINK_EDIT, "&Edit", 68),
        PageControls::bottomButton(IDC_LINK_REMOVE, "&Remove", 122),
        marker(IDC_MARKER_LINKS, 311),
    };
    return EditorPage::pageTemplate(kTemplateNumber, std::move(controls));
}

ReferencesPage::ReferencesPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
    m_citations.attach(control<QTreeWidget>(IDC_CITATIONS), this);
    m_citations.setColumns({{QStringLiteral("MEDLINE PubMed Identifier"), 150},
                            {QStringLiteral("Citation"), 200},
                            {QStringLiteral("Results Reference"), 100}});
    m_links.attach(control<QTreeWidget>(IDC_LINKS), this);
    m_links.setColumns({{QStringLiteral("URL"), 200}, {QStringLiteral("Description"), 200}});
    connectButtons();
}

void ReferencesPage::connectButtons() {
    connectListCommands(m_citations.list(),
                        {IDC_CITATION_ADD, IDC_CITATION_EDIT, IDC_CITATION_REMOVE,
                         [this] { addCitation(); }, [this] { editCitation(); },
                         [this] { removeCitation(); }});
    connectListCommands(m_links.list(),
                        {IDC_LINK_ADD, IDC_LINK_EDIT, IDC_LINK_REMOVE, [this] { addLink(); },
                         [this] { editLink(); }, [this] { removeLink(); }});
}

void ReferencesPage::onLoad(StudyRecord& record) {
    setText(IDC_LOGIN, record.id_info.org_name);
    std::vector<QStringList> citations;
    for (const auto& reference : record.reference) {
        citations.push_back({TextCodec::decode(reference->pubmed_id),
                             TextCodec::decodeLines(reference->citation),
                             TextCodec::decode(reference->is_results_ref)});
    }
    m_citations.replaceRows(citations);
    std::vector<QStringList> links;
    for (const auto& link : record.link) {
        links.push_back({TextCodec::decode(link->url), TextCodec::decodeLines(link->description)});
    }
    m_links.replaceRows(links);
}

void ReferencesPage::onStore(StudyRecord& record) {
    storeText(IDC_LOGIN, record.id_info.org_name);
    record.reference.clear();
    for (const QStringList& row : m_citations.rows()) {
        Reference& reference = appendNew(record.reference);
        reference.pubmed_id = TextCodec::encode(row.value(0));
        reference.citation = TextCodec::encodeLines(row.value(1));
        reference.is_results_ref = TextCodec::encode(row.value(2));
    }
    record.link.clear();
    for (const QStringList& row : m_links.rows()) {
        Link& link = appendNew(record.link);
        link.url = TextCodec::encode(row.value(0));
        link.description = TextCodec::encodeLines(row.value(1));
    }
}

std::optional<QStringList> ReferencesPage::runCitationDialog(const QStringList& inputs) {
    CitationDialog dialog(this);
    dialog.setInputs(inputs.value(0), inputs.value(1), inputs.value(2));
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return QStringList{dialog.pmid(), dialog.citation(), dialog.resultsReference()};
}

std::optional<QStringList> ReferencesPage::runLinkDialog(const QStringList& inputs) {
    LinkDialog dialog(this);
    dialog.setInputs(inputs.value(0), inputs.value(1));
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return QStringList{dialog.url(), dialog.description()};
}

void ReferencesPage::addCitation() {
    m_citations.add([this](const QStringList& inputs) { return runCitationDialog(inputs); });
}

void ReferencesPage::editCitation() {
    m_citations.edit([this](const QStringList& inputs) { return runCitationDialog(inputs); });
}

void ReferencesPage::removeCitation() {
    m_citations.remove();
}

void ReferencesPage::addLink() {
    m_links.add([this](const QStringList& inputs) { return runLinkDialog(inputs); });
}

void ReferencesPage::editLink() {
    m_links.edit([this](const QStringList& inputs) { return runLinkDialog(inputs); });
}

void ReferencesPage::removeLink() {
    m_links.remove();
}
