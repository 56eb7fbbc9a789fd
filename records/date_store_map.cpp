#include "records/date_store_map.h"

#include <utility>

struct DateStoreMap::Node {
    Node* pNext = nullptr;
    // Previous node of the chain, so that a removal unlinks without walking the chain.
    Node* pPrev = nullptr;
    uint32_t nHashValue = 0; // bucket index
    std::string key;
    VXDateStore value;
};

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
      m_pFreeList(std::exchange(other.m_pFreeList, nullptr)), m_blocks(std::move(other.m_blocks)),
      m_nBlockSize(other.m_nBlockSize), m_index(std::move(other.m_index)) {
    other.m_blocks.clear();
    other.m_index.clear();
}

DateStoreMap& DateStoreMap::operator=(DateStoreMap&& other) noexcept {
    if (this != &other) {
        RemoveAll();
        m_pHashTable = std::move(other.m_pHashTable);
        m_nCount = std::exchange(other.m_nCount, 0);
        m_pFreeList = std::exchange(other.m_pFreeList, nullptr);
        m_blocks = std::move(other.m_blocks);
        m_index = std::move(other.m_index);
        other.m_blocks.clear();
        other.m_index.clear();
    }
    return *this;
}

int DateStoreMap::GetCount() const {
    return m_nCount;
}

bool DateStoreMap::Lookup(const std::string& name, VXDateStore& record) const {
    if (!m_pHashTable) {
        return false;
    }
    const auto it = m_index.find(name);
    if (it == m_index.end()) {
        return false;
    }
    record = it->second->value;
    return true;
}

DateStoreMap::Node* DateStoreMap::NewNode() {
    if (m_pFreeList == nullptr) {
        auto block = std::make_unique<Node[]>(static_cast<size_t>(m_nBlockSize));
        // Chain the block so that its first node is taken first.
        for (int i = m_nBlockSize - 1; i >= 0; --i) {
            block[static_cast<size_t>(i)].pNext = m_pFreeList;
            m_pFreeList = &block[static_cast<size_t>(i)];
        }
        m_blocks.push_back(std::move(block));
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
    if (const auto it = m_index.find(name); it != m_index.end()) {
        it->second->value = record;
        return;
    }
    if (!m_pHashTable) {
        m_pHashTable = std::make_unique<Node*[]>(m_nHashTableSize); // all heads null
    }
    const uint32_t bucket = HashKey(name) % m_nHashTableSize;
    Node* node = NewNode();
    node->key = name;
    node->nHashValue = bucket;
    node->pNext = m_pHashTable[bucket];
    if (node->pNext != nullptr) {
        node->pNext->pPrev = node;
    }
    m_pHashTable[bucket] = node;
    m_index.emplace(std::string_view(node->key), node);
    node->value = record;
}

bool DateStoreMap::RemoveKey(const std::string& name) {
    if (!m_pHashTable) {
        return false;
    }
    const auto it = m_index.find(name);
    if (it == m_index.end()) {
        return false;
    }
    Node* node = it->second;
    m_index.erase(it);
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
    m_index.clear();
    m_pHashTable.reset();
    m_nCount = 0;
    m_pFreeList = nullptr;
    m_blocks.clear(); // destroys every node with its key and value
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

DateStoreMap::Entry DateStoreMap::Iterator::operator*() const {
    return Entry{m_pos->key, m_pos->value};
}

DateStoreMap::Iterator& DateStoreMap::Iterator::operator++() {
    m_pos =
        m_pos->pNext != nullptr ? m_pos->pNext : m_map->FirstInBucketsFrom(m_pos->nHashValue + 1);
    return *this;
}
