#pragma once

#include "editor/ItemDialog.h"
#include "editor/ItemForm.h"
#include "model/Reference.h"
#include "platform/DialogControls.h"
#include "platform/DialogTemplate.h"
#include "web/PubMedLookup.h"

#include <optional>

// Adds or edits one literature reference: its PubMed identifier, whether it
// reports results of the study, and the citation text. "Load" fills the
// citation from PubMed; OK does so too when the citation is still empty and
// the user changed something.
class CitationDialog : public ItemDialog {
    Q_OBJECT
public:
    enum ControlId {
        IDC_PMID = 1011,
        IDC_LOAD = 1012,
        IDC_RESULTS = 1032,
        IDC_CITATION = 1013,
        IDC_SEARCH_LINK = 1014,
        IDC_OK = 1,
        IDC_CANCEL = 2,
    };
    static constexpr int kTemplateNumber = 145;

    static const QString kEnterPmid;
    // The refusal after "Load" found nothing for `pmid`.
    static QString notFoundMessage(const QString& pmid);
    // The refusal after "Load" when PubMed could not be reached or failed.
    static QString unreachableMessage();

    static DialogTemplate dialogTemplate();

    // The look-up every dialog uses; none restores the program's hosts.
    static void setLookup(std::optional<PubMedLookup> lookup);

    explicit CitationDialog(QWidget* parent = nullptr);

    // Set before exec(); none for Add.
    void setItem(const Reference& reference) { m_form.show(reference); }
    // The item with what the user changed; after OK.
    const Reference& item() const { return m_form.item(); }

    // "Load": fetches the citation and says so when there is none.
    void load();
    void accept() override;

private:
    // Replaces the citation text with what PubMed gives for the identifier;
    // a look-up that reached no service leaves it as it was.
    PubMedLookup::Outcome lookUp();
    QString citationText() const;

    ItemForm<Reference> m_form;
};
