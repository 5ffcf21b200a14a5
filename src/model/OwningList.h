#pragma once

#include <memory>
#include <vector>

// An ordered list that owns its entries: removing an entry destroys it, and
// entries keep their addresses while the list grows. Order is insertion order.
template <class T> using OwningList = std::vector<std::unique_ptr<T>>;

// Appends a new default entry and returns it.
template <class T> T& appendNew(OwningList<T>& list) {
    list.push_back(std::make_unique<T>());
    return *list.back();
}
