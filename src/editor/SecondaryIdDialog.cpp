#include "editor/SecondaryIdDialog.h"

#include "editor/ComboText.h"
#include "platform/ControlShape.h"
#include "platform/TemplateColumn.h"

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
    using C = ControlShape;
    constexpr int kNoId = ControlTemplate::kNoId;
    TemplateColumn col({.left = 15, .width = 205, .groupLeft = 7, .groupWidth = 222}, 4);
    col.group(kNoId, QStringLiteral("Secondary ID"));
    const auto value = [] { return C::edit().left(88).width(132); };
    col.row({{kNoId, C::text(QStringLiteral("ID")).left(15).width(70)}, {IDC_ID, value()}});
    col.row({{kNoId, C::text(QStringLiteral("ID Type")).left(15).width(70)},
             {IDC_ID_TYPE, C::combo(idTypes()).left(88).width(132)}});
    col.row({{IDC_DOMAIN_LABEL, C::label(kDefaultDomainLabel).left(15).width(72)},
             {IDC_DOMAIN, value()}});
    col.endGroup(4, 7);
    return ItemDialog::itemTemplate(kTemplateNumber, QStringLiteral("Secondary ID"), 236, col, 7);
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
