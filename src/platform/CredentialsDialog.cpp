#include "platform/CredentialsDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CredentialsDialog::CredentialsDialog(const CredentialsRequest& request, QWidget* parent)
    : QDialog(parent), m_userName(new QLineEdit(request.userName, this)),
      m_password(new QLineEdit(this)) {
    setWindowTitle(request.caption);
    m_password->setEchoMode(QLineEdit::Password);

    auto* layout = new QVBoxLayout(this);
    if (!request.text.isEmpty()) {
        auto* text = new QLabel(request.text, this);
        text->setTextFormat(Qt::PlainText);
        text->setWordWrap(true);
        layout->addWidget(text);
    }
    auto* form = new QFormLayout;
    form->addRow(tr("&User name:"), m_userName);
    form->addRow(tr("&Password:"), m_password);
    layout->addLayout(form);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    if (request.userName.isEmpty()) {
        m_userName->setFocus();
    } else {
        m_password->setFocus();
    }
}

Credentials CredentialsDialog::credentials() const {
    return {m_userName->text(), m_password->text()};
}
