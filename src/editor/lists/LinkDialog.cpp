#include "editor/lists/LinkDialog.h"

#include "controls/StyledControlFactory.h"
#include "editor/MessageCaption.h"
#include "editor/lists/ItemDialogSupport.h"
#include "editor/lists/ItemTexts.h"
#include "platform/DialogBuilder.h"
#include "platform/Platform.h"
#include "platform/Prompts.h"
#include "platform/TextCodec.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

const QString LinkDialog::kEnterUrl = QStringLiteral("Please enter a Web Site URL.");

DialogTemplate LinkDialog::dialogTemplate() {
    return {
        .number = kTemplateNumber,
        .caption = QStringLiteral("Add Link"),
        .width = 250,
        .height = 215,
        .controls =
            {
                {.kind = ControlKind::GroupBox,
                 .text = QStringLiteral("Web Link"),
                 .rect = {7, 4, 236, 183}},
                ItemDialogSupport::label(QStringLiteral("URL"), 15, 18, 200),
                {.id = IDC_URL, .kind = ControlKind::Edit, .rect = {15, 28, 220, 12}},
                ItemDialogSupport::label(QStringLiteral("Description"), 15, 46, 200),
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

LinkDialog::LinkDialog(QWidget* parent) : QDialog(parent) {
    static const StyledControlFactory factory;
    m_controls = DialogBuilder(factory).build(this, dialogTemplate());
    setFixedSize(size());
    // The description wraps its text, but Enter in it stays the dialog's OK.
    m_controls.widget(IDC_DESCRIPTION)->installEventFilter(this);
    connect(m_controls.get<QPushButton>(IDC_OK), &QPushButton::clicked, this, &LinkDialog::accept);
    connect(m_controls.get<QPushButton>(IDC_CANCEL), &QPushButton::clicked, this,
            &LinkDialog::reject);
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
        Platform::prompts().showError(this, messageCaption(), kEnterUrl);
        urlBox->setFocus();
        return;
    }
    if (m_form.changed(IDC_URL)) {
        urlBox->setText(
            TextCodec::decode(ItemTexts::withWebScheme(TextCodec::encode(urlBox->text()))));
    }
    m_form.take();
    QDialog::accept();
}
