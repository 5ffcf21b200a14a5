#include "editor/lists/LinkDialog.h"

#include "editor/lists/ItemTexts.h"
#include "platform/ControlShape.h"
#include "platform/TemplateColumn.h"
#include "platform/TextCodec.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

const QString LinkDialog::kEnterUrl = QStringLiteral("Please enter a Web Site URL.");

DialogTemplate LinkDialog::dialogTemplate() {
    using C = ControlShape;
    TemplateColumn col(
        {.left = 15, .width = 220, .labelWidth = 200, .groupLeft = 7, .groupWidth = 236}, 4);
    col.group(ControlTemplate::kNoId, QStringLiteral("Web Link"));
    col.field("URL", IDC_URL, C::edit());
    col.field("Description", IDC_DESCRIPTION, C::lines(124));
    col.endGroup(-1, 7);
    return ItemDialog::itemTemplate(kTemplateNumber, QStringLiteral("Link"), 250, col, 7);
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
