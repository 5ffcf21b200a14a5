#pragma once

#include <memory>
#include <type_traits>
#include <vector>

// An ordered list that owns its entries: removing an entry destroys it, and
// entries keep their addresses while the list grows. Order is insertion order.
// A copy copies every entry (when the entries can be copied); a move moves
// the pointers only.
template <class T> class OwningList : public std::vector<std::unique_ptr<T>> {
public:
    using Base = std::vector<std::unique_ptr<T>>;

    OwningList() = default;
    ~OwningList() = default;
    OwningList(OwningList&&) noexcept = default;
    OwningList& operator=(OwningList&&) noexcept = default;

    OwningList(const OwningList& other) requires std::is_copy_constructible_v<T> : Base() {
        this->reserve(other.size());
        for (const std::unique_ptr<T>& entry : other) {
            this->push_back(entry ? std::make_unique<T>(*entry) : nullptr);
        }
    }

    OwningList& operator=(const OwningList& other) requires std::is_copy_constructible_v<T> {
        if (this != &other) {
            OwningList copy(other);
            Base::swap(copy);
        }
        return *this;
    }
};

// Appends a new default entry and returns it.
template <class T> T& appendNew(OwningList<T>& list) {
    list.push_back(std::make_unique<T>());
    return *list.back();
}
