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
    XmlNode* node = ::new (&m_blocks.back()[m_used++].node) XmlNode();
    node->m_inStore = true;
    return node;
}
