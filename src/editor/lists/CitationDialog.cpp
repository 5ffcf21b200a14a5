#include "editor/lists/CitationDialog.h"

#include "controls/CHyperLink.h"
#include "names/NamesAndAddresses.h"
#include "platform/ControlShape.h"
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
    return {
        .number = kTemplateNumber,
        .caption = QStringLiteral("Citation"),
        .width = 250,
        .height = 250,
        .controls =
            {
                {.kind = ControlKind::GroupBox,
                 .text = QStringLiteral("Citation"),
                 .rect = {7, 4, 236, 218}},
                ControlShape::label(QStringLiteral("MEDLINE PubMed Identifier"))
                    .width(100)
                    .at(15, 18),
                {.id = IDC_PMID, .kind = ControlKind::Edit, .rect = {15, 28, 160, 12}},
                {.id = IDC_LOAD,
                 .kind = ControlKind::PushButton,
                 .text = QStringLiteral("Load"),
                 .rect = {185, 27, 50, 14}},
                // After the edit, so that the identifier has the first focus.
                {.id = IDC_SEARCH_LINK,
                 .kind = ControlKind::HyperLink,
                 .text = QStringLiteral("Search Citations"),
                 .rect = {120, 18, 70, 8}},
                ControlShape::label(
                    QStringLiteral("Does the publication report on results of this study?"))
                    .width(220)
                    .at(15, 48),
                {.id = IDC_RESULTS,
                 .kind = ControlKind::ComboBox,
                 .rect = {15, 58, 80, 12},
                 .entries = {QStringLiteral("Yes"), QStringLiteral("No")}},
                ControlShape::label(
                    QStringLiteral(
                        "If the publication was not found in MEDLINE, enter citation text."))
                    .width(220)
                    .at(15, 78),
                {.id = IDC_CITATION,
                 .kind = ControlKind::MultiLineEdit,
                 .rect = {15, 88, 220, 126}},
                {.id = IDC_OK,
                 .kind = ControlKind::DefaultPushButton,
                 .text = QStringLiteral("OK"),
                 .rect = {137, 229, 50, 14}},
                {.id = IDC_CANCEL,
                 .kind = ControlKind::PushButton,
                 .text = QStringLiteral("Cancel"),
                 .rect = {193, 229, 50, 14}},
            },
    };
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
