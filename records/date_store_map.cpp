#include "records/date_store_map.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <utility>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace {

// A key as a node keeps it: up to 15 bytes in place, longer ones in a heap block of their
// own. Byte 15 holds the length of a key kept in place (with kWideInline added for a wide
// key), or kOnHeap / kWideOnHeap; a key on the heap has its pointer in bytes 0 to 7 and its
// length in bytes 8 to 14.
class NodeKey {
  public:
    NodeKey() { m_bytes[kInline] = 0; }
    ~NodeKey() { Release(); }
    NodeKey(const NodeKey&) = delete;
    NodeKey& operator=(const NodeKey&) = delete;

    void Assign(NameKeyView key) {
        Release();
        const std::string_view text = key.Bytes();
        if (text.size() <= kInline) {
            std::memcpy(m_bytes, text.data(), text.size());
            m_bytes[kInline] =
                static_cast<unsigned char>(text.size() + (key.IsWide() ? kWideInline : 0));
            return;
        }
        char* heap = new char[text.size()];
        std::memcpy(heap, text.data(), text.size());
        std::memcpy(m_bytes, &heap, sizeof heap);
        for (size_t i = 0; i < 7; ++i) {
            m_bytes[8 + i] = static_cast<unsigned char>(uint64_t{text.size()} >> (8 * i));
        }
        m_bytes[kInline] = key.IsWide() ? kWideOnHeap : kOnHeap;
    }

    void Clear() {
        Release();
        m_bytes[kInline] = 0;
    }

    NameKeyView View() const {
        const unsigned char tag = m_bytes[kInline];
        if (tag <= kInline) {
            return std::string_view{reinterpret_cast<const char*>(m_bytes), tag};
        }
        if (!OnHeap()) {
            return NameKeyView::Wide(
                {reinterpret_cast<const char*>(m_bytes), static_cast<size_t>(tag - kWideInline)});
        }
        const std::string_view heap{HeapPointer(), static_cast<size_t>(HeapSize())};
        return tag == kOnHeap ? NameKeyView(heap) : NameKeyView::Wide(heap);
    }

  private:
    static constexpr size_t kInline = 15;
    static constexpr unsigned char kWideInline = 0x40;
    static constexpr unsigned char kOnHeap = 0xFF;
    static constexpr unsigned char kWideOnHeap = 0xFE;

    bool OnHeap() const { return m_bytes[kInline] >= kWideOnHeap; }
    char* HeapPointer() const {
        char* heap = nullptr;
        std::memcpy(&heap, m_bytes, sizeof heap);
        return heap;
    }
    uint64_t HeapSize() const {
        uint64_t size = 0;
        for (size_t i = 0; i < 7; ++i) {
            size |= uint64_t{m_bytes[8 + i]} << (8 * i);
        }
        return size;
    }
    void Release() {
        if (OnHeap()) {
            delete[] HeapPointer();
        }
    }

    unsigned char m_bytes[16];
};

// A large name index (many megabytes, touched in no particular order) is asked for in huge
// pages where the system offers them on request, which spares most address translation
// misses. Results do not depend on it.
constexpr size_t kHugePage = size_t{2} << 20;

void* AllocateLarge(size_t bytes) {
    if (bytes < kHugePage) {
        return ::operator new(bytes);
    }
    const size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    void* memory = ::operator new (rounded, std::align_val_t{kHugePage});
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    (void)::madvise(memory, rounded, MADV_HUGEPAGE); // only a hint
#endif
    return memory;
}

void FreeLarge(void* memory, size_t bytes) {
    if (bytes < kHugePage) {
        ::operator delete(memory);
    } else {
        ::operator delete (memory, std::align_val_t{kHugePage});
    }
}

// Node numbers in the name index count groups of ten nodes lying side by side.
constexpr size_t kGroupSize = 10;
// Chunk sizes double per bucket up to this, a few hundred kilobytes.
constexpr size_t kMaxChunkNodes = kGroupSize * 512;

// A well-mixed hash of the name for the index, eight bytes at a time; the kind of key is mixed
// in, so that an 8-bit and a wide key of the same bytes are apart.
uint32_t IndexHash(NameKeyView name) {
    const std::string_view key = name.Bytes();
    uint64_t h = (name.IsWide() ? 0x7F4A7C159E3779B9u : 0x9E3779B97F4A7C15u) ^ key.size();
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

// An index slot: the name's index hash above, its node's number plus one below; 0 is empty.
uint64_t SlotValue(uint32_t indexHash, uint32_t nodeNumber) {
    return (uint64_t{indexHash} << 32) | (uint64_t{nodeNumber} + 1);
}

uint32_t SlotHash(uint64_t slotValue) {
    return static_cast<uint32_t>(slotValue >> 32);
}

} // namespace

struct DateStoreMap::Node {
    Node* pNext = nullptr;
    // Previous node of the chain, so that a removal unlinks without walking the chain.
    Node* pPrev = nullptr;
    uint32_t nHashValue = 0; // bucket index
    uint32_t nNumber = 0;    // block number * block size + place in the block
    NodeKey key;
    VXDateStore value;
};

uint32_t HashKey(NameKeyView key) {
    uint32_t h = 0;
    if (key.IsWide()) {
        for (size_t i = 0; i < key.UnitCount(); ++i) {
            h = h * 33u + static_cast<uint32_t>(key.Unit(i));
        }
        return h;
    }
    for (const char ch : key.Bytes()) {
        const auto b = static_cast<signed char>(ch);
        h = h * 33u + static_cast<uint32_t>(static_cast<int32_t>(b));
    }
    return h;
}

void DateStoreMap::ChunkDeleter::operator()(Node* nodes) const {
    std::destroy_n(nodes, count);
    FreeLarge(nodes, count * sizeof(Node));
}

void DateStoreMap::IndexDeleter::operator()(uint64_t* slots) const {
    FreeLarge(slots, count * sizeof(uint64_t));
}

DateStoreMap::ChunkPtr DateStoreMap::NewChunk(size_t count) {
    auto* nodes = static_cast<Node*>(AllocateLarge(count * sizeof(Node)));
    std::uninitialized_value_construct_n(nodes, count); // Node's construction does not throw
    return ChunkPtr(nodes, ChunkDeleter{count});
}

DateStoreMap::IndexPtr DateStoreMap::NewIndex(size_t count) {
    auto* slots = static_cast<uint64_t*>(AllocateLarge(count * sizeof(uint64_t)));
    std::uninitialized_value_construct_n(slots, count);
    return IndexPtr(slots, IndexDeleter{count});
}

DateStoreMap::DateStoreMap() = default;

DateStoreMap::~DateStoreMap() {
    RemoveAll();
}

DateStoreMap::DateStoreMap(DateStoreMap&& other) noexcept {
    *this = std::move(other);
}

DateStoreMap& DateStoreMap::operator=(DateStoreMap&& other) noexcept {
    if (this != &other) {
        RemoveAll();
        m_pHashTable = std::move(other.m_pHashTable);
        m_nCount = std::exchange(other.m_nCount, 0);
        m_pFreeList = std::exchange(other.m_pFreeList, nullptr);
        m_chunks = std::move(other.m_chunks);
        m_groups = std::move(other.m_groups);
        for (uint32_t b = 0; b < kHashTableSize; ++b) {
            m_supply[b] = std::exchange(other.m_supply[b], Supply());
        }
        m_nBlockCount = std::exchange(other.m_nBlockCount, 0);
        m_nFreshLeft = std::exchange(other.m_nFreshLeft, 0);
        m_nReserve = std::exchange(other.m_nReserve, 0);
        m_pIndex = std::move(other.m_pIndex);
        m_nIndexBits = std::exchange(other.m_nIndexBits, 0);
        other.m_chunks.clear();
        other.m_groups.clear();
    }
    return *this;
}

int DateStoreMap::GetCount() const {
    return m_nCount;
}

DateStoreMap::Node* DateStoreMap::NodeAt(uint64_t slotValue) const {
    const auto number = static_cast<uint32_t>(slotValue) - 1;
    return m_groups[number / kGroupSize] + number % kGroupSize;
}

size_t DateStoreMap::HomeSlot(uint32_t indexHash) const {
    return static_cast<size_t>(indexHash >> (32 - m_nIndexBits));
}

size_t DateStoreMap::FindSlot(NameKeyView name, uint32_t indexHash) const {
    const size_t mask = (size_t{1} << m_nIndexBits) - 1;
    for (size_t slot = HomeSlot(indexHash);; slot = (slot + 1) & mask) {
        const uint64_t value = m_pIndex[slot];
        if (value == 0 || (SlotHash(value) == indexHash && NodeAt(value)->key.View() == name)) {
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
    IndexPtr old = std::move(m_pIndex);
    m_pIndex = NewIndex(size_t{1} << bits); // all slots empty
    m_nIndexBits = bits;
    const size_t mask = (size_t{1} << bits) - 1;
    for (size_t i = 0; i < oldSize; ++i) {
        if (const uint64_t value = old[i]; value != 0) {
            size_t slot = HomeSlot(SlotHash(value));
            while (m_pIndex[slot] != 0) {
                slot = (slot + 1) & mask;
            }
            m_pIndex[slot] = value;
        }
    }
}

// Removal without tombstones: later entries of the probe run move back into the gap when their
// home slot allows it.
void DateStoreMap::EraseSlot(size_t slot) {
    const size_t mask = (size_t{1} << m_nIndexBits) - 1;
    size_t gap = slot;
    for (size_t next = (gap + 1) & mask; m_pIndex[next] != 0; next = (next + 1) & mask) {
        const size_t home = HomeSlot(SlotHash(m_pIndex[next]));
        if (((next - home) & mask) >= ((next - gap) & mask)) {
            m_pIndex[gap] = m_pIndex[next];
            gap = next;
        }
    }
    m_pIndex[gap] = 0;
}

void DateStoreMap::Prefetch(NameKeyView name) const {
    if (m_pIndex) {
        __builtin_prefetch(&m_pIndex[HomeSlot(IndexHash(name))]);
    }
}

bool DateStoreMap::Lookup(NameKeyView name, VXDateStore& record) const {
    if (!m_pHashTable || !m_pIndex) {
        return false;
    }
    const uint64_t value = m_pIndex[FindSlot(name, IndexHash(name))];
    if (value == 0) {
        return false;
    }
    record = NodeAt(value)->value;
    return true;
}

void DateStoreMap::AddChunkFor(uint32_t bucket) {
    Supply& supply = m_supply[bucket];
    const size_t nodes = std::clamp(supply.nLastChunk * 2, kGroupSize, kMaxChunkNodes);
    m_chunks.push_back(NewChunk(nodes));
    Node* chunk = m_chunks.back().get();
    const size_t firstNumber = m_groups.size() * kGroupSize;
    for (size_t i = 0; i < nodes; ++i) {
        chunk[i].nNumber = static_cast<uint32_t>(firstNumber + i);
    }
    for (size_t i = 0; i < nodes; i += kGroupSize) {
        m_groups.push_back(chunk + i);
    }
    supply.pNext = chunk;
    supply.pEnd = chunk + nodes;
    supply.nLastChunk = nodes;
}

DateStoreMap::Node* DateStoreMap::NewNode(uint32_t bucket) {
    Node* node = m_pFreeList;
    if (node != nullptr) {
        m_pFreeList = node->pNext;
    } else {
        if (m_nFreshLeft == 0) {
            ++m_nBlockCount;
            m_nFreshLeft = m_nBlockSize;
        }
        --m_nFreshLeft;
        if (m_supply[bucket].pNext == m_supply[bucket].pEnd) {
            AddChunkFor(bucket);
        }
        node = m_supply[bucket].pNext++;
    }
    ++m_nCount;
    node->pNext = nullptr;
    node->pPrev = nullptr;
    node->value = VXDateStore();
    return node;
}

void DateStoreMap::FreeNode(Node* node) {
    node->key.Clear();
    node->value = VXDateStore();
    node->pPrev = nullptr;
    node->pNext = m_pFreeList;
    m_pFreeList = node;
    --m_nCount;
}

void DateStoreMap::SetAt(NameKeyView name, const VXDateStore& record) {
    const uint32_t indexHash = IndexHash(name);
    if (m_pIndex) {
        if (const uint64_t found = m_pIndex[FindSlot(name, indexHash)]; found != 0) {
            NodeAt(found)->value = record;
            return;
        }
    }
    if (!m_pHashTable) {
        m_pHashTable = std::make_unique<Node*[]>(m_nHashTableSize); // all heads null
    }
    GrowIndexFor(std::max(static_cast<size_t>(m_nCount) + 1, m_nReserve));
    const uint32_t bucket = HashKey(name) % m_nHashTableSize;
    Node* node = NewNode(bucket);
    node->key.Assign(name);
    node->nHashValue = bucket;
    node->pNext = m_pHashTable[bucket];
    if (node->pNext != nullptr) {
        node->pNext->pPrev = node;
    }
    m_pHashTable[bucket] = node;
    m_pIndex[FindSlot(name, indexHash)] = SlotValue(indexHash, node->nNumber);
    node->value = record;
}

bool DateStoreMap::RemoveKey(NameKeyView name) {
    if (!m_pHashTable || !m_pIndex) {
        return false;
    }
    const size_t slot = FindSlot(name, IndexHash(name));
    if (m_pIndex[slot] == 0) {
        return false;
    }
    Node* node = NodeAt(m_pIndex[slot]);
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
    m_groups.clear();
    m_chunks.clear(); // destroys every node with its key and value
    for (Supply& supply : m_supply) {
        supply = Supply();
    }
    m_nBlockCount = 0;
    m_nFreshLeft = 0;
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

void DateStoreMap::GetNextAssoc(Position& pos, NameKey& name, VXDateStore& record) const {
    const Node* node = pos;
    name.Assign(node->key.View());
    record = node->value;
    pos = node->pNext != nullptr ? node->pNext : FirstInBucketsFrom(node->nHashValue + 1);
}

DateStoreMap::Entry DateStoreMap::Iterator::operator*() const {
    return Entry{m_pos->key.View(), m_pos->value};
}

DateStoreMap::Iterator& DateStoreMap::Iterator::operator++() {
    m_pos =
        m_pos->pNext != nullptr ? m_pos->pNext : m_map->FirstInBucketsFrom(m_pos->nHashValue + 1);
    return *this;
}
