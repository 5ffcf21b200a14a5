#pragma once

#include <QMap>
#include <QPointer>
#include <QWidget>

// The controls of one dialog by id, as DialogBuilder made them.
class DialogControls {
public:
    void add(int id, QWidget* widget);

    // None when there is no control with that id (or it was deleted).
    QWidget* widget(int id) const;
    template <typename T> T* get(int id) const { return qobject_cast<T*>(widget(id)); }
    bool contains(int id) const { return widget(id) != nullptr; }

    // The id a builder gave a widget, or -1.
    static int idOf(const QWidget* widget);

private:
    QMap<int, QPointer<QWidget>> m_byId;
};
