#include "editor/ListSection.h"

#include "editor/MessageCaption.h"
#include "editor/SingleLineCellDelegate.h"
#include "platform/Platform.h"
#include "platform/Prompts.h"

#include <QHeaderView>
#include <QTreeView>
#include <algorithm>

const QString ListSection::kSelectToEdit = QStringLiteral("Please select an item to edit.");
const QString ListSection::kSelectToRemove = QStringLiteral("Please select an item to remove.");

void ListSection::attach(QTreeView* view, QWidget* messageParent) {
    m_view = view;
    m_messageParent = messageParent;
    if (m_view != nullptr &&
        qobject_cast<SingleLineCellDelegate*>(m_view->itemDelegate()) == nullptr) {
        m_view->setItemDelegate(new SingleLineCellDelegate(m_view));
    }
}

void ListSection::showModel(QAbstractItemModel* model, const std::vector<int>& widths) {
    m_view->setModel(model);
    QHeaderView* header = m_view->header();
    header->setStretchLastSection(false);
    for (int i = 0; i < static_cast<int>(widths.size()); ++i) {
        m_view->setColumnWidth(
            i, std::max(widths[static_cast<std::size_t>(i)], header->sectionSizeHint(i)));
    }
}

int ListSection::rowCount() const {
    return m_view->model() == nullptr ? 0 : m_view->model()->rowCount();
}

int ListSection::firstSelectedRow() const {
    const QModelIndexList rows = m_view->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        return -1;
    }
    return std::min_element(
               rows.begin(), rows.end(),
               [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); })
        ->row();
}

void ListSection::selectRow(int row) {
    QItemSelectionModel* selection = m_view->selectionModel();
    const QModelIndex index = m_view->model()->index(row, 0);
    if (!index.isValid()) {
        selection->clearSelection();
        return;
    }
    selection->setCurrentIndex(index,
                               QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

int ListSection::selectedRowOrRefuse(const QString& refusal) const {
    const int row = firstSelectedRow();
    if (row < 0) {
        Platform::prompts().showError(m_messageParent, messageCaption(), refusal);
    }
    return row;
}

int ListSection::rowToEdit() const {
    return selectedRowOrRefuse(kSelectToEdit);
}

void ListSection::remove() {
    const int row = selectedRowOrRefuse(kSelectToRemove);
    if (row < 0) {
        return;
    }
    m_view->model()->removeRow(row);
    selectRow(row < rowCount() ? row : row - 1);
}
