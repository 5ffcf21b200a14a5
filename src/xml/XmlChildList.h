#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

class XmlNode;
class XmlNodeStore;

// Destroys a node; frees its memory too unless a node store holds that.
struct XmlNodeDeleter {
    void operator()(XmlNode* node) const noexcept;
};
using XmlNodePtr = std::unique_ptr<XmlNode, XmlNodeDeleter>;

// The children of a node, in order: an array of owning pointers. A reader
// puts a node's children into an array of its node store, taken once at its
// final size; a list that grows one child at a time moves onto the heap.
// The list never destroys children itself: XmlNode::clear() takes them out.
class XmlChildList {
public:
    using const_iterator = const XmlNodePtr*;

    XmlChildList() = default;
    XmlChildList(const XmlChildList&) = delete;
    XmlChildList& operator=(const XmlChildList&) = delete;

    const_iterator begin() const { return m_data; }
    const_iterator end() const { return m_data + m_size; }
    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    const XmlNodePtr& operator[](std::size_t index) const { return m_data[index]; }
    const XmlNodePtr& front() const { return m_data[0]; }
    const XmlNodePtr& back() const { return m_data[m_size - 1]; }
    const XmlNodePtr* data() const { return m_data; }

private:
    friend class XmlNode;
    friend class XmlReader;

    std::size_t capacity() const { return m_capacity; }
    XmlNodePtr* storage() { return m_data; }
    void push_back(XmlNodePtr child) {
        if (m_size == m_capacity)
            grow();
        m_data[m_size++] = std::move(child);
    }
    // Appends [first, last) with room made for them already.
    void appendMoved(XmlNodePtr* first, XmlNodePtr* last) {
        for (; first != last; ++first)
            m_data[m_size++] = std::move(*first);
    }
    // Room for `count` children without growing again.
    void reserve(std::size_t count);
    // Moves the children into `array` (of `capacity` slots, held by `store`)
    // and gives the old array back.
    void moveTo(XmlNodePtr* array, std::size_t capacity, XmlNodeStore* store);
    XmlNodePtr takeBack();
    // Drops the slots from `count` on; their children were taken out already.
    void truncate(std::size_t count) { m_size = static_cast<std::uint32_t>(count); }
    // Empties the list, giving its array back to `store` when it came from
    // there; without a store such an array stays with its store until that goes.
    void release(XmlNodeStore* store) {
        if (m_heap || (store && m_data))
            releaseArray(store);
        m_data = nullptr;
        m_size = 0;
        m_capacity = 0;
    }

    void grow();
    void releaseArray(XmlNodeStore* store);

    XmlNodePtr* m_data = nullptr;
    std::uint32_t m_size = 0;
    std::uint32_t m_capacity = 0;
    std::unique_ptr<XmlNodePtr[]> m_heap;
};
