#include "editor/lists/LinkDialog.h"

#include "editor/lists/ItemTexts.h"
#include "platform/ControlShape.h"
#include "platform/TextCodec.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

const QString LinkDialog::kEnterUrl = QStringLiteral("Please enter a Web Site URL.");

DialogTemplate LinkDialog::dialogTemplate() {
    return {
        .number = kTemplateNumber,
        .caption = QStringLiteral("Link"),
        .width = 250,
        .height = 215,
        .controls =
            {
                {.kind = ControlKind::GroupBox,
                 .text = QStringLiteral("Web Link"),
                 .rect = {7, 4, 236, 183}},
                ControlShape::label(QStringLiteral("URL")).width(200).at(15, 18),
                {.id = IDC_URL, .kind = ControlKind::Edit, .rect = {15, 28, 220, 12}},
                ControlShape::label(QStringLiteral("Description")).width(200).at(15, 46),
                {.id = IDC_DESCRIPTION,
                 .kind = ControlKind::MultiLineEdit,
                 .rect = {15, 56, 220, 124}},
                {.id = IDC_OK,
                 .kind = ControlKind::DefaultPushButton,
                 .text = QStringLiteral("OK"),
                 .rect = {137, 194, 50, 14}},
                {.id = IDC_CANCEL,
                 .kind = ControlKind::PushButton,
                 .text = QStringLiteral("Cancel"),
                 .rect = {193, 194, 50, 14}},
            },
    };
}

LinkDialog::LinkDialog(QWidget* parent) : ItemDialog(dialogTemplate(), parent) {
    // The description wraps its text, but Enter in it stays the dialog's OK.
    m_controls.widget(IDC_DESCRIPTION)->installEventFilter(this);
    using Form = ItemForm<Link>;
    m_form = Form(m_controls, {Form::text(IDC_URL, &Link::url),
                               Form::text(IDC_DESCRIPTION, &Link::description, true)});
}

bool LinkDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && !key->modifiers().testFlag(Qt::ControlModifier)) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void LinkDialog::accept() {
    auto* urlBox = m_controls.get<QLineEdit>(IDC_URL);
    if (urlBox->text().isEmpty()) {
        refuse(urlBox, kEnterUrl);
        return;
    }
    if (m_form.changed(IDC_URL)) {
        urlBox->setText(
            TextCodec::decode(ItemTexts::withWebScheme(TextCodec::encode(urlBox->text()))));
    }
    m_form.take();
    QDialog::accept();
}
