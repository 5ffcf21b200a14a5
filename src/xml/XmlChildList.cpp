#include "xml/XmlChildList.h"

#include "xml/XmlNode.h"
#include "xml/XmlNodeStore.h"

#include <algorithm>
#include <utility>

void XmlChildList::grow() { reserve(std::max<std::size_t>(4, 2 * std::size_t{m_capacity})); }

void XmlChildList::reserve(std::size_t count) {
    if (count <= m_capacity)
        return;
    auto heap = std::make_unique<XmlNodePtr[]>(count);
    XmlNodePtr* const array = heap.get();
    moveTo(array, count, nullptr);
    m_heap = std::move(heap);
}

void XmlChildList::moveTo(XmlNodePtr* array, std::size_t capacity, XmlNodeStore* store) {
    if (!m_data) {
        m_data = array;
        m_capacity = static_cast<std::uint32_t>(capacity);
        return;
    }
    std::move(m_data, m_data + m_size, array);
    const std::uint32_t size = m_size;
    release(store);
    m_data = array;
    m_size = size;
    m_capacity = static_cast<std::uint32_t>(capacity);
}

XmlNodePtr XmlChildList::takeBack() {
    return std::move(m_data[--m_size]);
}

void XmlChildList::releaseArray(XmlNodeStore* store) {
    if (m_heap)
        m_heap.reset();
    else
        store->giveBackChildArray(m_data, m_capacity);
}
