#include "editor/TitlePage.h"

#include "editor/ProtocolEditor.h"
#include "editor/SecondaryIdDialog.h"
#include "model/StudyRecord.h"
#include "platform/TextCodec.h"

#include <QComboBox>
#include <QTreeView>

namespace {

ItemList<SecondaryId>::Columns secondaryIdColumns() {
    using Column = ItemColumn<SecondaryId>;
    return {Column::of(QStringLiteral("ID"), 200, &SecondaryId::id),
            Column::of(QStringLiteral("ID Type"), 150, &SecondaryId::id_type),
            Column::of(QStringLiteral("ID Domain"), 150, &SecondaryId::id_domain)};
}

} // namespace

DialogTemplate TitlePage::pageTemplate() {
    using C = ControlShape;
    TemplateColumn col = column(2, 200);
    col.group(IDC_GROUP, QStringLiteral("Title"));
    col.field("Unique Protocol ID", IDC_UNIQUE_ID, C::edit(), {IDC_MARKER_UNIQUE_ID, "PrimaryId"});
    col.field("Brief Title", IDC_BRIEF_TITLE, C::edit(), {IDC_MARKER_BRIEF_TITLE, "BriefTitle"});
    col.field("Acronym", IDC_ACRONYM, C::edit(), {IDC_MARKER_ACRONYM, "Acronym"});
    col.field("Official Title", IDC_OFFICIAL_TITLE, C::lines(30),
              {IDC_MARKER_OFFICIAL_TITLE, "OfficialTitle"});
    col.field("Study Type", IDC_STUDY_TYPE,
              C::combo({QStringLiteral("Interventional"), QStringLiteral("Observational"),
                        QStringLiteral("Expanded Access")}),
              {IDC_MARKER_STUDY_TYPE, "StudyType"});
    col.field("IND/IDE Protocol?", IDC_IND_PROTOCOL, C::combo(yesNo()),
              {IDC_MARKER_IND_PROTOCOL, "INDApp"});
    col.field("Secondary IDs", IDC_SECONDARY_IDS, C::itemList(62).anchors(AnchorGrow),
              {IDC_MARKER_SECONDARY_IDS, "SecondaryIds"});
    col.buttons({{IDC_ADD, C::button(QStringLiteral("&Add"))},
                 {IDC_EDIT, C::button(QStringLiteral("&Edit"))},
                 {IDC_REMOVE, C::button(QStringLiteral("&Remove"))}},
                5);
    col.closeGroup(329, AnchorGrow);
    return EditorPage::pageTemplate(kTemplateNumber, col);
}

TitlePage::TitlePage(QWidget* parent) : EditorPage(parent), m_secondaryIds(secondaryIdColumns()) {
    buildPage(pageTemplate());
    m_secondaryIds.attach(control<QTreeView>(IDC_SECONDARY_IDS), this,
                          ItemList<SecondaryId>::dialogOf<SecondaryIdDialog>(this));
    addEnterExempt(IDC_OFFICIAL_TITLE);
    connect(control<QComboBox>(IDC_STUDY_TYPE), &QComboBox::currentIndexChanged, this,
            &TitlePage::studyTypeChanged);
    connectListCommands(m_secondaryIds.view(),
                        {IDC_ADD, IDC_EDIT, IDC_REMOVE, [this] { addSecondaryId(); },
                         [this] { editSecondaryId(); }, [this] { removeSecondaryId(); }});
    using R = StudyRecord;
    bind(IDC_UNIQUE_ID, [](R& r) -> std::string& { return r.id_info.org_study_id; });
    bind(IDC_BRIEF_TITLE, [](R& r) -> FieldValue& { return r.brief_title; });
    bind(IDC_ACRONYM, [](R& r) -> std::string& { return r.acronym; });
    bind(IDC_OFFICIAL_TITLE, [](R& r) -> FieldValue& { return r.official_title; });
    bind(IDC_STUDY_TYPE, [](R& r) -> FieldValue& { return r.study_design.study_type; });
    bind(IDC_IND_PROTOCOL, [](R& r) -> FieldValue& { return r.is_ind_study; });
}

void TitlePage::onLoad(StudyRecord& record) {
    m_secondaryIds.load(record.id_info.secondary_id);
    applyStudyType(TextCodec::decode(record.study_design.study_type.displayText()));
}

void TitlePage::onStore(StudyRecord& record) {
    m_secondaryIds.store(record.id_info.secondary_id);
}

void TitlePage::studyTypeChanged() {
    applyStudyType(studyType());
}

void TitlePage::applyStudyType(const QString& studyType) {
    if (m_editor != nullptr) {
        m_editor->applyStudyTypeRule(studyType);
    }
}

void TitlePage::addSecondaryId() {
    m_secondaryIds.add();
}

void TitlePage::editSecondaryId() {
    m_secondaryIds.edit();
}

void TitlePage::removeSecondaryId() {
    m_secondaryIds.remove();
}
