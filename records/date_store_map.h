#pragma once
// Name-keyed store of birth records: a chained hash table of 17 buckets whose iteration
// order (buckets 0..16, each chain from its most recent insertion) is what files and the
// export of all records show. Names are 8-bit Windows-1252 strings compared byte for byte.
#include <string>

#include "records/vx_date_store.h"

class DateStoreMap {
public:
    struct Node;
    using Position = const Node*; // nullptr: no further entry

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

    Position GetStartPosition() const;
    void GetNextAssoc(Position& pos, std::string& name, VXDateStore& record) const;

    // (private representation: owned by the records library)
};
