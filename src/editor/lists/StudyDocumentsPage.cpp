#include "editor/lists/StudyDocumentsPage.h"

#include "editor/lists/StudyDocumentDialog.h"
#include "model/StudyRecord.h"

#include <QTreeView>

namespace {

ItemList<StudyDocument>::Columns documentColumns() {
    using Column = ItemColumn<StudyDocument>;
    return {
        Column::of(QStringLiteral("Type"), 150, &StudyDocument::study_document_type),
        Column::of(QStringLiteral("Other Type"), 100, &StudyDocument::study_document_other_type),
        Column::of(QStringLiteral("URL"), 200, &StudyDocument::url),
        Column::of(QStringLiteral("Identifier"), 100, &StudyDocument::study_document_identifier),
        Column::of(QStringLiteral("Comments"), 200, &StudyDocument::study_document_comments)};
}

} // namespace

DialogTemplate StudyDocumentsPage::pageTemplate() {
    using C = ControlShape;
    TemplateColumn col = column();
    col.group(IDC_GROUP, QStringLiteral("Available IPD/Information"));
    col.caption("Study Documents", {IDC_MARKER_DOCUMENTS, QStringLiteral("AvailableIPD")});
    col.control(IDC_DOCUMENTS, C::itemList(kBottomButtonY - 5 - col.y()).anchors(AnchorGrow));
    listButtons(col, {IDC_ADD, IDC_EDIT, IDC_REMOVE}, 5);
    col.closeGroup(kPageHeight - 4, AnchorGrow);
    return EditorPage::pageTemplate(kTemplateNumber, col);
}

StudyDocumentsPage::StudyDocumentsPage(QWidget* parent)
    : EditorPage(parent), m_documents(documentColumns()) {
    buildPage(pageTemplate());
    m_documents.attach(control<QTreeView>(IDC_DOCUMENTS), this,
                       ItemList<StudyDocument>::dialogOf<StudyDocumentDialog>(this));
    connectListCommands(m_documents.view(),
                        {IDC_ADD, IDC_EDIT, IDC_REMOVE, [this] { m_documents.add(); },
                         [this] { m_documents.edit(); }, [this] { m_documents.remove(); }});
}

void StudyDocumentsPage::onLoad(StudyRecord& record) {
    m_documents.load(record.study_document);
}

void StudyDocumentsPage::onStore(StudyRecord& record) {
    m_documents.store(record.study_document);
}
