#pragma once

#include "editor/ResizableDialog.h"

class StudyRecord;

// The modal dialog in which the user edits one protocol record. The record is
// borrowed: the caller owns it and keeps it alive while the dialog runs.
class ProtocolEditor : public ResizableDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateNumber = 102;

    explicit ProtocolEditor(QWidget* parent = nullptr);
    ~ProtocolEditor() override;

    void setRecord(StudyRecord* record) { m_record = record; }
    StudyRecord* record() const { return m_record; }
    // Empty keeps the dialog's own title.
    void setTitle(const QString& title) { m_title = title; }

    // Runs modally; QDialog::Accepted after OK, QDialog::Rejected otherwise.
    int exec() override;

private:
    StudyRecord* m_record = nullptr;
    QString m_title;
};
