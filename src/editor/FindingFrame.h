#pragma once

#include "model/RuleFinding.h"

#include <QPointer>
#include <QString>
#include <QWidget>

// The coloured frame around a control whose field has rule findings: red for
// an error, amber for warnings only. It follows the control as the page lays
// it out, lets every mouse event through, and puts the findings into the
// control's tooltip while it shows (the tooltip the control had returns when
// the findings go).
class FindingFrame : public QWidget {
    Q_OBJECT
public:
    // A child of the control's parent, hidden until mark().
    explicit FindingFrame(QWidget* control);

    void mark(RuleSeverity severity, const QString& text);
    void clear();

    bool isMarked() const { return m_marked; }
    RuleSeverity severity() const { return m_severity; }
    QWidget* control() const { return m_control.data(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void follow();

    QPointer<QWidget> m_control;
    QString m_ownToolTip;
    RuleSeverity m_severity = RuleSeverity::Warning;
    bool m_marked = false;
};
