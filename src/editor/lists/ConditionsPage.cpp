#include "editor/lists/ConditionsPage.h"

#include "controls/CHyperLink.h"
#include "editor/lists/ItemTexts.h"
#include "model/NamesAndAddresses.h"
#include "model/StudyRecord.h"

namespace {

void rebuild(std::vector<FieldValue>& items, const std::string& text) {
    items.clear();
    for (const std::string& line : ItemTexts::splitLines(text)) {
        items.emplace_back(line);
    }
}

} // namespace

DialogTemplate ConditionsPage::pageTemplate() {
    std::vector<ControlTemplate> controls = {
        {.id = IDC_CONDITIONS_GROUP,
         .kind = ControlKind::GroupBox,
         .text = QStringLiteral("Conditions or Focus of Study"),
         .rect = {4, 2, 254, 160},
         .anchors = AnchorStretchRight},
        label(QStringLiteral("Conditions or Focus (one per line)"), {15, 16, 124, 8}),
        {.id = IDC_MESH_LINK,
         .kind = ControlKind::HyperLink,
         .text = QStringLiteral("Search MeSH for conditions"),
         // Ends where the edit ends, clear of the help marker in wider fonts.
         .rect = {134, 16, 96, 8},
         .style = StyleRightAligned},
        marker(IDC_MARKER_CONDITIONS, 16),
        {.id = IDC_CONDITIONS,
         .kind = ControlKind::MultiLineEdit,
         .rect = {14, 28, 216, 126},
         .anchors = AnchorStretchRight},
        {.id = IDC_KEYWORDS_GROUP,
         .kind = ControlKind::GroupBox,
         .text = QStringLiteral("Keywords"),
         .rect = {4, 168, 254, 161},
         .anchors = AnchorGrow},
        label(QStringLiteral("Keywords (one per line)"), {15, 182, 200, 8}),
        marker(IDC_MARKER_KEYWORDS, 182),
        {.id = IDC_KEYWORDS,
         .kind = ControlKind::MultiLineEdit,
         .rect = {14, 194, 216, 127},
         .anchors = AnchorGrow},
    };
    return EditorPage::pageTemplate(kTemplateNumber, std::move(controls));
}

ConditionsPage::ConditionsPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
    addEnterExempt(IDC_CONDITIONS);
    addEnterExempt(IDC_KEYWORDS);
    auto* mesh = control<CHyperLink>(IDC_MESH_LINK);
    mesh->setAddress(QString::fromUtf8(names::kMeshBrowser.data(),
                                       static_cast<qsizetype>(names::kMeshBrowser.size())));
    mesh->attach();
}

void ConditionsPage::onLoad(StudyRecord& record) {
    setText(IDC_CONDITIONS, ItemTexts::joinLines(record.condition));
    setText(IDC_KEYWORDS, ItemTexts::joinLines(record.keyword));
}

void ConditionsPage::onStore(StudyRecord& record) {
    rebuild(record.condition, text(IDC_CONDITIONS));
    rebuild(record.keyword, text(IDC_KEYWORDS));
}
