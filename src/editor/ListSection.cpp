#include "editor/ListSection.h"

#include "editor/MessageCaption.h"
#include "editor/SingleLineCellDelegate.h"
#include "platform/Platform.h"
#include "platform/Prompts.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <algorithm>
#include <memory>

const QString ListSection::kSelectToEdit = QStringLiteral("Please select an item to edit.");
const QString ListSection::kSelectToRemove = QStringLiteral("Please select an item to remove.");

void ListSection::attach(QTreeWidget* list, QWidget* messageParent) {
    m_list = list;
    m_messageParent = messageParent;
    if (m_list != nullptr &&
        qobject_cast<SingleLineCellDelegate*>(m_list->itemDelegate()) == nullptr) {
        m_list->setItemDelegate(new SingleLineCellDelegate(m_list));
    }
}

void ListSection::setColumns(const std::vector<ListColumn>& columns) {
    QStringList titles;
    for (const ListColumn& column : columns) {
        titles << column.title;
    }
    m_list->setColumnCount(static_cast<int>(columns.size()));
    m_list->setHeaderLabels(titles);
    m_list->header()->setStretchLastSection(false);
    // A column is never narrower than its title, whatever the font.
    for (int i = 0; i < static_cast<int>(columns.size()); ++i) {
        const int width = columns[static_cast<std::size_t>(i)].width;
        m_list->setColumnWidth(i, std::max(width, m_list->header()->sectionSizeHint(i)));
    }
}

int ListSection::columnCount() const {
    return m_list->columnCount();
}

void ListSection::clear() {
    m_list->clear();
}

void ListSection::appendRow(const QStringList& texts) {
    appendRows({texts});
}

void ListSection::appendRows(const std::vector<QStringList>& rows) {
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    const int columns = columnCount();
    for (const QStringList& texts : rows) {
        auto* item = new QTreeWidgetItem;
        for (int column = 0; column < columns; ++column) {
            item->setText(column, texts.value(column));
        }
        items << item;
    }
    // One insertion and one layout for all rows; the view owns the items from here.
    const bool updates = m_list->updatesEnabled();
    m_list->setUpdatesEnabled(false);
    m_list->addTopLevelItems(items);
    m_list->setUpdatesEnabled(updates);
}

void ListSection::replaceRows(const std::vector<QStringList>& rows) {
    replaceRows(
        static_cast<int>(rows.size()),
        [&rows](int row, int column) { return rows[static_cast<std::size_t>(row)].value(column); },
        [&rows](int row, int column, const QString& shown) {
            return rows[static_cast<std::size_t>(row)].value(column) == shown;
        });
}

void ListSection::replaceRows(int rows, const CellText& text, const CellSame& same) {
    if (rows <= 0) {
        clear();
        return;
    }
    const bool updates = m_list->updatesEnabled();
    m_list->setUpdatesEnabled(false);
    while (rowCount() > rows) {
        std::unique_ptr<QTreeWidgetItem>(m_list->takeTopLevelItem(rowCount() - 1)).reset();
    }
    // After the removals: taking the current row selects another one.
    m_list->clearSelection();
    const int columns = columnCount();
    const int kept = rowCount();
    for (int row = 0; row < kept; ++row) {
        QTreeWidgetItem* item = m_list->topLevelItem(row);
        for (int column = 0; column < columns; ++column) {
            if (!same(row, column, item->text(column))) {
                item->setText(column, text(row, column));
            }
        }
    }
    std::vector<QStringList> added;
    added.reserve(static_cast<std::size_t>(rows - kept));
    for (int row = kept; row < rows; ++row) {
        QStringList& texts = added.emplace_back();
        texts.reserve(columns);
        for (int column = 0; column < columns; ++column) {
            texts << text(row, column);
        }
    }
    appendRows(added);
    m_list->setUpdatesEnabled(updates);
}

int ListSection::rowCount() const {
    return m_list->topLevelItemCount();
}

QStringList ListSection::rowTexts(int row) const {
    QStringList texts;
    const QTreeWidgetItem* item = m_list->topLevelItem(row);
    if (item == nullptr) {
        return texts;
    }
    for (int column = 0; column < columnCount(); ++column) {
        texts << item->text(column);
    }
    return texts;
}

QString ListSection::cellText(int row, int column) const {
    const QTreeWidgetItem* item = m_list->topLevelItem(row);
    return item == nullptr ? QString() : item->text(column);
}

void ListSection::setRowTexts(int row, const QStringList& texts) {
    QTreeWidgetItem* item = m_list->topLevelItem(row);
    if (item == nullptr) {
        return;
    }
    for (int column = 0; column < columnCount(); ++column) {
        item->setText(column, texts.value(column));
    }
}

std::vector<QStringList> ListSection::rows() const {
    std::vector<QStringList> all;
    all.reserve(static_cast<std::size_t>(rowCount()));
    for (int row = 0; row < rowCount(); ++row) {
        all.push_back(rowTexts(row));
    }
    return all;
}

int ListSection::firstSelectedRow() const {
    for (int row = 0; row < rowCount(); ++row) {
        if (m_list->topLevelItem(row)->isSelected()) {
            return row;
        }
    }
    return -1;
}

void ListSection::selectRow(int row) {
    m_list->clearSelection();
    QTreeWidgetItem* item = m_list->topLevelItem(row);
    if (item == nullptr) {
        return;
    }
    item->setSelected(true);
    m_list->setCurrentItem(item);
}

void ListSection::add(const ItemDialog& dialog) {
    QStringList empty;
    for (int column = 0; column < columnCount(); ++column) {
        empty << QString();
    }
    if (const std::optional<QStringList> outputs = dialog(empty)) {
        appendRow(*outputs);
    }
}

void ListSection::edit(const ItemDialog& dialog) {
    const int row = firstSelectedRow();
    if (row < 0) {
        Platform::prompts().showError(m_messageParent, messageCaption(), kSelectToEdit);
        return;
    }
    if (const std::optional<QStringList> outputs = dialog(rowTexts(row))) {
        setRowTexts(row, *outputs);
    }
}

void ListSection::remove() {
    const int row = firstSelectedRow();
    if (row < 0) {
        Platform::prompts().showError(m_messageParent, messageCaption(), kSelectToRemove);
        return;
    }
    std::unique_ptr<QTreeWidgetItem>(m_list->takeTopLevelItem(row)).reset();
    selectRow(row < rowCount() ? row : row - 1);
}
