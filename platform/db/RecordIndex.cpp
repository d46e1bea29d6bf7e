#include "platform/db/RecordIndex.h"

#include <algorithm>
#include <cassert>

void TRecordIndex::RotateUp(TRecordId x) {
    const TRecordId p = FNodes[x].Parent;
    const TRecordId g = FNodes[p].Parent;
    if (FNodes[p].Left == x) {
        FNodes[p].Left = FNodes[x].Right;
        if (FNodes[x].Right != NoRecord) FNodes[FNodes[x].Right].Parent = p;
        FNodes[x].Right = p;
    } else {
        FNodes[p].Right = FNodes[x].Left;
        if (FNodes[x].Left != NoRecord) FNodes[FNodes[x].Left].Parent = p;
        FNodes[x].Left = p;
    }
    FNodes[p].Parent = x;
    FNodes[x].Parent = g;
    if (g == NoRecord)
        FRoot = x;
    else if (FNodes[g].Left == p)
        FNodes[g].Left = x;
    else
        FNodes[g].Right = x;
    Resize(p);
    Resize(x);
}

void TRecordIndex::Erase(TRecordId id) {
    assert(Contains(id) && "erasing a record that is not in the index");
    if (FForm != TForm::Tree) MakeTree();
    // Rotate the node down to a leaf, then cut it off and shrink the path above it.
    for (;;) {
        const TNode& n = FNodes[id];
        if (n.Left == NoRecord && n.Right == NoRecord) break;
        TRecordId child;
        if (n.Left == NoRecord)
            child = n.Right;
        else if (n.Right == NoRecord)
            child = n.Left;
        else
            child = Priority(n.Left) < Priority(n.Right) ? n.Left : n.Right;
        RotateUp(child);
    }
    const TRecordId parent = FNodes[id].Parent;
    if (parent == NoRecord) {
        FRoot = NoRecord;
    } else {
        if (FNodes[parent].Left == id)
            FNodes[parent].Left = NoRecord;
        else
            FNodes[parent].Right = NoRecord;
        for (TRecordId q = parent; q != NoRecord; q = FNodes[q].Parent) FNodes[q].Size--;
    }
    FNodes[id] = TNode{};
}

void TRecordIndex::Build(std::vector<TRecordId> sorted) {
    Clear();
    TRecordId limit = 0;
    for (TRecordId id : sorted) limit = std::max(limit, id + 1);
    const int count = static_cast<int>(sorted.size());
    if (limit == count) {
        bool identity = true;
        for (int pos = 0; pos < count && identity; ++pos) identity = sorted[pos] == pos;
        if (identity) {
            FForm = TForm::Identity;
            FIdentityCount = count;
            return;
        }
    }
    FRanks.assign(static_cast<size_t>(limit), -1);
    for (int pos = 0; pos < count; ++pos) FRanks[sorted[pos]] = pos;
    FSorted = std::move(sorted);
    FForm = TForm::List;
}

void TRecordIndex::MakeTree() {
    std::vector<TRecordId> sorted = std::move(FSorted);
    if (FForm == TForm::Identity) {
        sorted.resize(static_cast<size_t>(FIdentityCount));
        for (int pos = 0; pos < FIdentityCount; ++pos) sorted[pos] = pos;
    }
    Clear();
    TRecordId limit = 0;
    for (TRecordId id : sorted) limit = std::max(limit, id + 1);
    FNodes.resize(static_cast<size_t>(limit));
    // The treap of a sorted sequence is its Cartesian tree by priority: keep the right spine of
    // the tree built so far; a new id takes over the spine's tail of higher priority values as
    // its left subtree and becomes the spine's new end. A subtree holds a run of consecutive
    // positions, so a node's size is known when it leaves the spine (its run ends just before
    // the newcomer) or at the end; until then its Size holds the position where its run starts.
    std::vector<TRecordId> spine;
    const int count = static_cast<int>(sorted.size());
    for (int pos = 0; pos < count; ++pos) {
        const TRecordId id = sorted[pos];
        const uint32_t priority = Priority(id);
        TRecordId left = NoRecord;
        while (!spine.empty() && Priority(spine.back()) > priority) {
            left = spine.back();
            spine.pop_back();
            FNodes[left].Size = pos - FNodes[left].Size;
        }
        TNode& node = FNodes[id];
        node.Left = left;
        node.Size = left != NoRecord ? pos - FNodes[left].Size : pos;
        if (left != NoRecord) FNodes[left].Parent = id;
        if (!spine.empty()) {
            FNodes[spine.back()].Right = id;
            node.Parent = spine.back();
        }
        spine.push_back(id);
    }
    for (TRecordId id : spine) FNodes[id].Size = count - FNodes[id].Size;
    FRoot = spine.empty() ? NoRecord : spine.front();
}

void TRecordIndex::Clear() {
    FNodes.clear();
    FRoot = NoRecord;
    FForm = TForm::Tree;
    FSorted.clear();
    FRanks.clear();
    FIdentityCount = 0;
}

int TRecordIndex::RankOf(TRecordId id) const {
    assert(Contains(id) && "rank of a record that is not in the index");
    if (FForm != TForm::Tree) return FForm == TForm::List ? FRanks[id] : id;
    int rank = Size(FNodes[id].Left);
    for (TRecordId x = id, p = FNodes[id].Parent; p != NoRecord; x = p, p = FNodes[p].Parent)
        if (FNodes[p].Right == x) rank += Size(FNodes[p].Left) + 1;
    return rank;
}

TRecordId TRecordIndex::At(int rank) const {
    if (rank < 0 || rank >= Count()) return NoRecord;
    if (FForm != TForm::Tree) return ListAt(rank);
    TRecordId cur = FRoot;
    for (;;) {
        const int left = Size(FNodes[cur].Left);
        if (rank < left) {
            cur = FNodes[cur].Left;
        } else if (rank == left) {
            return cur;
        } else {
            rank -= left + 1;
            cur = FNodes[cur].Right;
        }
    }
}
