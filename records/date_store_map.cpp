#include "records/date_store_map.h"

#include <algorithm>
#include <cstring>
#include <utility>

struct DateStoreMap::Node {
    Node* pNext = nullptr;
    // Previous node of the chain, so that a removal unlinks without walking the chain.
    Node* pPrev = nullptr;
    uint32_t nHashValue = 0; // bucket index
    uint32_t nIndexHash = 0; // hash of the key in the name index
    std::string key;
    VXDateStore value;
};

namespace {

// Nodes in the largest chunk taken when no size was reserved.
constexpr size_t kMaxChunkNodes = 10 * 4096;

// A well-mixed hash of the name for the index, eight bytes at a time.
uint32_t IndexHash(std::string_view key) {
    uint64_t h = 0x9E3779B97F4A7C15u ^ key.size();
    const char* p = key.data();
    size_t left = key.size();
    while (left >= 8) {
        uint64_t word = 0;
        std::memcpy(&word, p, 8);
        h = (h ^ word) * 0xBF58476D1CE4E5B9u;
        h ^= h >> 31;
        p += 8;
        left -= 8;
    }
    uint64_t word = 0;
    std::memcpy(&word, p, left);
    h = (h ^ word) * 0x94D049BB133111EBu;
    h ^= h >> 29;
    h *= 0xBF58476D1CE4E5B9u;
    return static_cast<uint32_t>(h >> 32);
}

} // namespace

uint32_t HashKey(std::string_view key) {
    uint32_t h = 0;
    for (const char ch : key) {
        const auto b = static_cast<signed char>(ch);
        h = h * 33u + static_cast<uint32_t>(static_cast<int32_t>(b));
    }
    return h;
}

DateStoreMap::DateStoreMap() = default;

DateStoreMap::~DateStoreMap() {
    RemoveAll();
}

DateStoreMap::DateStoreMap(DateStoreMap&& other) noexcept
    : m_pHashTable(std::move(other.m_pHashTable)), m_nHashTableSize(other.m_nHashTableSize),
      m_nCount(std::exchange(other.m_nCount, 0)),
      m_pFreeList(std::exchange(other.m_pFreeList, nullptr)), m_chunks(std::move(other.m_chunks)),
      m_nChunkSize(std::exchange(other.m_nChunkSize, 0)),
      m_nChunkUsed(std::exchange(other.m_nChunkUsed, 0)),
      m_nBlockCount(std::exchange(other.m_nBlockCount, 0)), m_nBlockSize(other.m_nBlockSize),
      m_nReserve(std::exchange(other.m_nReserve, 0)), m_pIndex(std::move(other.m_pIndex)),
      m_nIndexBits(std::exchange(other.m_nIndexBits, 0)) {
    other.m_chunks.clear();
}

DateStoreMap& DateStoreMap::operator=(DateStoreMap&& other) noexcept {
    if (this != &other) {
        RemoveAll();
        m_pHashTable = std::move(other.m_pHashTable);
        m_nCount = std::exchange(other.m_nCount, 0);
        m_pFreeList = std::exchange(other.m_pFreeList, nullptr);
        m_chunks = std::move(other.m_chunks);
        m_nChunkSize = std::exchange(other.m_nChunkSize, 0);
        m_nChunkUsed = std::exchange(other.m_nChunkUsed, 0);
        m_nBlockCount = std::exchange(other.m_nBlockCount, 0);
        m_nReserve = std::exchange(other.m_nReserve, 0);
        m_pIndex = std::move(other.m_pIndex);
        m_nIndexBits = std::exchange(other.m_nIndexBits, 0);
        other.m_chunks.clear();
    }
    return *this;
}

int DateStoreMap::GetCount() const {
    return m_nCount;
}

size_t DateStoreMap::HomeSlot(uint32_t indexHash) const {
    return static_cast<size_t>(indexHash >> (32 - m_nIndexBits));
}

size_t DateStoreMap::FindSlot(std::string_view name, uint32_t indexHash) const {
    const size_t mask = (size_t{1} << m_nIndexBits) - 1;
    for (size_t slot = HomeSlot(indexHash);; slot = (slot + 1) & mask) {
        const Node* node = m_pIndex[slot];
        if (node == nullptr || (node->nIndexHash == indexHash && node->key == name)) {
            return slot;
        }
    }
}

void DateStoreMap::GrowIndexFor(size_t count) {
    // At most half full: a probe then meets an empty slot after a step or two.
    uint32_t bits = std::max<uint32_t>(m_nIndexBits, 4);
    while ((size_t{1} << bits) < count * 2) {
        ++bits;
    }
    if (m_pIndex && bits == m_nIndexBits) {
        return;
    }
    const size_t oldSize = m_pIndex ? size_t{1} << m_nIndexBits : 0;
    std::unique_ptr<Node*[]> old = std::move(m_pIndex);
    m_pIndex = std::make_unique<Node*[]>(size_t{1} << bits); // all slots empty
    m_nIndexBits = bits;
    const size_t mask = (size_t{1} << bits) - 1;
    for (size_t i = 0; i < oldSize; ++i) {
        if (Node* node = old[i]; node != nullptr) {
            size_t slot = HomeSlot(node->nIndexHash);
            while (m_pIndex[slot] != nullptr) {
                slot = (slot + 1) & mask;
            }
            m_pIndex[slot] = node;
        }
    }
}

// Removal without tombstones: later nodes of the probe run move back into the gap when their
// home slot allows it.
void DateStoreMap::EraseSlot(size_t slot) {
    const size_t mask = (size_t{1} << m_nIndexBits) - 1;
    size_t gap = slot;
    for (size_t next = (gap + 1) & mask; m_pIndex[next] != nullptr; next = (next + 1) & mask) {
        const size_t home = HomeSlot(m_pIndex[next]->nIndexHash);
        if (((next - home) & mask) >= ((next - gap) & mask)) {
            m_pIndex[gap] = m_pIndex[next];
            gap = next;
        }
    }
    m_pIndex[gap] = nullptr;
}

bool DateStoreMap::Lookup(const std::string& name, VXDateStore& record) const {
    if (!m_pHashTable || !m_pIndex) {
        return false;
    }
    const Node* node = m_pIndex[FindSlot(name, IndexHash(name))];
    if (node == nullptr) {
        return false;
    }
    record = node->value;
    return true;
}

DateStoreMap::Node* DateStoreMap::TakeBlock() {
    const auto blockSize = static_cast<size_t>(m_nBlockSize);
    if (m_chunks.empty() || m_nChunkUsed + blockSize > m_nChunkSize) {
        size_t nodes = std::clamp(m_nChunkSize * 2, blockSize, kMaxChunkNodes);
        nodes = std::max(nodes, m_nReserve > static_cast<size_t>(m_nCount)
                                    ? m_nReserve - static_cast<size_t>(m_nCount)
                                    : size_t{0});
        nodes = (nodes + blockSize - 1) / blockSize * blockSize;
        m_chunks.push_back(std::make_unique<Node[]>(nodes));
        m_nChunkSize = nodes;
        m_nChunkUsed = 0;
        m_nReserve = 0;
    }
    Node* block = m_chunks.back().get() + m_nChunkUsed;
    m_nChunkUsed += blockSize;
    ++m_nBlockCount;
    return block;
}

DateStoreMap::Node* DateStoreMap::NewNode() {
    if (m_pFreeList == nullptr) {
        Node* block = TakeBlock();
        // Chain the block so that its first node is taken first.
        for (int i = m_nBlockSize - 1; i >= 0; --i) {
            block[i].pNext = m_pFreeList;
            m_pFreeList = &block[i];
        }
    }
    Node* node = m_pFreeList;
    m_pFreeList = node->pNext;
    ++m_nCount;
    node->pNext = nullptr;
    node->pPrev = nullptr;
    node->value = VXDateStore();
    return node;
}

void DateStoreMap::FreeNode(Node* node) {
    node->key = std::string();
    node->value = VXDateStore();
    node->pPrev = nullptr;
    node->pNext = m_pFreeList;
    m_pFreeList = node;
    --m_nCount;
}

void DateStoreMap::SetAt(const std::string& name, const VXDateStore& record) {
    const uint32_t indexHash = IndexHash(name);
    if (m_pIndex) {
        if (Node* found = m_pIndex[FindSlot(name, indexHash)]; found != nullptr) {
            found->value = record;
            return;
        }
    }
    if (!m_pHashTable) {
        m_pHashTable = std::make_unique<Node*[]>(m_nHashTableSize); // all heads null
    }
    GrowIndexFor(std::max(static_cast<size_t>(m_nCount) + 1, m_nReserve));
    const uint32_t bucket = HashKey(name) % m_nHashTableSize;
    Node* node = NewNode();
    node->key = name;
    node->nHashValue = bucket;
    node->nIndexHash = indexHash;
    node->pNext = m_pHashTable[bucket];
    if (node->pNext != nullptr) {
        node->pNext->pPrev = node;
    }
    m_pHashTable[bucket] = node;
    m_pIndex[FindSlot(name, indexHash)] = node;
    node->value = record;
}

bool DateStoreMap::RemoveKey(const std::string& name) {
    if (!m_pHashTable || !m_pIndex) {
        return false;
    }
    const size_t slot = FindSlot(name, IndexHash(name));
    Node* node = m_pIndex[slot];
    if (node == nullptr) {
        return false;
    }
    EraseSlot(slot);
    if (node->pPrev != nullptr) {
        node->pPrev->pNext = node->pNext;
    } else {
        m_pHashTable[node->nHashValue] = node->pNext;
    }
    if (node->pNext != nullptr) {
        node->pNext->pPrev = node->pPrev;
    }
    FreeNode(node);
    if (m_nCount == 0) {
        RemoveAll();
    }
    return true;
}

void DateStoreMap::RemoveAll() {
    m_pIndex.reset();
    m_nIndexBits = 0;
    m_pHashTable.reset();
    m_nCount = 0;
    m_pFreeList = nullptr;
    m_chunks.clear(); // destroys every node with its key and value
    m_nChunkSize = 0;
    m_nChunkUsed = 0;
    m_nBlockCount = 0;
    m_nReserve = 0;
}

DateStoreMap::Position DateStoreMap::FirstInBucketsFrom(uint32_t bucket) const {
    if (!m_pHashTable) {
        return nullptr;
    }
    for (; bucket < m_nHashTableSize; ++bucket) {
        if (m_pHashTable[bucket] != nullptr) {
            return m_pHashTable[bucket];
        }
    }
    return nullptr;
}

DateStoreMap::Position DateStoreMap::GetStartPosition() const {
    return m_nCount == 0 ? nullptr : FirstInBucketsFrom(0);
}

void DateStoreMap::GetNextAssoc(Position& pos, std::string& name, VXDateStore& record) const {
    const Node* node = pos;
    name = node->key;
    record = node->value;
    pos = node->pNext != nullptr ? node->pNext : FirstInBucketsFrom(node->nHashValue + 1);
}
