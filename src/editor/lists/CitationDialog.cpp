#include "editor/lists/CitationDialog.h"

#include "controls/CHyperLink.h"
#include "names/NamesAndAddresses.h"
#include "platform/ControlShape.h"
#include "platform/TemplateColumn.h"
#include "platform/TextCodec.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::optional<PubMedLookup>& configuredLookup() {
    static std::optional<PubMedLookup> lookup;
    return lookup;
}

PubMedLookup currentLookup() {
    if (configuredLookup()) {
        return *configuredLookup();
    }
    return PubMedLookup(std::string(names::kPubMedHost), std::string(names::kEutilsHost));
}

// The look-up blocks the window; the cursor says so.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

const QString CitationDialog::kEnterPmid =
    QStringLiteral("Please enter a PubMed Identifier (PMID).");

QString CitationDialog::notFoundMessage(const QString& pmid) {
    return QStringLiteral("The PMID ") + pmid +
           QStringLiteral(" could not be found on MEDLINE. Please check the value or click Search "
                          "Citations to locate one. The PMID number is the last number in the "
                          "MEDLINE URL ") +
           fromView(names::kPubMedHost) + QStringLiteral("/pubmed/[PMID NUMBER]");
}

QString CitationDialog::unreachableMessage() {
    return fromView(names::kProductName) + QStringLiteral(" could not reach ") +
           fromView(names::kPubMedHost) +
           QStringLiteral(". The network or the service failed, so nothing is known about the "
                          "PMID. Please check the connection and try again.");
}

DialogTemplate CitationDialog::dialogTemplate() {
    using C = ControlShape;
    TemplateColumn col(
        {.left = 15, .width = 220, .labelWidth = 220, .gap = 8, .groupLeft = 7, .groupWidth = 236},
        4);
    col.group(ControlTemplate::kNoId, QStringLiteral("Citation"));
    const int top = col.y();
    FieldLabel pmid("MEDLINE PubMed Identifier");
    pmid.width = 100;
    col.caption(pmid);
    col.space(-1); // the taller button centres the edit on the usual line
    col.row(
        {{IDC_PMID, C::edit().width(160)}, {IDC_LOAD, C::button(QStringLiteral("Load")).left(185)}},
        7);
    // After the edit, so that the identifier has the first focus.
    col.add(
        C::hyperLink(QStringLiteral("Search Citations")).width(70).at(120, top, IDC_SEARCH_LINK));
    col.field("Does the publication report on results of this study?", IDC_RESULTS,
              C::combo({QStringLiteral("Yes"), QStringLiteral("No")}).width(80));
    col.field("If the publication was not found in MEDLINE, enter citation text.", IDC_CITATION,
              C::lines(126));
    col.endGroup(0, 7);
    return ItemDialog::itemTemplate(kTemplateNumber, QStringLiteral("Citation"), 250, col, 7);
}

void CitationDialog::setLookup(std::optional<PubMedLookup> lookup) {
    configuredLookup() = std::move(lookup);
}

CitationDialog::CitationDialog(QWidget* parent) : ItemDialog(dialogTemplate(), parent) {
    auto* search = m_controls.get<CHyperLink>(IDC_SEARCH_LINK);
    search->setAddress(fromView(names::kCitationMatcher));
    search->attach();
    connect(m_controls.get<QPushButton>(IDC_LOAD), &QPushButton::clicked, this,
            &CitationDialog::load);
    using Form = ItemForm<Reference>;
    m_form = Form(m_controls, {Form::text(IDC_PMID, &Reference::pubmed_id),
                               Form::text(IDC_RESULTS, &Reference::is_results_ref),
                               Form::text(IDC_CITATION, &Reference::citation, true)});
}

QString CitationDialog::citationText() const {
    return m_controls.get<QPlainTextEdit>(IDC_CITATION)->toPlainText();
}

PubMedLookup::Outcome CitationDialog::lookUp() {
    const std::string pmid = TextCodec::encode(m_controls.get<QLineEdit>(IDC_PMID)->text());
    PubMedLookup::Result found;
    {
        const BusyCursor busy;
        found = currentLookup().lookUp(pmid);
    }
    if (found.outcome != PubMedLookup::Outcome::Unreachable) {
        m_controls.get<QPlainTextEdit>(IDC_CITATION)
            ->setPlainText(TextCodec::decodeLines(found.citation));
    }
    return found.outcome;
}

void CitationDialog::load() {
    const PubMedLookup::Outcome outcome = lookUp();
    if (outcome == PubMedLookup::Outcome::Found) {
        return;
    }
    auto* pmidBox = m_controls.get<QLineEdit>(IDC_PMID);
    refuse(pmidBox, outcome == PubMedLookup::Outcome::Unreachable
                        ? unreachableMessage()
                        : notFoundMessage(pmidBox->text()));
}

void CitationDialog::accept() {
    auto* pmidBox = m_controls.get<QLineEdit>(IDC_PMID);
    if (pmidBox->text().isEmpty()) {
        refuse(pmidBox, kEnterPmid);
        return;
    }
    if (m_form.changed() && citationText().isEmpty()) {
        lookUp();
    }
    m_form.take();
    QDialog::accept();
}
