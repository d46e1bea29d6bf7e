#include "platform/db/RecordStore.h"

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
