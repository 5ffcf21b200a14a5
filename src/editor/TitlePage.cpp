#include "editor/TitlePage.h"

#include "editor/PageControls.h"
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
    std::vector<ControlTemplate> controls = {
        {.id = IDC_GROUP,
         .kind = ControlKind::GroupBox,
         .text = QStringLiteral("Title"),
         .rect = {4, 2, 254, 327},
         .anchors = AnchorGrow},
        PageControls::fieldLabel("Unique Protocol ID", 16),
        marker(IDC_MARKER_UNIQUE_ID, 16),
        PageControls::edit(IDC_UNIQUE_ID, 26),
        PageControls::fieldLabel("Brief Title", 44),
        marker(IDC_MARKER_BRIEF_TITLE, 44),
        PageControls::edit(IDC_BRIEF_TITLE, 54),
        PageControls::fieldLabel("Acronym", 72),
        marker(IDC_MARKER_ACRONYM, 72),
        PageControls::edit(IDC_ACRONYM, 82),
        PageControls::fieldLabel("Official Title", 100),
        marker(IDC_MARKER_OFFICIAL_TITLE, 100),
        {.id = IDC_OFFICIAL_TITLE,
         .kind = ControlKind::MultiLineEdit,
         .rect = {14, 110, 216, 30},
         .anchors = AnchorStretchRight},
        PageControls::fieldLabel("Study Type", 148),
        marker(IDC_MARKER_STUDY_TYPE, 148),
        PageControls::combo(IDC_STUDY_TYPE, 158,
                            {QStringLiteral("Interventional"), QStringLiteral("Observational"),
                             QStringLiteral("Expanded Access")}),
        PageControls::fieldLabel("FDA Regulated Intervention?", 176),
        marker(IDC_MARKER_FDA_REGULATED, 176),
        PageControls::combo(IDC_FDA_REGULATED, 186, PageControls::yesNo()),
        PageControls::fieldLabel("IND/IDE Protocol?", 204),
        marker(IDC_MARKER_IND_PROTOCOL, 204),
        PageControls::combo(IDC_IND_PROTOCOL, 214, PageControls::yesNo()),
        PageControls::fieldLabel("Secondary IDs", 232),
        marker(IDC_MARKER_SECONDARY_IDS, 232),
        {.id = IDC_SECONDARY_IDS,
         .kind = ControlKind::ItemListView,
         .rect = {14, 242, 216, 62},
         .anchors = AnchorGrow},
        PageControls::bottomButton(IDC_ADD, "&Add", 14),
        PageControls::bottomButton(IDC_EDIT, "&Edit", 68),
        PageControls::bottomButton(IDC_REMOVE, "&Remove", 122),
    };
    return EditorPage::pageTemplate(kTemplateNumber, std::move(controls));
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
    bind(IDC_FDA_REGULATED, [](R& r) -> FieldValue& { return r.is_fda_regulated; });
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
