#pragma once

#include "platform/PromptTypes.h"

#include <QDialog>

class QLineEdit;

// A user name and password for a site that refused a request.
class CredentialsDialog : public QDialog {
    Q_OBJECT
public:
    explicit CredentialsDialog(const CredentialsRequest& request, QWidget* parent = nullptr);

    Credentials credentials() const;
    QLineEdit* userNameEdit() const { return m_userName; }
    QLineEdit* passwordEdit() const { return m_password; }

private:
    QLineEdit* m_userName;
    QLineEdit* m_password;
};
