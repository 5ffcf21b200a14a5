#pragma once

#include <QString>
#include <vector>

class QAbstractItemModel;
class QTreeView;
class QWidget;

// A list view of the editor with the selection rules and refusals its Add,
// Edit and Remove commands share. ItemList adds the items and the dialog.
// Attach a view before any other call.
class ListSection {
public:
    static const QString kSelectToEdit;
    static const QString kSelectToRemove;

    ListSection() = default;
    virtual ~ListSection() = default;
    ListSection(const ListSection&) = delete;
    ListSection& operator=(const ListSection&) = delete;

    // `messageParent` owns the refusals.
    void attach(QTreeView* view, QWidget* messageParent);
    QTreeView* view() const { return m_view; }

    int rowCount() const;
    // The first selected row from the top, or -1.
    int firstSelectedRow() const;
    // -1 clears the selection.
    void selectRow(int row);

    // Deletes the selected row and selects the one now at its index, else the
    // one before; refuses without a selection.
    void remove();

protected:
    // Shows `model` with these column widths in pixels; a column is never
    // narrower than its title, whatever the font.
    void showModel(QAbstractItemModel* model, const std::vector<int>& widths);
    // The first selected row, or -1 after refusing to edit.
    int rowToEdit() const;

private:
    int selectedRowOrRefuse(const QString& refusal) const;

    QTreeView* m_view = nullptr;
    QWidget* m_messageParent = nullptr;
};
