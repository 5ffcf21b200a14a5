#pragma once

#include "model/BlockText.h"
#include "platform/TextCodec.h"

#include <QAbstractTableModel>
#include <QString>
#include <functional>
#include <string>
#include <utility>
#include <vector>

// One column of an item list: its title, its width in pixels and the text it
// shows of an item.
template <class T> struct ItemColumn {
    QString title;
    int width = 100;
    std::function<QString(const T&)> text;

    // A column that shows a text member of the item.
    static ItemColumn of(QString title, int width, std::string T::*member) {
        return {std::move(title), width,
                [member](const T& item) { return TextCodec::decode(item.*member); }};
    }
    static ItemColumn of(QString title, int width, BlockText T::*member) {
        return {std::move(title), width,
                [member](const T& item) { return TextCodec::decode((item.*member).text()); }};
    }
};

// Copies of a record's items, one row each, shown in the columns of one
// table. The copies are whole items: a field no column shows, and the
// item's delete flag, travel with the row until the record takes the copies
// back.
template <class T> class ItemListModel : public QAbstractTableModel {
public:
    using Columns = std::vector<ItemColumn<T>>;

    explicit ItemListModel(Columns columns, QObject* parent = nullptr)
        : QAbstractTableModel(parent), m_columns(std::move(columns)) {}

    const Columns& columns() const { return m_columns; }
    const std::vector<T>& items() const { return m_items; }
    const T& item(int row) const { return m_items[static_cast<std::size_t>(row)]; }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(m_items.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
    }

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override {
        if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid)) {
            return {};
        }
        return column(index.column()).text(item(index.row()));
    }

    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
            section >= columnCount()) {
            return {};
        }
        return column(section).title;
    }

    // Replaces every row; nothing stays selected in a view.
    void setItems(std::vector<T> items) {
        beginResetModel();
        m_items = std::move(items);
        endResetModel();
    }

    void append(T item) {
        const int row = rowCount();
        beginInsertRows({}, row, row);
        m_items.push_back(std::move(item));
        endInsertRows();
    }

    void replace(int row, T item) {
        m_items[static_cast<std::size_t>(row)] = std::move(item);
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    }

    bool removeRows(int row, int count, const QModelIndex& parent = {}) override {
        if (parent.isValid() || row < 0 || count <= 0 || row + count > rowCount()) {
            return false;
        }
        beginRemoveRows({}, row, row + count - 1);
        const auto first = m_items.begin() + row;
        m_items.erase(first, first + count);
        endRemoveRows();
        return true;
    }

private:
    const ItemColumn<T>& column(int index) const {
        return m_columns[static_cast<std::size_t>(index)];
    }

    Columns m_columns;
    std::vector<T> m_items;
};
