// The record store's orders: key comparisons on the compact records, keeping the indexes in
// order record by record, and building them at once after a bulk load.
#include <algorithm>
#include <bit>
#include <cassert>
#include <cmath>
#include <utility>

#include "platform/db/DBConsts.h"
#include "platform/db/RecordStore.h"
#include "platform/rtl/StrUtils.h"

namespace {

template <typename T>
int Compare(T a, T b) {
    return (a > b) - (a < b);
}

// Floats order totally: a NaN (which a file can hold) sorts after every number and equals every
// other NaN, so an index stays a strict order and a unique index holds one NaN at most.
int Compare(double a, double b) {
    const bool aNaN = std::isnan(a), bNaN = std::isnan(b);
    if (aNaN || bNaN) return int(aNaN) - int(bNaN);
    return (a > b) - (a < b);
}

int CompareText(std::string_view a, std::string_view b, bool caseInsensitive) {
    const int c = caseInsensitive ? AnsiCompareText(a, b) : a.compare(b);
    return (c > 0) - (c < 0);
}

// Order-preserving images of the numeric key values as unsigned integers, so that a key sorts
// as a tuple of integers: 0 is null (before every value), a value maps above it.
uint64_t IntImage(int32_t v) { return uint64_t(uint32_t(v) ^ 0x80000000u) + 1; }

uint64_t FloatImage(double v) {
    if (std::isnan(v)) return ~uint64_t(0);  // every NaN is one key, after +infinity
    if (v == 0) v = 0.0;                     // -0 equals +0
    const uint64_t bits = std::bit_cast<uint64_t>(v);
    const uint64_t image = (bits >> 63) ? ~bits : bits | (uint64_t(1) << 63);
    return image;
}

// Stable LSD radix sort of `order` (indexes into `keys`, `width` images per row) by the images
// in key order. A column the order already follows needs no pass (a stable sort by it would
// change nothing: rows stored by one key and indexed by its columns swapped sort by one column),
// nor does a byte that every row shares (a small integer costs one pass).
void RadixSort(std::vector<uint32_t>& order, const std::vector<uint64_t>& keys, size_t width) {
    std::vector<uint32_t> scratch(order.size());
    for (size_t k = width; k-- > 0;) {
        auto key = [&](uint32_t r) { return keys[r * width + k]; };
        bool inOrder = true;
        uint64_t common = ~uint64_t(0), any = 0;  // bits set in every key, in some key
        for (size_t i = 0; i < order.size(); ++i) {
            const uint64_t v = key(order[i]);
            common &= v, any |= v;
            inOrder = inOrder && (i == 0 || key(order[i - 1]) <= v);
        }
        if (inOrder) continue;
        const uint64_t varying = common ^ any;
        for (int shift = 0; shift < 64; shift += 8) {
            if (((varying >> shift) & 255) == 0) continue;
            size_t count[256] = {};
            for (uint32_t r : order) ++count[(key(r) >> shift) & 255];
            size_t sum = 0;
            for (size_t& c : count) sum += std::exchange(c, sum);
            for (uint32_t r : order) scratch[count[(key(r) >> shift) & 255]++] = r;
            order.swap(scratch);
        }
    }
}

}  // namespace

int TRecordStore::CompareRows(const TIndexLayout& index, const uint8_t* a, const uint8_t* b) const {
    for (int col : index.Columns) {
        const bool av = HasValue(a, col), bv = HasValue(b, col);
        int c;
        if (!av || !bv) {
            c = av == bv ? 0 : (av ? 1 : -1);
        } else {
            switch (FSlots[col].Kind) {
                case TSlotKind::Int:
                    c = Compare(Slot<int32_t>(a, col), Slot<int32_t>(b, col));
                    break;
                case TSlotKind::Float:
                    c = Compare(Slot<double>(a, col), Slot<double>(b, col));
                    break;
                case TSlotKind::Text:
                    c = CompareText(Text(a, col), Text(b, col), index.CaseInsensitive);
                    break;
                default:
                    c = 0;
            }
        }
        if (c != 0) return index.Descending ? -c : c;
    }
    return 0;
}

int TRecordStore::CompareValueToRow(const TFieldValue& key, const uint8_t* row, int column,
                                    bool caseInsensitive) const {
    const bool kv = !IsNullValue(key), rv = HasValue(row, column);
    if (!kv || !rv) return kv == rv ? 0 : (kv ? 1 : -1);
    switch (FSlots[column].Kind) {
        case TSlotKind::Int:
            if (const auto* i = std::get_if<int32_t>(&key))
                return Compare(*i, Slot<int32_t>(row, column));
            break;
        case TSlotKind::Float: {
            const double r = Slot<double>(row, column);
            if (const auto* d = std::get_if<double>(&key)) return Compare(*d, r);
            if (const auto* i = std::get_if<int32_t>(&key)) return Compare(double(*i), r);
            break;
        }
        case TSlotKind::Text:
            if (const auto* s = std::get_if<std::string>(&key))
                return CompareText(*s, Text(row, column), caseInsensitive);
            break;
        default:
            return 0;
    }
    assert(false && "a key value of another kind than its column");
    return 0;
}

int TRecordStore::CompareKeyToRow(const TIndexLayout& index, const TFieldValue* key, int count,
                                  const uint8_t* row) const {
    for (int k = 0; k < count; ++k) {
        const int c = CompareValueToRow(key[k], row, index.Columns[k], index.CaseInsensitive);
        if (c != 0) return index.Descending ? -c : c;
    }
    return 0;
}

int TRecordStore::CompareValuesToRow(const TIndexLayout& index, const TFieldValue* values,
                                     const uint8_t* row) const {
    for (int col : index.Columns) {
        const int c = CompareValueToRow(values[col], row, col, index.CaseInsensitive);
        if (c != 0) return index.Descending ? -c : c;
    }
    return 0;
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
            [&](TRecordId id) { return CompareValuesToRow(index, values, Row(id)) > 0; });
        // At most one record (besides `except`) can share the key.
        for (int pos = first; pos < first + 2; ++pos) {
            const TRecordId id = order.At(pos);
            if (id == NoRecord || CompareValuesToRow(index, values, Row(id)) != 0) break;
            if (id != except) return id;
        }
    }
    return NoRecord;
}

void TRecordStore::Link(TRecordId id) {
    FOrders[0].Insert(id, [](TRecordId a, TRecordId b) { return a < b; });
    for (size_t i = 0; i < FLayout->Indexes.size(); ++i) {
        const TIndexLayout& index = FLayout->Indexes[i];
        // Equal keys (a non-unique index) keep their insertion order.
        FOrders[i + 1].Insert(id, [&](TRecordId a, TRecordId b) {
            const int c = CompareRows(index, Row(a), Row(b));
            return c != 0 ? c < 0 : a < b;
        });
    }
}

void TRecordStore::Unlink(TRecordId id) {
    for (size_t i = 1; i < FOrders.size(); ++i) FOrders[i].Erase(id);
    if (!FOrders.empty()) FOrders[0].Erase(id);
}

bool TRecordStore::SortNumericKeys(const TIndexLayout& index, std::vector<TRecordId>& ids,
                                   bool& duplicate) const {
    for (int col : index.Columns)
        if (FSlots[col].Kind == TSlotKind::Text) return false;
    // Each record's key as a tuple of order-preserving integers (inverted for a descending
    // index), so that a sort by them, stable on the ids, is the index's order.
    const size_t n = ids.size(), width = index.Columns.size();
    const uint64_t flip = index.Descending ? ~uint64_t(0) : 0;
    std::vector<uint64_t> keys(n * width);
    // -1, 0 or 1 as the key of row a is below, equal to or above that of row b.
    auto compare = [&](size_t a, size_t b) {
        for (size_t k = 0; k < width; ++k) {
            const uint64_t x = keys[a * width + k], y = keys[b * width + k];
            if (x != y) return x < y ? -1 : 1;
        }
        return 0;
    };
    // The keys row by row (a record's key columns share its cache lines), checking on the way
    // whether the rows already come in key order.
    bool sorted = true;
    for (size_t r = 0; r < n; ++r) {
        const uint8_t* row = Row(ids[r]);
        for (size_t k = 0; k < width; ++k) {
            const int col = index.Columns[k];
            uint64_t image = 0;
            if (HasValue(row, col))
                image = FSlots[col].Kind == TSlotKind::Int ? IntImage(Slot<int32_t>(row, col))
                                                           : FloatImage(Slot<double>(row, col));
            keys[r * width + k] = image ^ flip;
        }
        if (r > 0 && sorted) {
            const int c = compare(r - 1, r);
            sorted = c <= 0;
            duplicate = duplicate || c == 0;
        }
    }
    if (sorted) return true;
    std::vector<uint32_t> order(n);
    for (size_t r = 0; r < n; ++r) order[r] = static_cast<uint32_t>(r);
    RadixSort(order, keys, width);
    std::vector<TRecordId> byKey(n);
    for (size_t r = 0; r < n; ++r) byKey[r] = ids[order[r]];
    ids.swap(byKey);
    duplicate = false;
    for (size_t r = 1; r < n && !duplicate; ++r) duplicate = compare(order[r - 1], order[r]) == 0;
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
        sorted = ids;
        bool duplicate = false;
        if (!SortNumericKeys(index, sorted, duplicate)) {
            // Key ties are broken by id, as Link does.
            auto less = [&](TRecordId a, TRecordId b) {
                const int c = CompareRows(index, Row(a), Row(b));
                return c != 0 ? c < 0 : a < b;
            };
            if (!std::is_sorted(sorted.begin(), sorted.end(), less))
                std::sort(sorted.begin(), sorted.end(), less);
            for (size_t k = 1; k < sorted.size() && !duplicate; ++k)
                duplicate = CompareRows(index, Row(sorted[k - 1]), Row(sorted[k])) == 0;
        }
        if (duplicate && index.Unique) {
            Clear();
            throw EDatabaseError(SKeyViolation);
        }
        FOrders[i + 1].Build(std::move(sorted));
    }
}

int TRecordStore::LowerBound(int order, const TFieldValue* key, int keyCount) const {
    const TIndexLayout& index = FLayout->Indexes[order - 1];
    return FOrders[order].LowerBound(
        [&](TRecordId id) { return CompareKeyToRow(index, key, keyCount, Row(id)) > 0; });
}

int TRecordStore::CompareKey(int order, const TFieldValue* key, int keyCount, TRecordId id) const {
    return CompareKeyToRow(FLayout->Indexes[order - 1], key, keyCount, Row(id));
}
