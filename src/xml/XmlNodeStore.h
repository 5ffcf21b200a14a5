#pragma once

#include <cstddef>
#include <memory>
#include <vector>

class XmlNode;

// Room for the nodes a reader makes, taken in blocks of many nodes: a node
// costs no allocation of its own. Nodes made here are destroyed by their
// owners like any other (see XmlNodeDeleter), but their memory is given back
// only with the store, which the reader and every tree it built share.
class XmlNodeStore {
public:
    XmlNodeStore();
    ~XmlNodeStore();
    XmlNodeStore(const XmlNodeStore&) = delete;
    XmlNodeStore& operator=(const XmlNodeStore&) = delete;

    // An empty element node in the store's memory.
    XmlNode* make();

private:
    union Slot;
    static constexpr std::size_t kFirstBlock = 64;
    static constexpr std::size_t kLargestBlock = 4096;

    std::vector<std::unique_ptr<Slot[]>> m_blocks;
    std::size_t m_used = 0;
    std::size_t m_blockSize = 0;
};
