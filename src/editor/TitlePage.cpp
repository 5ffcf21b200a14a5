#include "editor/TitlePage.h"

#include "editor/PageControls.h"
#include "editor/ProtocolEditor.h"
#include "editor/SecondaryIdDialog.h"
#include "model/StudyRecord.h"
#include "platform/TextCodec.h"

#include <QComboBox>
#include <QTreeWidget>

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
         .kind = ControlKind::ListView,
         .rect = {14, 242, 216, 62},
         .anchors = AnchorGrow},
        PageControls::bottomButton(IDC_ADD, "&Add", 14),
        PageControls::bottomButton(IDC_EDIT, "&Edit", 68),
        PageControls::bottomButton(IDC_REMOVE, "&Remove", 122),
    };
    return EditorPage::pageTemplate(kTemplateNumber, std::move(controls));
}

TitlePage::TitlePage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
    m_secondaryIds.attach(control<QTreeWidget>(IDC_SECONDARY_IDS), this);
    addEnterExempt(IDC_OFFICIAL_TITLE);
    m_secondaryIds.setColumns({{QStringLiteral("ID"), 200},
                               {QStringLiteral("ID Type"), 150},
                               {QStringLiteral("ID Domain"), 150}});
    connect(control<QComboBox>(IDC_STUDY_TYPE), &QComboBox::currentIndexChanged, this,
            &TitlePage::studyTypeChanged);
    connectListCommands(m_secondaryIds.list(),
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
    m_secondaryIds.clear();
    for (const auto& secondary : record.id_info.secondary_id) {
        m_secondaryIds.appendRow({TextCodec::decode(secondary->id),
                                  TextCodec::decode(secondary->id_type),
                                  TextCodec::decode(secondary->id_domain)});
    }
    applyStudyType(TextCodec::decode(record.study_design.study_type.displayText()));
}

void TitlePage::onStore(StudyRecord& record) {
    record.id_info.clearSecondaryIds();
    for (const QStringList& row : m_secondaryIds.rows()) {
        SecondaryId& secondary = appendNew(record.id_info.secondary_id);
        secondary.id = TextCodec::encode(row.value(0));
        secondary.id_type = TextCodec::encode(row.value(1));
        secondary.id_domain = TextCodec::encode(row.value(2));
    }
}

void TitlePage::studyTypeChanged() {
    applyStudyType(studyType());
}

void TitlePage::applyStudyType(const QString& studyType) {
    if (m_editor != nullptr) {
        m_editor->applyStudyTypeRule(studyType);
    }
}

std::optional<QStringList> TitlePage::runSecondaryIdDialog(const QStringList& inputs) {
    SecondaryIdDialog dialog(this);
    dialog.setInputs(inputs.value(0), inputs.value(1), inputs.value(2));
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return QStringList{dialog.id(), dialog.idType(), dialog.domain()};
}

void TitlePage::addSecondaryId() {
    m_secondaryIds.add([this](const QStringList& inputs) { return runSecondaryIdDialog(inputs); });
}

void TitlePage::editSecondaryId() {
    m_secondaryIds.edit([this](const QStringList& inputs) { return runSecondaryIdDialog(inputs); });
}

void TitlePage::removeSecondaryId() {
    m_secondaryIds.remove();
}
