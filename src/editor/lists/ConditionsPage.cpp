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
    using C = ControlShape;
    TemplateColumn::Metrics metrics = column().metrics();
    metrics.labelGap = 4;
    TemplateColumn col(metrics, 2);
    col.group(IDC_CONDITIONS_GROUP, QStringLiteral("Conditions or Focus of Study"));
    FieldLabel conditions("Conditions or Focus (one per line)");
    conditions.left = 15;
    conditions.width = 124;
    col.label(conditions);
    // Ends where the edit ends, clear of the help marker in wider fonts.
    col.beside(IDC_MESH_LINK, C::hyperLink(QStringLiteral("Search MeSH for conditions"))
                                  .left(134)
                                  .width(96)
                                  .style(StyleRightAligned)
                                  .anchors(0));
    col.marker({IDC_MARKER_CONDITIONS, QStringLiteral("Conditions")});
    col.belowLabel();
    col.control(IDC_CONDITIONS, C::lines(126));
    col.endGroup();
    col.group(IDC_KEYWORDS_GROUP, QStringLiteral("Keywords"));
    FieldLabel keywords("Keywords (one per line)");
    keywords.left = 15;
    keywords.width = 200;
    col.caption(keywords, {IDC_MARKER_KEYWORDS, QStringLiteral("Keywords")});
    col.control(IDC_KEYWORDS, C::lines(127).anchors(AnchorGrow));
    col.closeGroup(kPageHeight - 4, AnchorGrow);
    return EditorPage::pageTemplate(kTemplateNumber, col);
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
