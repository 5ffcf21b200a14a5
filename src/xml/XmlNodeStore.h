#pragma once

#include "xml/XmlChildList.h"

#include <array>
#include <cstddef>
#include <memory>
#include <vector>

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

    // Lists up to this long are kept in the store; longer ones are few.
    static constexpr std::size_t kLongestStoredList = 64;
    // Room for `count` children (1 to kLongestStoredList), all empty.
    XmlNodePtr* makeChildArray(std::size_t count);
    // An array made here, emptied, for a later list of the same length:
    // reading a document piece by piece reuses the arrays of what it gave up.
    void giveBackChildArray(XmlNodePtr* array, std::size_t count);

private:
    union Slot;
    static constexpr std::size_t kFirstBlock = 64;
    static constexpr std::size_t kLargestBlock = 4096;

    std::vector<std::unique_ptr<Slot[]>> m_blocks;
    std::size_t m_used = 0;
    std::size_t m_blockSize = 0;

    static constexpr std::size_t kFirstArrayBlock = 256;
    static constexpr std::size_t kLargestArrayBlock = 4096;
    std::vector<std::unique_ptr<XmlNodePtr[]>> m_arrayBlocks;
    std::size_t m_arraysUsed = 0;
    std::size_t m_arrayBlockSize = 0;
    std::array<std::vector<XmlNodePtr*>, kLongestStoredList + 1> m_spareArrays;
};
