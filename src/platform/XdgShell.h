#pragma once

#include "platform/Shell.h"

// Opens targets with the desktop's opener program ("xdg-open"). The target is
// passed as the one argument of the program, never through a command line.
class XdgShell : public Shell {
public:
    explicit XdgShell(QString program = QStringLiteral("xdg-open"));

    int open(const QString& target) override;

    // The argument handed to the opener: a target that would read as an
    // option (leading "-") is made an explicit relative path.
    static QString openerArgument(const QString& target);

private:
    QString m_program;
};
