#pragma once

#include "editor/ItemDialog.h"
#include "editor/ItemListModel.h"
#include "editor/ListSection.h"
#include "model/OwningList.h"

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// One list of a page: copies of a record's items of type T in a view, with
// Add (the dialog on a new item, appended unselected), Edit (the dialog on
// the selected item, replaced in place) and Remove.
template <class T> class ItemList : public ListSection {
public:
    using Columns = typename ItemListModel<T>::Columns;
    // Runs an item dialog on `item` for `purpose`: the item after OK, none
    // after Cancel.
    using Purpose = ItemDialog::Purpose;
    using Dialog = std::function<std::optional<T>(const T& item, Purpose purpose)>;

    explicit ItemList(Columns columns) : m_model(std::move(columns)) {}

    // The usual item dialog: a D made with `parent` (and `more`), given the
    // item by setItem() and giving it back by item().
    template <class D, class... More> static Dialog dialogOf(QWidget* parent, More... more) {
        return [parent, more...](const T& item, Purpose purpose) -> std::optional<T> {
            D dialog(parent, more...);
            dialog.setItem(item);
            dialog.setPurpose(purpose);
            if (dialog.exec() != QDialog::Accepted) {
                return std::nullopt;
            }
            return dialog.item();
        };
    }

    void attach(QTreeView* view, QWidget* messageParent, Dialog dialog) {
        ListSection::attach(view, messageParent);
        m_dialog = std::move(dialog);
        std::vector<int> widths;
        for (const ItemColumn<T>& column : m_model.columns()) {
            widths.push_back(column.width);
        }
        showModel(&m_model, widths);
    }

    ItemListModel<T>& model() { return m_model; }
    const ItemListModel<T>& model() const { return m_model; }
    const std::vector<T>& items() const { return m_model.items(); }
    const T& item(int row) const { return m_model.item(row); }

    void load(const OwningList<T>& items) {
        std::vector<T> copies;
        copies.reserve(items.size());
        for (const auto& item : items) {
            copies.push_back(*item);
        }
        m_model.setItems(std::move(copies));
    }

    // Gives `items` the rows' items. Entries already there are assigned to,
    // not made again: a long list that is stored at every section switch
    // reuses its memory.
    void store(OwningList<T>& items) const {
        const std::vector<T>& rows = m_model.items();
        items.resize(rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (items[i] != nullptr) {
                *items[i] = rows[i];
            } else {
                items[i] = std::make_unique<T>(rows[i]);
            }
        }
    }

    void add() {
        if (std::optional<T> added = m_dialog(T{}, Purpose::Add)) {
            m_model.append(std::move(*added));
        }
    }

    // Whether the dialog replaced the selected item; refuses without one.
    bool edit() {
        const int row = rowToEdit();
        if (row < 0) {
            return false;
        }
        std::optional<T> edited = m_dialog(m_model.item(row), Purpose::Edit);
        if (edited) {
            m_model.replace(row, std::move(*edited));
        }
        return edited.has_value();
    }

private:
    ItemListModel<T> m_model;
    Dialog m_dialog;
};
