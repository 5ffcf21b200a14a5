#include "editor/lists/InterventionDialog.h"

#include "editor/LineSplitting.h"
#include "platform/ControlShape.h"
#include "platform/TemplateColumn.h"
#include "platform/TextCodec.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QTreeWidget>

const QStringList& InterventionDialog::interventionTypes() {
    static const QStringList types = {
        QStringLiteral("Drug"),
        QStringLiteral("Device"),
        QStringLiteral("Biological/Vaccine"),
        QStringLiteral("Procedure/Surgery"),
        QStringLiteral("Radiation"),
        QStringLiteral("Behavioral"),
        QStringLiteral("Genetic"),
        QStringLiteral("Dietary Supplement"),
        QStringLiteral("Combination Product"),
        QStringLiteral("Diagnostic Test"),
        QStringLiteral("Other"),
    };
    return types;
}

DialogTemplate InterventionDialog::dialogTemplate() {
    using C = ControlShape;
    TemplateColumn col(
        {.left = 15, .width = 220, .labelWidth = 200, .groupLeft = 7, .groupWidth = 236}, 4);
    col.group(ControlTemplate::kNoId, QStringLiteral("Intervention"));
    col.field("Intervention Type", IDC_TYPE, C::combo(interventionTypes()));
    col.field("Intervention Name", IDC_NAME, C::edit());
    col.field("Description", IDC_DESCRIPTION, C::lines(50));
    col.field("Other Names (one per line)", IDC_OTHER_NAMES, C::lines(40));
    FieldLabel association(QString(), IDC_ASSOCIATION_LABEL);
    association.width = 220;
    col.field(association, IDC_GROUPS, C::reportList(88));
    col.endGroup(0, 8);
    return ItemDialog::itemTemplate(kTemplateNumber, QStringLiteral("Intervention"), 250, col, 7);
}

namespace {

QStringList decoded(const std::vector<std::string>& texts) {
    QStringList all;
    for (const std::string& text : texts) {
        all << TextCodec::decode(text);
    }
    return all;
}

// One name per line; empty lines are no names.
ItemField<Intervention> otherNamesField(int id) {
    return {id,
            [](const Intervention& item) {
                return decoded(item.intervention_other_name).join(QLatin1Char('\n'));
            },
            [](Intervention& item, const QString& text) {
                item.intervention_other_name =
                    LineSplitting::splitAtLineFeeds(TextCodec::encode(text));
            }};
}

} // namespace

InterventionDialog::InterventionDialog(QWidget* parent) : ItemDialog(dialogTemplate(), parent) {
    m_otherNamesPlace = control(IDC_OTHER_NAMES)->geometry();
    QTreeWidget* groups = groupsList();
    groups->setColumnCount(1);
    groups->setHeaderLabels({QStringLiteral("Title")});
    groups->header()->setStretchLastSection(false);
    groups->setColumnWidth(0, 275);
    using Form = ItemForm<Intervention>;
    m_form =
        Form(m_controls, {Form::text(IDC_TYPE, &Intervention::intervention_type),
                          Form::text(IDC_NAME, &Intervention::intervention_name),
                          Form::block(IDC_DESCRIPTION, &Intervention::intervention_description),
                          otherNamesField(IDC_OTHER_NAMES)});
}

QTreeWidget* InterventionDialog::groupsList() const {
    return m_controls.get<QTreeWidget>(IDC_GROUPS);
}

void InterventionDialog::setAssociations(const QStringList& labels, const QString& studyType) {
    m_offered = labels;
    applyStudyType(studyType);
    fillGroups();
}

void InterventionDialog::setItem(const Intervention& intervention) {
    m_form.show(intervention);
    fillGroups();
}

void InterventionDialog::fillGroups() {
    const QStringList own = decoded(m_form.item().arm_group_label);
    QStringList labels = m_offered;
    for (const QString& label : own) {
        if (!labels.contains(label)) {
            labels << label;
        }
    }
    QList<QTreeWidgetItem*> rows;
    for (const QString& label : labels) {
        auto* row = new QTreeWidgetItem(QStringList{label});
        row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
        row->setCheckState(0, own.contains(label) ? Qt::Checked : Qt::Unchecked);
        rows << row;
    }
    QTreeWidget* list = groupsList();
    list->clear();
    list->addTopLevelItems(rows);
    m_shownChecks = checks();
}

void InterventionDialog::applyStudyType(const QString& studyType) {
    auto* label = m_controls.get<QLabel>(IDC_ASSOCIATION_LABEL);
    QTreeWidget* list = groupsList();
    QWidget* otherNames = control(IDC_OTHER_NAMES);
    const bool interventional = studyType == QLatin1String("Interventional");
    const bool observational = studyType == QLatin1String("Observational");
    const bool associates = interventional || observational;
    if (interventional) {
        label->setText(
            QStringLiteral("Associated Arms (checkmark to associate with this Intervention)"));
    } else if (observational) {
        label->setText(
            QStringLiteral("Associated Groups (checkmark to associate with this Intervention)"));
    }
    label->setVisible(associates);
    label->setEnabled(associates);
    list->setVisible(associates);
    list->setEnabled(associates);
    otherNames->setGeometry(associates ? m_otherNamesPlace
                                       : m_otherNamesPlace.adjusted(0, 0, 0, kOtherNamesGrowth));
}

std::vector<bool> InterventionDialog::checks() const {
    std::vector<bool> all;
    const QTreeWidget* list = groupsList();
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        all.push_back(list->topLevelItem(i)->checkState(0) == Qt::Checked);
    }
    return all;
}

std::vector<std::string> InterventionDialog::checkedLabels() const {
    QSet<QString> checked;
    const QTreeWidget* list = groupsList();
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        if (list->topLevelItem(i)->checkState(0) == Qt::Checked) {
            checked.insert(list->topLevelItem(i)->text(0));
        }
    }
    // The item's own labels first, in their order and with their bytes, then
    // the newly checked ones in list order.
    std::vector<std::string> labels;
    QSet<QString> kept;
    for (const std::string& label : m_form.item().arm_group_label) {
        const QString text = TextCodec::decode(label);
        if (checked.contains(text)) {
            labels.push_back(label);
            kept.insert(text);
        }
    }
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QString text = list->topLevelItem(i)->text(0);
        if (checked.contains(text) && !kept.contains(text)) {
            labels.push_back(TextCodec::encode(text));
            kept.insert(text);
        }
    }
    return labels;
}

void InterventionDialog::accept() {
    auto* type = m_controls.get<QComboBox>(IDC_TYPE);
    auto* name = m_controls.get<QLineEdit>(IDC_NAME);
    if (m_form.isEmpty(IDC_TYPE)) {
        refuse(type, QStringLiteral("Please select a Type."));
        return;
    }
    if (name->text().isEmpty()) {
        refuse(name, QStringLiteral("Please enter a Name."));
        return;
    }
    if (checks() != m_shownChecks) {
        m_form.item().arm_group_label = checkedLabels();
    }
    m_form.take();
    QDialog::accept();
}
