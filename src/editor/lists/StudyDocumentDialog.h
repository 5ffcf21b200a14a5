#pragma once

#include "editor/ItemDialog.h"
#include "editor/ItemForm.h"
#include "model/StudyDocument.h"
#include "platform/DialogTemplate.h"

// Adds or edits one document or data set the study makes available: its type
// from the registry's list, the other type (open only for "Other"), URL,
// identifier and comments. Texts travel as typed.
class StudyDocumentDialog : public ItemDialog {
    Q_OBJECT
public:
    enum ControlId {
        IDC_TYPE = 1011,
        IDC_OTHER_TYPE = 1012,
        IDC_URL = 1013,
        IDC_IDENTIFIER = 1014,
        IDC_COMMENTS = 1015,
        IDC_OTHER_TYPE_LABEL = 1016,
    };
    static constexpr int kTemplateNumber = 161;

    static const QString kChooseType;
    static const QStringList& documentTypes();

    static DialogTemplate dialogTemplate();

    explicit StudyDocumentDialog(QWidget* parent = nullptr);

    // Set before exec(); none for Add.
    void setItem(const StudyDocument& document);
    // The item with what the user changed; after OK.
    const StudyDocument& item() const { return m_form.item(); }

    void accept() override;

private:
    bool isOther() const;
    void enableOtherType(bool enabled);

    ItemForm<StudyDocument> m_form;
};
