#pragma once
// An ordered set of record ids with positions: insert, erase, the position (rank) of a record
// and the record at a position, all in O(log n). It is a treap whose nodes are the record ids
// themselves (a record is at most once in an index), so the tree lives in a few flat arrays
// indexed by id and an insert allocates nothing once the arrays have grown.
//
// An index built at once from a sorted list (a file just loaded) stays that plain list, with
// each record's position beside it, until its first insert or erase turns it into the tree:
// a database that is only read never pays for the tree.
//
// The order is given by the caller's `less(a, b)` on record ids, which must be a strict total
// order (the store breaks key ties by id). The index keeps no pointer to its store, so a store
// can be copied with its indexes.
#include <cstdint>
#include <vector>

using TRecordId = int32_t;
inline constexpr TRecordId NoRecord = -1;

class TRecordIndex {
public:
    int Count() const {
        switch (FForm) {
            case TForm::List:
                return static_cast<int>(FSorted.size());
            case TForm::Identity:
                return FIdentityCount;
            default:
                return Size(FRoot);
        }
    }
    bool Contains(TRecordId id) const {
        switch (FForm) {
            case TForm::List:
                return id >= 0 && id < static_cast<TRecordId>(FRanks.size()) && FRanks[id] >= 0;
            case TForm::Identity:
                return id >= 0 && id < FIdentityCount;
            default:
                return id >= 0 && id < static_cast<TRecordId>(FNodes.size()) && FNodes[id].Size > 0;
        }
    }

    template <typename Less>
    void Insert(TRecordId id, Less less);
    void Erase(TRecordId id);
    void Clear();
    // Replaces the content with `sorted`, ids already in the index's order: a bulk load keeps
    // the list as it is instead of inserting record by record.
    void Build(std::vector<TRecordId> sorted);

    // 0-based position of a contained record.
    int RankOf(TRecordId id) const;
    // Record at a 0-based position (NoRecord outside 0..Count-1).
    TRecordId At(int rank) const;
    // Position of the first record for which `before(record)` is false, given that `before`
    // holds for a leading run of the order (Count when it holds for all).
    template <typename Before>
    int LowerBound(Before before) const;

private:
    struct TNode {
        TRecordId Left = NoRecord, Right = NoRecord, Parent = NoRecord;
        int32_t Size = 0;  // nodes in the subtree; 0 for an id that is not in the index
    };

    int Size(TRecordId id) const { return id == NoRecord ? 0 : FNodes[id].Size; }
    static uint32_t Priority(TRecordId id) {
        // A fixed mix of the id: deterministic, and ids in any order give a balanced tree.
        uint32_t x = static_cast<uint32_t>(id) * 0x9E3779B1u;
        x ^= x >> 15;
        x *= 0x85EBCA77u;
        x ^= x >> 13;
        return x;
    }
    void Resize(TRecordId id) {
        FNodes[id].Size = 1 + Size(FNodes[id].Left) + Size(FNodes[id].Right);
    }
    void RotateUp(TRecordId x);
    void Reserve(TRecordId count) {
        if (static_cast<TRecordId>(FNodes.size()) < count) FNodes.resize(count);
    }
    // The record at a position of a built list.
    TRecordId ListAt(int rank) const { return FForm == TForm::Identity ? rank : FSorted[rank]; }
    // Turns a built list into the tree before its first change.
    void MakeTree();

    std::vector<TNode> FNodes;
    TRecordId FRoot = NoRecord;
    // The tree; a built list (FSorted, with FRanks); or a built list of the ids 0 to
    // FIdentityCount - 1 in their own order (the insertion order of a file just read, and an
    // index the rows came in), which needs no arrays at all.
    enum class TForm : uint8_t { Tree, List, Identity };
    TForm FForm = TForm::Tree;
    std::vector<TRecordId> FSorted;  // List: the ids in order
    std::vector<int32_t> FRanks;     // List: position by id, -1 for an id not held
    int FIdentityCount = 0;
};

template <typename Less>
void TRecordIndex::Insert(TRecordId id, Less less) {
    if (FForm != TForm::Tree) MakeTree();
    Reserve(id + 1);
    TNode& node = FNodes[id];
    node = TNode{};
    node.Size = 1;
    if (FRoot == NoRecord) {
        FRoot = id;
        return;
    }
    TRecordId cur = FRoot;
    for (;;) {
        FNodes[cur].Size++;
        TRecordId& next = less(id, cur) ? FNodes[cur].Left : FNodes[cur].Right;
        if (next == NoRecord) {
            next = id;
            FNodes[id].Parent = cur;
            break;
        }
        cur = next;
    }
    while (FNodes[id].Parent != NoRecord && Priority(id) < Priority(FNodes[id].Parent))
        RotateUp(id);
}

template <typename Before>
int TRecordIndex::LowerBound(Before before) const {
    if (FForm != TForm::Tree) {
        int low = 0, high = Count();
        while (low < high) {
            const int mid = low + (high - low) / 2;
            if (before(ListAt(mid)))
                low = mid + 1;
            else
                high = mid;
        }
        return low;
    }
    int rank = 0;
    TRecordId cur = FRoot;
    while (cur != NoRecord) {
        if (before(cur)) {
            rank += Size(FNodes[cur].Left) + 1;
            cur = FNodes[cur].Right;
        } else {
            cur = FNodes[cur].Left;
        }
    }
    return rank;
}
