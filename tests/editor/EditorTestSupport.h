#pragma once

#include "editor/EditorSection.h"
#include "editor/HelpBrowser.h"
#include "model/StudyRecord.h"

#include <QApplication>
#include <QDialog>
#include <QHeaderView>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <string>

// Records what the pages ask of the help window.
class FakeHelpBrowser : public HelpBrowser {
public:
    void navigateTo(const QString& address) override { navigations << address; }
    void showAndFocus() override { ++shows; }
    void hideWindow() override { ++hides; }

    QStringList navigations;
    int shows = 0;
    int hides = 0;
};

inline int sectionCount() {
    return static_cast<int>(editorSections().size());
}

// A list column's width: the template's, or its title's where that is wider.
inline int shownColumnWidth(const QTreeView* list, int column, int templateWidth) {
    return std::max(templateWidth, list->header()->sectionSizeHint(column));
}

// The texts a list view shows in one row, or its column titles for row -1.
inline QStringList shownRow(const QTreeView* list, int row) {
    const QAbstractItemModel* model = list->model();
    QStringList texts;
    for (int column = 0; column < model->columnCount(); ++column) {
        texts << (row < 0 ? model->headerData(column, Qt::Horizontal).toString()
                          : model->index(row, column).data().toString());
    }
    return texts;
}

// Double-clicks a row of a list view as the user does: a click, then the double click.
inline void doubleClickRow(QTreeView* list, int row) {
    QApplication::processEvents(); // lays the rows out
    const QPoint center = list->visualRect(list->model()->index(row, 0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, center);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, center);
}

// Runs `action` inside the modal loop of the next dialog of type T, once that
// loop has started (the topmost modal widget is a T). Gives up after ~2 s.
template <class T> void whenModal(std::function<void(T*)> action, int attempts = 2000) {
    QTimer::singleShot(attempts == 2000 ? 0 : 1, [action = std::move(action), attempts]() mutable {
        if (auto* modal = qobject_cast<T*>(QApplication::activeModalWidget())) {
            action(modal);
        } else if (attempts > 0) {
            whenModal<T>(std::move(action), attempts - 1);
        } else if (auto* stuck = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            ADD_FAILURE() << "the expected dialog never ran";
            stuck->done(QDialog::Rejected);
        }
    });
}
