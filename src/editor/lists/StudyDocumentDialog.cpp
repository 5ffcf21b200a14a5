#include "editor/lists/StudyDocumentDialog.h"

#include "platform/ControlShape.h"
#include "platform/TemplateColumn.h"

#include <QComboBox>
#include <QLineEdit>

const QString StudyDocumentDialog::kChooseType = QStringLiteral("Please choose a Document Type.");

const QStringList& StudyDocumentDialog::documentTypes() {
    static const QStringList types = {
        QStringLiteral("Individual Participant Data Set"),
        QStringLiteral("Study Protocol"),
        QStringLiteral("Statistical Analysis Plan"),
        QStringLiteral("Informed Consent Form"),
        QStringLiteral("Clinical Study Report"),
        QStringLiteral("Analytic Code"),
        QStringLiteral("Other"),
    };
    return types;
}

DialogTemplate StudyDocumentDialog::dialogTemplate() {
    using C = ControlShape;
    TemplateColumn col(
        {.left = 15, .width = 220, .labelWidth = 200, .groupLeft = 7, .groupWidth = 236}, 4);
    col.group(ControlTemplate::kNoId, QStringLiteral("Study Document"));
    col.field("Document Type", IDC_TYPE, C::combo(documentTypes()));
    col.field({QStringLiteral("Other Document Type"), IDC_OTHER_TYPE_LABEL}, IDC_OTHER_TYPE,
              C::edit());
    col.field("URL", IDC_URL, C::edit());
    col.field("Document Identifier", IDC_IDENTIFIER, C::edit());
    col.field("Comments", IDC_COMMENTS, C::lines(70));
    col.endGroup();
    return ItemDialog::itemTemplate(kTemplateNumber, QStringLiteral("Study Document"), 250, col, 7);
}

StudyDocumentDialog::StudyDocumentDialog(QWidget* parent) : ItemDialog(dialogTemplate(), parent) {
    using Form = ItemForm<StudyDocument>;
    m_form =
        Form(m_controls, {Form::text(IDC_TYPE, &StudyDocument::study_document_type),
                          Form::text(IDC_OTHER_TYPE, &StudyDocument::study_document_other_type),
                          Form::text(IDC_URL, &StudyDocument::url),
                          Form::text(IDC_IDENTIFIER, &StudyDocument::study_document_identifier),
                          Form::block(IDC_COMMENTS, &StudyDocument::study_document_comments)});
    enableOtherType(false);
    connect(m_controls.get<QComboBox>(IDC_TYPE), &QComboBox::activated, this,
            [this] { enableOtherType(isOther()); });
}

// The other type stays open for an item that holds one, whatever its type.
void StudyDocumentDialog::setItem(const StudyDocument& document) {
    m_form.show(document);
    enableOtherType(document.study_document_type == "Other" ||
                    !document.study_document_other_type.empty());
}

bool StudyDocumentDialog::isOther() const {
    return m_controls.get<QComboBox>(IDC_TYPE)->currentText() == QLatin1String("Other");
}

void StudyDocumentDialog::enableOtherType(bool enabled) {
    m_controls.widget(IDC_OTHER_TYPE_LABEL)->setEnabled(enabled);
    m_controls.widget(IDC_OTHER_TYPE)->setEnabled(enabled);
}

// The registry wants a type for every document, and an other type only
// with "Other": a type the user changed from it leaves none behind.
void StudyDocumentDialog::accept() {
    auto* type = m_controls.get<QComboBox>(IDC_TYPE);
    if (m_form.isEmpty(IDC_TYPE)) {
        refuse(type, kChooseType);
        return;
    }
    if (m_form.changed(IDC_TYPE) && !isOther()) {
        m_controls.get<QLineEdit>(IDC_OTHER_TYPE)->clear();
    }
    m_form.take();
    QDialog::accept();
}
