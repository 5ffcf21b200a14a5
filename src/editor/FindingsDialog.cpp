#include "editor/FindingsDialog.h"

#include <QLabel>
#include <algorithm>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>

namespace {

DialogTemplate findingsTemplate() {
    using D = FindingsDialog;
    return {
        .number = D::kTemplateNumber,
        .caption = QStringLiteral("Check"),
        .width = 360,
        .height = 200,
        .controls =
            {
                {.id = D::IDC_SUMMARY,
                 .kind = ControlKind::StaticText,
                 .rect = {8, 8, 344, 10},
                 .anchors = AnchorStretchRight},
                {.id = D::IDC_LIST,
                 .kind = ControlKind::ListView,
                 .rect = {8, 22, 344, 152},
                 .anchors = AnchorGrow},
                {.id = D::IDC_GO_TO,
                 .kind = ControlKind::DefaultPushButton,
                 .text = QStringLiteral("&Go To"),
                 .rect = {248, 180, 50, 14},
                 .anchors = AnchorBottomRight},
                {.id = D::IDC_CLOSE,
                 .kind = ControlKind::PushButton,
                 .text = QStringLiteral("&Close"),
                 .rect = {302, 180, 50, 14},
                 .anchors = AnchorBottomRight},
            },
    };
}

QString summaryText(const std::vector<FindingsDialog::Row>& rows) {
    if (rows.empty()) {
        return QStringLiteral("No findings: the registry's rules hold for this protocol.");
    }
    const auto errors = std::count_if(rows.begin(), rows.end(), [](const auto& row) {
        return row.severity == RuleSeverity::Error;
    });
    return QStringLiteral("%1 error(s), %2 warning(s). Choose one to go to its field.")
        .arg(errors)
        .arg(static_cast<qsizetype>(rows.size()) - errors);
}

} // namespace

FindingsDialog::FindingsDialog(const std::vector<Row>& rows, QWidget* parent)
    : ResizableDialog(kTemplateNumber, parent) {
    buildControls(findingsTemplate());
    control<QLabel>(IDC_SUMMARY)->setText(summaryText(rows));
    QTreeWidget* tree = list();
    tree->setHeaderLabels({QStringLiteral("Finding"), QStringLiteral("Section")});
    tree->setColumnWidth(0, 440);
    tree->setRootIsDecorated(false);
    const QIcon errorIcon = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon warningIcon = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    for (const Row& row : rows) {
        auto* item = new QTreeWidgetItem(tree, {row.text, row.section});
        item->setIcon(0, row.severity == RuleSeverity::Error ? errorIcon : warningIcon);
        item->setToolTip(0, row.text);
    }
    if (tree->topLevelItemCount() > 0) {
        tree->setCurrentItem(tree->topLevelItem(0));
    }
    control<QPushButton>(IDC_GO_TO)->setEnabled(!rows.empty());
    connect(tree, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { choose(item); });
    connect(control<QPushButton>(IDC_GO_TO), &QPushButton::clicked, this,
            [this] { choose(list()->currentItem()); });
    connect(control<QPushButton>(IDC_CLOSE), &QPushButton::clicked, this, &FindingsDialog::reject);
    tree->setFocus();
}

QTreeWidget* FindingsDialog::list() const {
    return control<QTreeWidget>(IDC_LIST);
}

void FindingsDialog::choose(QTreeWidgetItem* item) {
    if (item == nullptr) {
        return;
    }
    m_chosen = list()->indexOfTopLevelItem(item);
    accept();
}
