#pragma once
// Name-keyed store of birth records: a chained hash table of 17 buckets whose iteration
// order (buckets 0..16, each chain from its most recent insertion) is what files and the
// export of all records show. Names are keys (records/name_key.h): Windows-1252 bytes or
// UTF-16 units, compared exactly.
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "records/name_key.h"
#include "records/vx_date_store.h"

// The string hash that decides a name's bucket, in unsigned 32-bit arithmetic: h = h * 33 + b
// over an 8-bit key's bytes taken as signed chars, or h = h * 33 + u over a wide key's
// UTF-16 units taken as unsigned 16-bit values.
uint32_t HashKey(NameKeyView key);

class DateStoreMap {
  public:
    struct Node;
    using Position = const Node*; // nullptr: no further entry

    static constexpr uint32_t kHashTableSize = 17;
    static constexpr int kBlockSize = 10;

    DateStoreMap();
    ~DateStoreMap();
    DateStoreMap(const DateStoreMap&) = delete;
    DateStoreMap& operator=(const DateStoreMap&) = delete;
    DateStoreMap(DateStoreMap&& other) noexcept;
    DateStoreMap& operator=(DateStoreMap&& other) noexcept;

    int GetCount() const;
    bool IsEmpty() const { return GetCount() == 0; }
    bool Lookup(NameKeyView name, VXDateStore& record) const;
    void SetAt(NameKeyView name, const VXDateStore& record);
    bool RemoveKey(NameKeyView name);
    void RemoveAll();
    // Prepares for this many entries: the name index is sized for them at once. No effect on
    // order or on the memory state below.
    void Reserve(size_t count) { m_nReserve = count; }

    // A hint that the name is about to be set or looked up: starts fetching the part of the
    // name index it will touch, so that a caller with entries queued hides that memory access.
    void Prefetch(NameKeyView name) const;

    Position GetStartPosition() const;
    void GetNextAssoc(Position& pos, NameKey& name, VXDateStore& record) const;

    // One stored entry as a range-for over the store sees it.
    struct Entry {
        NameKeyView name;
        const VXDateStore& record;
    };
    // Walks the entries in the iteration order of GetStartPosition/GetNextAssoc.
    class Iterator {
      public:
        using iterator_category = std::input_iterator_tag;
        using value_type = Entry;
        using difference_type = std::ptrdiff_t;

        Iterator() = default;
        Entry operator*() const;
        Iterator& operator++();
        Iterator operator++(int) {
            Iterator old = *this;
            ++*this;
            return old;
        }
        bool operator==(const Iterator& other) const { return m_pos == other.m_pos; }

      private:
        friend class DateStoreMap;
        Iterator(const DateStoreMap* map, Position pos) : m_map(map), m_pos(pos) {}
        const DateStoreMap* m_map = nullptr;
        Position m_pos = nullptr;
    };
    Iterator begin() const { return Iterator(this, GetStartPosition()); }
    Iterator end() const { return Iterator(this, nullptr); }

    // Inspection of the memory state: whether a bucket table is held, how large the name index
    // is, and how many blocks of ten nodes have been taken since the store was last empty.
    bool HasHashTable() const { return m_pHashTable != nullptr; }
    // Slots of the name index (0 while there is none).
    size_t GetIndexSlots() const { return m_pIndex ? size_t{1} << m_nIndexBits : 0; }
    size_t GetBlockCount() const { return m_nBlockCount; }

  private:
    // Node chunks and the name index are allocated by hand (the index of a large store in huge
    // pages where offered), so their owners carry the element count.
    struct ChunkDeleter {
        size_t count;
        void operator()(Node* nodes) const;
    };
    struct IndexDeleter {
        size_t count;
        void operator()(uint64_t* slots) const;
    };
    using ChunkPtr = std::unique_ptr<Node[], ChunkDeleter>;
    using IndexPtr = std::unique_ptr<uint64_t[], IndexDeleter>;
    static ChunkPtr NewChunk(size_t count);
    static IndexPtr NewIndex(size_t count);

    Node* NewNode(uint32_t bucket);
    void FreeNode(Node* node);
    void AddChunkFor(uint32_t bucket);
    Node* NodeAt(uint64_t slotValue) const;
    Position FirstInBucketsFrom(uint32_t bucket) const;

    // The name index: open addressing with linear probing over a power-of-two table that is
    // at most half full. A slot holds the name's 32-bit index hash and its node's number, so
    // that probing compares names only where the hashes agree. FindSlot returns the slot
    // holding the name, or the empty slot where it would go.
    size_t FindSlot(NameKeyView name, uint32_t indexHash) const;
    size_t HomeSlot(uint32_t indexHash) const;
    void GrowIndexFor(size_t count);
    void EraseSlot(size_t slot);

    // Chain heads, one per bucket; absent while the store is empty.
    std::unique_ptr<Node*[]> m_pHashTable;
    uint32_t m_nHashTableSize = kHashTableSize;
    int m_nCount = 0;
    Node* m_pFreeList = nullptr;
    // Node memory: fresh nodes come from chunks of their own bucket, one after another, so that
    // walking a chain reads memory in order. Blocks of ten are counted as they are opened (the
    // nodes of an open block not yet handed out stand for its part of the free list); recycled
    // nodes on m_pFreeList go first. m_groups holds the first node of every ten in the chunks.
    struct Supply {
        Node* pNext = nullptr;
        Node* pEnd = nullptr;
        size_t nLastChunk = 0; // nodes in the bucket's last chunk
    };
    std::vector<ChunkPtr> m_chunks;
    std::vector<Node*> m_groups;
    Supply m_supply[kHashTableSize];
    size_t m_nBlockCount = 0;
    int m_nFreshLeft = 0; // nodes of the open block not yet handed out
    int m_nBlockSize = kBlockSize;
    size_t m_nReserve = 0;
    // Absent while the store is empty.
    IndexPtr m_pIndex;
    uint32_t m_nIndexBits = 0;
};
