#include "editor/lists/ConditionsPage.h"

#include "controls/CHyperLink.h"
#include "editor/LineSplitting.h"
#include "names/NamesAndAddresses.h"
#include "model/StudyRecord.h"
#include "platform/TextCodec.h"

#include <algorithm>

namespace {

ItemListModel<FieldValue>::Columns itemColumns(const char* title) {
    return {{QString::fromLatin1(title), 200,
             [](const FieldValue& item) { return TextCodec::decode(item.displayText()); }}};
}

// One item per non-empty line. A line keeps the first copy from the one
// after the last kept copy on that has its text, so that lines the user
// left alone keep their items however many were added or removed around them.
std::vector<FieldValue> itemsOf(const std::string& text, const std::vector<FieldValue>& copies) {
    std::vector<FieldValue> items;
    auto next = copies.begin();
    for (const std::string& line : LineSplitting::splitAtLineFeeds(text)) {
        const auto same = std::find_if(next, copies.end(), [&line](const FieldValue& copy) {
            return copy.displayText() == line;
        });
        if (same == copies.end()) {
            items.emplace_back(line);
        } else {
            items.push_back(*same);
            next = same + 1;
        }
    }
    return items;
}

} // namespace

DialogTemplate ConditionsPage::pageTemplate() {
    std::vector<ControlTemplate> controls = {
        {.id = IDC_CONDITIONS_GROUP,
         .kind = ControlKind::GroupBox,
         .text = QStringLiteral("Conditions or Focus of Study"),
         .rect = {4, 2, 254, 160},
         .anchors = AnchorStretchRight},
        ControlShape::label(QStringLiteral("Conditions or Focus (one per line)"))
            .width(124)
            .at(15, 16),
        {.id = IDC_MESH_LINK,
         .kind = ControlKind::HyperLink,
         .text = QStringLiteral("Search MeSH for conditions"),
         // Ends where the edit ends, clear of the help marker in wider fonts.
         .rect = {134, 16, 96, 8},
         .style = StyleRightAligned},
        marker(IDC_MARKER_CONDITIONS, 16, "Conditions"),
        {.id = IDC_CONDITIONS,
         .kind = ControlKind::MultiLineEdit,
         .rect = {14, 28, 216, 126},
         .anchors = AnchorStretchRight},
        {.id = IDC_KEYWORDS_GROUP,
         .kind = ControlKind::GroupBox,
         .text = QStringLiteral("Keywords"),
         .rect = {4, 168, 254, 161},
         .anchors = AnchorGrow},
        ControlShape::label(QStringLiteral("Keywords (one per line)")).width(200).at(15, 182),
        marker(IDC_MARKER_KEYWORDS, 182, "Keywords"),
        {.id = IDC_KEYWORDS,
         .kind = ControlKind::MultiLineEdit,
         .rect = {14, 194, 216, 127},
         .anchors = AnchorGrow},
    };
    return EditorPage::pageTemplate(kTemplateNumber, std::move(controls));
}

ConditionsPage::ConditionsPage(QWidget* parent)
    : EditorPage(parent), m_conditions(itemColumns("Condition")),
      m_keywords(itemColumns("Keyword")) {
    buildPage(pageTemplate());
    addEnterExempt(IDC_CONDITIONS);
    addEnterExempt(IDC_KEYWORDS);
    auto* mesh = control<CHyperLink>(IDC_MESH_LINK);
    mesh->setAddress(QString::fromUtf8(names::kMeshBrowser.data(),
                                       static_cast<qsizetype>(names::kMeshBrowser.size())));
    mesh->attach();
}

void ConditionsPage::onLoad(StudyRecord& record) {
    loadBox(IDC_CONDITIONS, m_conditions, m_shownConditions, record.condition);
    loadBox(IDC_KEYWORDS, m_keywords, m_shownKeywords, record.keyword);
}

void ConditionsPage::onStore(StudyRecord& record) {
    storeBox(IDC_CONDITIONS, m_conditions, m_shownConditions, record.condition);
    storeBox(IDC_KEYWORDS, m_keywords, m_shownKeywords, record.keyword);
}

void ConditionsPage::loadBox(int id, Items& copies, QString& shown,
                             const std::vector<FieldValue>& items) {
    copies.setItems(items);
    setText(id, LineSplitting::joinDisplayTexts(items));
    shown = displayedText(id);
}

void ConditionsPage::storeBox(int id, const Items& copies, const QString& shown,
                              std::vector<FieldValue>& items) const {
    items = displayedText(id) == shown ? copies.items() : itemsOf(text(id), copies.items());
}
