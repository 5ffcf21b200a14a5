#include "xml/XmlNodeStore.h"

#include "xml/XmlNode.h"

#include <algorithm>
#include <new>

// Raw room for one node: constructed and destroyed by hand, never by the block.
union XmlNodeStore::Slot {
    Slot() {}
    ~Slot() {}
    XmlNode node;
};

XmlNodeStore::XmlNodeStore() = default;
XmlNodeStore::~XmlNodeStore() = default;

XmlNode* XmlNodeStore::make() {
    if (m_used == m_blockSize) {
        // Blocks grow with the document, so that a small one takes little.
        // Nothing changes until the block is in place: a failed allocation
        // leaves the store as it was.
        const std::size_t size =
            m_blocks.empty() ? kFirstBlock : std::min(2 * m_blockSize, kLargestBlock);
        m_blocks.push_back(std::make_unique<Slot[]>(size));
        m_blockSize = size;
        m_used = 0;
    }
    // Default-initialised: every member has its initialiser, nothing is zeroed first.
    XmlNode* node = ::new (&m_blocks.back()[m_used++].node) XmlNode;
    node->m_inStore = true;
    return node;
}

XmlNodePtr* XmlNodeStore::makeChildArray(std::size_t count) {
    std::vector<XmlNodePtr*>& spare = m_spareArrays[count];
    if (!spare.empty()) {
        XmlNodePtr* array = spare.back();
        spare.pop_back();
        return array;
    }
    if (m_arrayBlockSize - m_arraysUsed < count) {
        // Grows as the node blocks do; the end of a full block is left unused.
        const std::size_t size = m_arrayBlocks.empty()
                                     ? kFirstArrayBlock
                                     : std::min(2 * m_arrayBlockSize, kLargestArrayBlock);
        m_arrayBlocks.push_back(std::make_unique<XmlNodePtr[]>(size));
        m_arrayBlockSize = size;
        m_arraysUsed = 0;
    }
    XmlNodePtr* array = m_arrayBlocks.back().get() + m_arraysUsed;
    m_arraysUsed += count;
    return array;
}

void XmlNodeStore::giveBackChildArray(XmlNodePtr* array, std::size_t count) {
    if (count <= kLongestStoredList)
        m_spareArrays[count].push_back(array);
}
