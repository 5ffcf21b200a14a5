#include "editor/lists/InterventionDialog.h"

#include "editor/ComboText.h"
#include "editor/lists/ItemDialogSupport.h"
#include "editor/lists/ItemTexts.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSet>
#include <QTreeWidget>

using S = ItemDialogSupport;

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
        QStringLiteral("Other"),
    };
    return types;
}

DialogTemplate InterventionDialog::dialogTemplate() {
    return {
        .number = kTemplateNumber,
        .caption = QStringLiteral("Add Intervention"),
        .width = 250,
        .height = 335,
        .controls =
            {
                S::groupBox(QStringLiteral("Intervention"), {7, 4, 236, 302}),
                S::label(QStringLiteral("Intervention Type"), 15, 18, 200),
                S::combo(IDC_TYPE, 15, 28, 220, interventionTypes()),
                S::label(QStringLiteral("Intervention Name"), 15, 46, 200),
                S::edit(IDC_NAME, 15, 56, 220),
                S::label(QStringLiteral("Description"), 15, 74, 200),
                S::textBox(IDC_DESCRIPTION, 15, 84, 220, 50),
                S::label(QStringLiteral("Other Names (one per line)"), 15, 142, 200),
                S::textBox(IDC_OTHER_NAMES, 15, 152, 220, 40),
                S::label(QString(), 15, 200, 220, IDC_ASSOCIATION_LABEL),
                {.id = IDC_GROUPS, .kind = ControlKind::ListView, .rect = {15, 210, 220, 88}},
                S::okButton(137, 314),
                S::cancelButton(193, 314),
            },
    };
}

InterventionDialog::InterventionDialog(QWidget* parent) : QDialog(parent) {
    m_controls = S::build(this, dialogTemplate());
    m_otherNamesPlace = control(IDC_OTHER_NAMES)->geometry();
    QTreeWidget* groups = groupsList();
    groups->setColumnCount(1);
    groups->setHeaderLabels({QStringLiteral("Title")});
    groups->header()->setStretchLastSection(false);
    groups->setColumnWidth(0, 275);
}

QTreeWidget* InterventionDialog::groupsList() const {
    return m_controls.get<QTreeWidget>(IDC_GROUPS);
}

void InterventionDialog::setInputs(const Inputs& inputs) {
    ComboText::select(*m_controls.get<QComboBox>(IDC_TYPE), inputs.row.value(0));
    m_controls.get<QLineEdit>(IDC_NAME)->setText(inputs.row.value(1));
    m_controls.get<QPlainTextEdit>(IDC_DESCRIPTION)
        ->setPlainText(ItemTexts::toEditLines(inputs.row.value(2)));
    m_controls.get<QPlainTextEdit>(IDC_OTHER_NAMES)
        ->setPlainText(ItemTexts::toEditLines(inputs.row.value(4)));
    fillGroups(inputs.availableLabels, inputs.row.value(3));
    applyStudyType(inputs.studyType);
}

void InterventionDialog::fillGroups(const QString& availableLabels, const QString& groups) {
    QTreeWidget* list = groupsList();
    list->clear();
    QList<QTreeWidgetItem*> rows;
    for (const QString& label : ItemTexts::splitAtCommas(availableLabels)) {
        auto* row = new QTreeWidgetItem(QStringList{label});
        row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
        row->setCheckState(0, Qt::Unchecked);
        rows << row;
    }
    // Labels no longer offered are dropped here, so OK forgets them.
    const QStringList pieces = ItemTexts::splitAtCommas(groups);
    const QSet<QString> wanted(pieces.begin(), pieces.end());
    for (QTreeWidgetItem* row : rows) {
        if (wanted.contains(row->text(0))) {
            row->setCheckState(0, Qt::Checked);
        }
    }
    list->addTopLevelItems(rows);
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

QString InterventionDialog::checkedGroups() const {
    QStringList checked;
    const QTreeWidget* list = groupsList();
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        if (list->topLevelItem(i)->checkState(0) == Qt::Checked) {
            checked << list->topLevelItem(i)->text(0);
        }
    }
    return checked.join(QLatin1Char(','));
}

void InterventionDialog::accept() {
    auto* type = m_controls.get<QComboBox>(IDC_TYPE);
    auto* name = m_controls.get<QLineEdit>(IDC_NAME);
    if (type->currentIndex() < 0) {
        S::refuse(this, type, QStringLiteral("Please select a Type."));
        return;
    }
    if (name->text().isEmpty()) {
        S::refuse(this, name, QStringLiteral("Please enter a Name."));
        return;
    }
    m_outputs = {
        ComboText::current(*type),
        name->text(),
        ItemTexts::fromEditLines(m_controls.get<QPlainTextEdit>(IDC_DESCRIPTION)->toPlainText()),
        checkedGroups(),
        ItemTexts::fromEditLines(m_controls.get<QPlainTextEdit>(IDC_OTHER_NAMES)->toPlainText()),
    };
    QDialog::accept();
}
