#pragma once

#include "platform/DialogControls.h"
#include "platform/DialogTemplate.h"

#include <QDialog>

// Adds or edits one web link: its address and a description. An address
// without a web scheme gets "http://" put in front when OK is pressed.
class LinkDialog : public QDialog {
    Q_OBJECT
public:
    enum ControlId {
        IDC_URL = 1011,
        IDC_DESCRIPTION = 1012,
        IDC_OK = 1,
        IDC_CANCEL = 2,
    };
    static constexpr int kTemplateNumber = 146;

    static const QString kEnterUrl;

    static DialogTemplate dialogTemplate();

    explicit LinkDialog(QWidget* parent = nullptr);

    // Inputs: set before exec(); empty for Add.
    void setInputs(const QString& url, const QString& description);
    // Outputs: valid after exec() returned Accepted.
    QString url() const { return m_url; }
    QString description() const { return m_description; }

    QWidget* control(int id) const { return m_controls.widget(id); }

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DialogControls m_controls;
    QString m_url;
    QString m_description;
};
