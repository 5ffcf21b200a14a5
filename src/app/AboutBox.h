#pragma once

#include "platform/DialogControls.h"

#include <QDialog>

// "About Protoscribe": the program icon, name and version, and the day the
// program was built.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateNumber = 100;
    enum ControlId { kOkId = 1, kBannerId = 1001, kIconId, kVersionId, kBuildDateId };

    explicit AboutBox(QWidget* parent = nullptr);

    QWidget* control(int id) const { return m_controls.widget(id); }

    // "Aug 11 2010": month abbreviation, day and year of this build.
    static QString buildDate();
    // The same from a compiler's date text ("Aug  1 2010" has two spaces).
    static QString buildDate(const char* compilerDate);

private:
    void setPictures();

    DialogControls m_controls;
};
