#include "editor/SecondaryIdDialog.h"

#include "editor/ComboText.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString kDefaultDomainLabel = QStringLiteral("ID Domain");

struct TypeLabel {
    const char* type;
    const char* label;
    bool offered; // false: an older type, labelled only for records that hold it
};

constexpr TypeLabel kDomainLabels[] = {
    {"NIH Grant Number", "ID Domain", true},
    {"Other Grant/Funding Number", "Grant or Funder", true},
    {"Registry Identifier", "Registry", true},
    {"EU Trial (CTIS) Number", "ID Domain", true},
    {"EudraCT Number", "ID Domain", true},
    {"Other Identifier", "Issuing Organization", true},
    {"US NIH Grant Number", "ID Domain", false},
};

} // namespace

const QStringList& SecondaryIdDialog::idTypes() {
    static const QStringList types = [] {
        QStringList all;
        for (const TypeLabel& entry : kDomainLabels) {
            if (entry.offered) {
                all << QString::fromLatin1(entry.type);
            }
        }
        return all;
    }();
    return types;
}

QString SecondaryIdDialog::domainLabelFor(const QString& idType) {
    for (const TypeLabel& entry : kDomainLabels) {
        if (idType == QLatin1String(entry.type)) {
            return QString::fromLatin1(entry.label);
        }
    }
    return {};
}

DialogTemplate SecondaryIdDialog::dialogTemplate() {
    return {
        .number = kTemplateNumber,
        .caption = QStringLiteral("Secondary ID"),
        .width = 236,
        .height = 104,
        .controls =
            {
                {.kind = ControlKind::GroupBox,
                 .text = QStringLiteral("Secondary ID"),
                 .rect = {7, 4, 222, 72}},
                {.kind = ControlKind::StaticText,
                 .text = QStringLiteral("ID"),
                 .rect = {15, 20, 70, 8}},
                {.id = IDC_ID, .kind = ControlKind::Edit, .rect = {88, 18, 132, 12}},
                {.kind = ControlKind::StaticText,
                 .text = QStringLiteral("ID Type"),
                 .rect = {15, 38, 70, 8}},
                {.id = IDC_ID_TYPE,
                 .kind = ControlKind::ComboBox,
                 .rect = {88, 36, 132, 12},
                 .entries = idTypes()},
                {.id = IDC_DOMAIN_LABEL,
                 .kind = ControlKind::StaticText,
                 .text = kDefaultDomainLabel,
                 .rect = {15, 56, 72, 8},
                 .style = StyleNoWrap},
                {.id = IDC_DOMAIN, .kind = ControlKind::Edit, .rect = {88, 54, 132, 12}},
                {.id = IDC_OK,
                 .kind = ControlKind::DefaultPushButton,
                 .text = QStringLiteral("OK"),
                 .rect = {123, 83, 50, 14}},
                {.id = IDC_CANCEL,
                 .kind = ControlKind::PushButton,
                 .text = QStringLiteral("Cancel"),
                 .rect = {179, 83, 50, 14}},
            },
    };
}

SecondaryIdDialog::SecondaryIdDialog(QWidget* parent) : ItemDialog(dialogTemplate(), parent) {
    m_controls.get<QLineEdit>(IDC_DOMAIN)->setMaxLength(kDomainMaxLength);
    connect(m_controls.get<QComboBox>(IDC_ID_TYPE), &QComboBox::currentIndexChanged, this,
            &SecondaryIdDialog::applyDomainLabel);
    using Form = ItemForm<SecondaryId>;
    m_form = Form(m_controls, {Form::text(IDC_ID, &SecondaryId::id),
                               Form::text(IDC_ID_TYPE, &SecondaryId::id_type),
                               Form::text(IDC_DOMAIN, &SecondaryId::id_domain)});
}

void SecondaryIdDialog::setItem(const SecondaryId& secondaryId) {
    m_controls.get<QLabel>(IDC_DOMAIN_LABEL)->setText(kDefaultDomainLabel);
    auto* types = m_controls.get<QComboBox>(IDC_ID_TYPE);
    const QSignalBlocker quiet(types);
    m_form.show(secondaryId);
    if (types->currentIndex() >= 0) {
        applyDomainLabel();
    }
}

QString SecondaryIdDialog::domainLabel() const {
    return m_controls.get<QLabel>(IDC_DOMAIN_LABEL)->text();
}

void SecondaryIdDialog::applyDomainLabel() {
    const QString label =
        domainLabelFor(ComboText::current(*m_controls.get<QComboBox>(IDC_ID_TYPE)));
    if (!label.isEmpty()) {
        m_controls.get<QLabel>(IDC_DOMAIN_LABEL)->setText(label);
    }
}

void SecondaryIdDialog::accept() {
    auto* idBox = m_controls.get<QLineEdit>(IDC_ID);
    if (idBox->text().isEmpty()) {
        refuse(idBox, QStringLiteral("Please enter an ID."));
        return;
    }
    m_form.take();
    QDialog::accept();
}
