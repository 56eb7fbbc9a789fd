#pragma once
// Name-keyed store of birth records: a chained hash table of 17 buckets whose iteration
// order (buckets 0..16, each chain from its most recent insertion) is what files and the
// export of all records show. Names are 8-bit Windows-1252 strings compared byte for byte.
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "records/vx_date_store.h"

// The string hash that decides a name's bucket: h = h * 33 + b over the bytes taken as
// signed chars, in unsigned 32-bit arithmetic.
uint32_t HashKey(std::string_view key);

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
    bool Lookup(const std::string& name, VXDateStore& record) const;
    void SetAt(const std::string& name, const VXDateStore& record);
    bool RemoveKey(const std::string& name);
    void RemoveAll();
    // Prepares the lookup index for this many entries (no effect on order or memory state).
    void Reserve(size_t count) { m_index.reserve(count); }

    Position GetStartPosition() const;
    void GetNextAssoc(Position& pos, std::string& name, VXDateStore& record) const;

    // One stored entry as a range-for over the store sees it (the name in Windows-1252).
    struct Entry {
        const std::string& name;
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

    // Inspection of the memory state: whether a bucket table and node blocks are held.
    bool HasHashTable() const { return m_pHashTable != nullptr; }
    size_t GetBlockCount() const { return m_blocks.size(); }

  private:
    Node* NewNode();
    void FreeNode(Node* node);
    Position FirstInBucketsFrom(uint32_t bucket) const;

    // Chain heads, one per bucket; absent while the store is empty.
    std::unique_ptr<Node*[]> m_pHashTable;
    uint32_t m_nHashTableSize = kHashTableSize;
    int m_nCount = 0;
    Node* m_pFreeList = nullptr;
    std::vector<std::unique_ptr<Node[]>> m_blocks;
    int m_nBlockSize = kBlockSize;
    // Finds a name's node without walking its chain; the views point into the nodes' keys.
    std::unordered_map<std::string_view, Node*> m_index;
};
