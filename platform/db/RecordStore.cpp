#include "platform/db/RecordStore.h"

#include <algorithm>
#include <cassert>

#include "platform/db/DBConsts.h"
#include "platform/rtl/StrUtils.h"

int TTableLayout::NestedSlot(int column) const {
    if (Columns[column].DataType != ftDataSet) return -1;
    int slot = 0;
    for (int c = 0; c < column; ++c)
        if (Columns[c].DataType == ftDataSet) ++slot;
    return slot;
}

int TTableLayout::NestedCount() const {
    int n = 0;
    for (const TColumnLayout& c : Columns)
        if (c.DataType == ftDataSet) ++n;
    return n;
}

namespace {

// Null sorts before every value; two nulls are equal (so a unique index holds one null key).
int CompareValue(const TFieldValue& a, const TFieldValue& b, bool caseInsensitive) {
    const bool an = IsNullValue(a), bn = IsNullValue(b);
    if (an || bn) return an == bn ? 0 : (an ? -1 : 1);
    if (const auto* ai = std::get_if<int32_t>(&a)) {
        const int32_t bi = std::get<int32_t>(b);
        return (*ai > bi) - (*ai < bi);
    }
    if (const auto* ad = std::get_if<double>(&a)) {
        const double bd = std::get<double>(b);
        return (*ad > bd) - (*ad < bd);
    }
    const std::string& as = std::get<std::string>(a);
    const std::string& bs = std::get<std::string>(b);
    const int c = caseInsensitive ? AnsiCompareText(as, bs) : as.compare(bs);
    return (c > 0) - (c < 0);
}

// Key of `rec` (a full record) against `key` (key values in key order) on `count` key columns.
int CompareKeyToRecord(const TIndexLayout& index, const TFieldValue* key, const TFieldValue* rec,
                       int count) {
    for (int k = 0; k < count; ++k) {
        int c = CompareValue(key[k], rec[index.Columns[k]], index.CaseInsensitive);
        if (c != 0) return index.Descending ? -c : c;
    }
    return 0;
}

int CompareRecords(const TIndexLayout& index, const TFieldValue* a, const TFieldValue* b) {
    for (int col : index.Columns) {
        int c = CompareValue(a[col], b[col], index.CaseInsensitive);
        if (c != 0) return index.Descending ? -c : c;
    }
    return 0;
}

}  // namespace

TRecordStore::TRecordStore(std::shared_ptr<const TTableLayout> layout)
    : FLayout(std::move(layout)),
      FColumnCount(static_cast<int>(FLayout->Columns.size())),
      FNestedCount(FLayout->NestedCount()),
      FOrders(FLayout->Indexes.size() + 1) {}

TRecordStore::TRecordStore(const TRecordStore& other)
    : FLayout(other.FLayout),
      FColumnCount(other.FColumnCount),
      FNestedCount(other.FNestedCount),
      FValues(other.FValues),
      FLive(other.FLive),
      FOrders(other.FOrders) {
    FChildren.reserve(other.FChildren.size());
    for (const auto& child : other.FChildren)
        FChildren.push_back(child ? std::make_unique<TRecordStore>(*child) : nullptr);
}

TRecordStore::~TRecordStore() = default;

TRecordStore& TRecordStore::Child(TRecordId id, int column) {
    assert(IsLive(id) && "child table of a removed record");
    const int slot = FLayout->NestedSlot(column);
    assert(slot >= 0 && "child table of a column that is not nested");
    auto& child = FChildren[static_cast<size_t>(id) * FNestedCount + slot];
    if (!child) child = std::make_unique<TRecordStore>(FLayout->Columns[column].Child);
    return *child;
}

const TRecordStore* TRecordStore::FindChild(TRecordId id, int column) const {
    const int slot = FLayout->NestedSlot(column);
    if (!IsLive(id) || slot < 0) return nullptr;
    return FChildren[static_cast<size_t>(id) * FNestedCount + slot].get();
}

void TRecordStore::ReplaceChild(TRecordId id, int column, std::unique_ptr<TRecordStore> child) {
    const int slot = FLayout->NestedSlot(column);
    assert(IsLive(id) && slot >= 0);
    FChildren[static_cast<size_t>(id) * FNestedCount + slot] = std::move(child);
}

void TRecordStore::CheckUnique(const TFieldValue* values, TRecordId except) const {
    if (FindDuplicate(values, except) != NoRecord) throw EDatabaseError(SKeyViolation);
}

TRecordId TRecordStore::FindDuplicate(const TFieldValue* values, TRecordId except) const {
    for (size_t i = 0; i < FLayout->Indexes.size(); ++i) {
        const TIndexLayout& index = FLayout->Indexes[i];
        if (!index.Unique) continue;
        const TRecordIndex& order = FOrders[i + 1];
        const int first = order.LowerBound(
            [&](TRecordId id) { return CompareRecords(index, Values(id), values) < 0; });
        // At most one record (besides `except`) can share the key.
        for (int pos = first; pos < first + 2; ++pos) {
            const TRecordId id = order.At(pos);
            if (id == NoRecord || CompareRecords(index, Values(id), values) != 0) break;
            if (id != except) return id;
        }
    }
    return NoRecord;
}

TRecordId TRecordStore::Store(std::vector<TFieldValue>* moved, const TFieldValue* copied) {
    const TFieldValue* values = moved ? moved->data() : copied;
    assert(!moved || static_cast<int>(moved->size()) == FColumnCount);
    CheckUnique(values, NoRecord);
    const TRecordId id = IdLimit();
    if (moved)
        FValues.insert(FValues.end(), std::make_move_iterator(moved->begin()),
                       std::make_move_iterator(moved->end()));
    else
        FValues.insert(FValues.end(), copied, copied + FColumnCount);
    FLive.push_back(1);
    FChildren.resize(FChildren.size() + FNestedCount);
    Link(id);
    return id;
}

TRecordId TRecordStore::AppendRaw(std::vector<TFieldValue>&& values) {
    return Store(&values, nullptr);
}

TRecordId TRecordStore::Add(const TFieldValue* values) { return Store(nullptr, values); }

void TRecordStore::ReserveRecords(int count) {
    FValues.reserve(FValues.size() + static_cast<size_t>(count) * FColumnCount);
    FLive.reserve(FLive.size() + count);
    FChildren.reserve(FChildren.size() + static_cast<size_t>(count) * FNestedCount);
}

TRecordId TRecordStore::AppendUnindexed(std::vector<TFieldValue>&& values) {
    assert(static_cast<int>(values.size()) == FColumnCount);
    const TRecordId id = IdLimit();
    FValues.insert(FValues.end(), std::make_move_iterator(values.begin()),
                   std::make_move_iterator(values.end()));
    FLive.push_back(1);
    FChildren.resize(FChildren.size() + FNestedCount);
    return id;
}

bool TRecordStore::SortNumericKeys(const TIndexLayout& index, std::vector<TRecordId>& ids,
                                   bool& duplicate) const {
    for (int col : index.Columns)
        if (FLayout->Columns[col].DataType == ftString || FLayout->Columns[col].DataType == ftMemo)
            return false;
    // Each record's key as plain numbers, two per key column (0 for null, which sorts first, or
    // 1 and the value), so that the sort compares doubles instead of stored values.
    const size_t width = 2 * index.Columns.size();
    std::vector<double> keys(ids.size() * width);
    std::vector<uint32_t> order(ids.size());
    for (size_t r = 0; r < ids.size(); ++r) {
        order[r] = static_cast<uint32_t>(r);
        const TFieldValue* values = Values(ids[r]);
        for (size_t k = 0; k < index.Columns.size(); ++k) {
            const TFieldValue& v = values[index.Columns[k]];
            double* slot = &keys[r * width + 2 * k];
            if (const auto* d = std::get_if<double>(&v))
                slot[0] = 1, slot[1] = *d;
            else if (const auto* i = std::get_if<int32_t>(&v))
                slot[0] = 1, slot[1] = *i;
        }
    }
    auto less = [&](uint32_t a, uint32_t b) {
        const double* x = &keys[a * width];
        const double* y = &keys[b * width];
        for (size_t k = 0; k < width; ++k)
            if (x[k] != y[k]) return index.Descending ? x[k] > y[k] : x[k] < y[k];
        return ids[a] < ids[b];
    };
    if (!std::is_sorted(order.begin(), order.end(), less)) {
        std::sort(order.begin(), order.end(), less);
        std::vector<TRecordId> sorted(ids.size());
        for (size_t r = 0; r < ids.size(); ++r) sorted[r] = ids[order[r]];
        ids.swap(sorted);
    }
    for (size_t r = 1; r < order.size() && !duplicate; ++r)
        duplicate = std::equal(&keys[order[r - 1] * width], &keys[order[r - 1] * width] + width,
                               &keys[order[r] * width]);
    return true;
}

void TRecordStore::BuildIndexes() {
    std::vector<TRecordId> ids;
    ids.reserve(FLive.size());
    ForEachRecord([&](TRecordId id) { ids.push_back(id); });
    FOrders[0].Build(ids);
    std::vector<TRecordId> sorted;
    for (size_t i = 0; i < FLayout->Indexes.size(); ++i) {
        const TIndexLayout& index = FLayout->Indexes[i];
        // Key ties are broken by id, as Link does.
        auto less = [&](TRecordId a, TRecordId b) {
            const int c = CompareRecords(index, Values(a), Values(b));
            return c != 0 ? c < 0 : a < b;
        };
        sorted = ids;
        bool duplicate = false;
        if (!SortNumericKeys(index, sorted, duplicate)) {
            if (!std::is_sorted(sorted.begin(), sorted.end(), less))
                std::sort(sorted.begin(), sorted.end(), less);
            for (size_t k = 1; k < sorted.size() && !duplicate; ++k)
                duplicate = CompareRecords(index, Values(sorted[k - 1]), Values(sorted[k])) == 0;
        }
        if (duplicate && index.Unique) {
            Clear();
            throw EDatabaseError(SKeyViolation);
        }
        FOrders[i + 1].Build(sorted);
    }
}

void TRecordStore::Update(TRecordId id, const TFieldValue* values) {
    assert(IsLive(id));
    CheckUnique(values, id);
    Unlink(id);
    std::copy(values, values + FColumnCount, FValues.begin() + Offset(id));
    Link(id);
}

void TRecordStore::Remove(TRecordId id) {
    assert(IsLive(id));
    Unlink(id);
    FLive[id] = 0;
    for (int c = 0; c < FColumnCount; ++c) FValues[Offset(id) + c] = TFieldValue{};
    for (int s = 0; s < FNestedCount; ++s)
        FChildren[static_cast<size_t>(id) * FNestedCount + s].reset();
}

void TRecordStore::Clear() {
    FValues.clear();
    FLive.clear();
    FChildren.clear();
    for (TRecordIndex& order : FOrders) order.Clear();
}

void TRecordStore::Link(TRecordId id) {
    FOrders[0].Insert(id, [](TRecordId a, TRecordId b) { return a < b; });
    for (size_t i = 0; i < FLayout->Indexes.size(); ++i) {
        const TIndexLayout& index = FLayout->Indexes[i];
        // Equal keys (a non-unique index) keep their insertion order.
        FOrders[i + 1].Insert(id, [&](TRecordId a, TRecordId b) {
            const int c = CompareRecords(index, Values(a), Values(b));
            return c != 0 ? c < 0 : a < b;
        });
    }
}

void TRecordStore::Unlink(TRecordId id) {
    for (size_t i = 1; i < FOrders.size(); ++i) FOrders[i].Erase(id);
    if (!FOrders.empty()) FOrders[0].Erase(id);
}

int TRecordStore::LowerBound(int order, const TFieldValue* key, int keyCount) const {
    const TIndexLayout& index = FLayout->Indexes[order - 1];
    return FOrders[order].LowerBound(
        [&](TRecordId id) { return CompareKeyToRecord(index, key, Values(id), keyCount) > 0; });
}

int TRecordStore::CompareKey(int order, const TFieldValue* key, int keyCount, TRecordId id) const {
    return CompareKeyToRecord(FLayout->Indexes[order - 1], key, Values(id), keyCount);
}
