#include "app/CheckWindow.h"

#include "model/StudyCollection.h"
#include "platform/TextCodec.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <memory>
#include <set>

namespace {

constexpr int kRecordRole = Qt::UserRole;
constexpr int kFindingRole = Qt::UserRole + 1; // absent on a protocol's row

DialogTemplate checkTemplate() {
    using C = CheckWindow;
    return {
        .number = C::kTemplateNumber,
        .caption = QStringLiteral("Check before Upload"),
        .width = 420,
        .height = 240,
        .controls =
            {
                {.id = C::kSummaryId,
                 .kind = ControlKind::StaticText,
                 .rect = {8, 8, 404, 10},
                 .anchors = AnchorStretchRight},
                {.id = C::kListId,
                 .kind = ControlKind::ListView,
                 .rect = {8, 22, 404, 192},
                 .anchors = AnchorGrow},
                {.id = C::kValidateId,
                 .kind = ControlKind::PushButton,
                 .text = QStringLiteral("&Validate File..."),
                 .rect = {8, 220, 70, 14},
                 .anchors = AnchorMoveDown},
                {.id = C::kCloseId,
                 .kind = ControlKind::DefaultPushButton,
                 .text = QStringLiteral("&Close"),
                 .rect = {362, 220, 50, 14},
                 .anchors = AnchorBottomRight},
            },
    };
}

QString plural(std::size_t count, const char* one, const char* many) {
    return QString::number(count) + u' ' + QString::fromLatin1(count == 1 ? one : many);
}

QString protocolHeading(const StudyRecord& record, std::size_t errors, std::size_t warnings) {
    QString id = TextCodec::decode(record.id_info.org_study_id);
    if (id.isEmpty()) {
        id = QStringLiteral("(no Unique Protocol ID)");
    }
    return id + QStringLiteral(": ") + plural(errors, "error", "errors") + QStringLiteral(", ") +
           plural(warnings, "warning", "warnings");
}

} // namespace

CheckWindow::CheckWindow(const StudyCollection& collection,
                         const std::vector<RuleFinding>& findings, QWidget* parent)
    : ResizableDialog(kTemplateNumber, parent,
                      Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      m_findings(findings) {
    buildControls(checkTemplate());
    if (auto* summaryLine = control<QLabel>(kSummaryId)) {
        summaryLine->setText(summary(findings, collection.records.size()));
    }
    QTreeWidget* tree = list();
    tree->setHeaderLabels({QStringLiteral("Protocol and finding"), QStringLiteral("Section")});
    tree->setColumnWidth(0, 560);
    tree->setRootIsDecorated(true);
    fill(collection, findings);
    connect(tree, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { choose(item); });
    connect(control<QPushButton>(kValidateId), &QPushButton::clicked, this,
            &CheckWindow::validateRequested);
    connect(control<QPushButton>(kCloseId), &QPushButton::clicked, this, &CheckWindow::accept);
    tree->setFocus();
}

QTreeWidget* CheckWindow::list() const {
    return control<QTreeWidget>(kListId);
}

QString CheckWindow::summary(const std::vector<RuleFinding>& findings, std::size_t protocols) {
    std::size_t errors = 0;
    std::set<std::size_t> withFindings;
    for (const RuleFinding& finding : findings) {
        errors += finding.severity == RuleSeverity::Error ? 1 : 0;
        withFindings.insert(finding.record);
    }
    if (findings.empty()) {
        return QStringLiteral("No findings in ") + plural(protocols, "protocol.", "protocols.");
    }
    return plural(errors, "error", "errors") + QStringLiteral(" and ") +
           plural(findings.size() - errors, "warning", "warnings") + QStringLiteral(" in ") +
           QString::number(withFindings.size()) + QStringLiteral(" of ") +
           plural(protocols, "protocol.", "protocols.");
}

void CheckWindow::fill(const StudyCollection& collection,
                       const std::vector<RuleFinding>& findings) {
    QTreeWidget* tree = list();
    const QIcon errorIcon = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon warningIcon = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    for (std::size_t record = 0; record < collection.records.size(); ++record) {
        std::size_t errors = 0;
        std::size_t warnings = 0;
        auto group = std::make_unique<QTreeWidgetItem>();
        for (std::size_t index = 0; index < findings.size(); ++index) {
            const RuleFinding& finding = findings[index];
            if (finding.record != record) {
                continue;
            }
            const bool error = finding.severity == RuleSeverity::Error;
            (error ? errors : warnings) += 1;
            auto* item = new QTreeWidgetItem(
                group.get(), {TextCodec::decode(finding.message), TextCodec::decode(finding.section)});
            item->setIcon(0, error ? errorIcon : warningIcon);
            item->setData(0, kRecordRole, QVariant::fromValue<qulonglong>(record));
            item->setData(0, kFindingRole, QVariant::fromValue<qulonglong>(index));
        }
        if (group->childCount() == 0) {
            continue;
        }
        group->setText(0, protocolHeading(*collection.records[record], errors, warnings));
        group->setIcon(0, errors > 0 ? errorIcon : warningIcon);
        group->setData(0, kRecordRole, QVariant::fromValue<qulonglong>(record));
        QTreeWidgetItem* added = group.release();
        tree->addTopLevelItem(added);
        added->setExpanded(true);
    }
}

void CheckWindow::choose(QTreeWidgetItem* item) {
    if (item == nullptr || !m_chooser) {
        return;
    }
    const QVariant finding = item->data(0, kFindingRole);
    m_chooser(static_cast<std::size_t>(item->data(0, kRecordRole).toULongLong()),
              finding.isValid() ? &m_findings.at(static_cast<std::size_t>(finding.toULongLong()))
                                : nullptr);
}
