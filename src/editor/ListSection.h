#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class QTreeWidget;
class QWidget;

struct ListColumn {
    QString title;
    int width = 100; // pixels
};

// A list view whose rows are the working copy of one record list, with the
// Add, Edit and Remove commands every list of the editor offers. A row is the
// item's fields as texts, in column order. Attach a list before any other call.
class ListSection {
public:
    // Runs the item dialog with `inputs` (empty texts for Add); the outputs
    // after OK, none after Cancel.
    using ItemDialog = std::function<std::optional<QStringList>(const QStringList& inputs)>;

    static const QString kSelectToEdit;
    static const QString kSelectToRemove;

    ListSection() = default;
    // `messageParent` owns the refusals.
    ListSection(QTreeWidget* list, QWidget* messageParent) { attach(list, messageParent); }
    // For pages, once their controls are built.
    void attach(QTreeWidget* list, QWidget* messageParent);

    QTreeWidget* list() const { return m_list; }
    void setColumns(const std::vector<ListColumn>& columns);
    int columnCount() const;

    void clear();
    void appendRow(const QStringList& texts);
    // Appends many rows at once: much faster than one appendRow per row.
    void appendRows(const std::vector<QStringList>& rows);
    // The same as clear() and appendRows(rows), nothing left selected, but
    // rows already there are kept and only changed texts are set: reloading
    // a long list that did not change costs little.
    void replaceRows(const std::vector<QStringList>& rows);
    // The same with the cells given by (row, column): `same` tells whether a
    // text shown already is that cell's, so unchanged cells make no new text.
    using CellText = std::function<QString(int row, int column)>;
    using CellSame = std::function<bool(int row, int column, const QString& shown)>;
    void replaceRows(int rows, const CellText& text, const CellSame& same);
    int rowCount() const;
    QStringList rowTexts(int row) const;
    // One cell's text; empty outside the rows or columns.
    QString cellText(int row, int column) const;
    void setRowTexts(int row, const QStringList& texts);
    std::vector<QStringList> rows() const;

    // The first selected row from the top, or -1.
    int firstSelectedRow() const;
    // -1 clears the selection.
    void selectRow(int row);

    // Appends the dialog's outputs as a new, unselected row.
    void add(const ItemDialog& dialog);
    // Replaces the first selected row's texts; refuses without a selection.
    void edit(const ItemDialog& dialog);
    // Deletes the selected row and selects the one now at its index, else the
    // one before; refuses without a selection.
    void remove();

private:
    QTreeWidget* m_list = nullptr;
    QWidget* m_messageParent = nullptr;
};
