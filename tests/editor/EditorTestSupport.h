#pragma once

#include "editor/HelpBrowser.h"

#include <QApplication>
#include <QDialog>
#include <QStringList>
#include <QHeaderView>
#include <QTimer>
#include <QTreeWidget>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

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

// A list column's width: the template's, or its title's where that is wider.
inline int shownColumnWidth(const QTreeWidget* list, int column, int templateWidth) {
    return std::max(templateWidth, list->header()->sectionSizeHint(column));
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
