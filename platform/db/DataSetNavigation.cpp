// Moving the cursor: first, last, by a distance, to a record number, a bookmark or a search hit.
#include <algorithm>
#include <cmath>

#include "platform/db/DataSet.h"
#include "platform/rtl/StrUtils.h"

int TDataSet::RecordCount() const { return Active() ? InternalRecordCount() : 0; }

bool TDataSet::IsEmpty() const { return RecordCount() == 0 && FState != dsInsert; }

int TDataSet::CurrentPosition() const {
    return FCurrent == NoRecord ? -1 : InternalPositionOf(FCurrent);
}

int TDataSet::RecNo() const {
    if (FState == dsInsert || FState == dsInactive || FCurrent == NoRecord) return -1;
    return CurrentPosition() + 1;
}

void TDataSet::First() {
    CheckBrowseMode();
    FireEvent(BeforeScroll);
    FCurrent = InternalRecordAt(0);
    FBof = true;
    FEof = FCurrent == NoRecord;
    CurrentRecordChanged();
    DataEvent(deDataSetChange, 0);
    FireEvent(AfterScroll);
}

void TDataSet::Last() {
    CheckBrowseMode();
    FireEvent(BeforeScroll);
    const int count = InternalRecordCount();
    FCurrent = InternalRecordAt(count - 1);
    FEof = true;
    FBof = count == 0;
    CurrentRecordChanged();
    DataEvent(deDataSetChange, 0);
    FireEvent(AfterScroll);
}

int TDataSet::MoveBy(int distance) {
    CheckBrowseMode();
    FireEvent(BeforeScroll);
    if ((distance > 0 && FEof) || (distance < 0 && FBof) || distance == 0) return 0;
    FBof = FEof = false;
    const int count = InternalRecordCount();
    const int from = CurrentPosition();
    // Clamp in 64 bits: a distance near the integer limits must not wrap.
    int64_t to = static_cast<int64_t>(from) + distance;
    if (to >= count) {
        to = count - 1;
        FEof = true;
    }
    if (to < 0) {
        to = 0;
        FBof = true;
    }
    FCurrent = InternalRecordAt(static_cast<int>(to));
    const int moved = static_cast<int>(to) - from;
    CurrentRecordChanged();
    DataEvent(deDataSetScroll, moved);
    FireEvent(AfterScroll);
    return moved;
}

void TDataSet::SetRecNo(int recNo) {
    CheckBrowseMode();
    const int count = InternalRecordCount();
    if (count == 0) return;
    const TRecordId target = InternalRecordAt(std::clamp(recNo, 1, count) - 1);
    if (target != FCurrent) GotoRecord(target);
}

void TDataSet::GotoRecord(TRecordId id) {
    CheckBrowseMode();
    FireEvent(BeforeScroll);
    FCurrent = id;
    FBof = FEof = false;
    CurrentRecordChanged();
    DataEvent(deDataSetChange, 0);
    FireEvent(AfterScroll);
}

TBookmark TDataSet::GetBookmark() const { return FState == dsInsert ? NoRecord : FCurrent; }

bool TDataSet::BookmarkValid(TBookmark bookmark) const {
    return Active() && bookmark != NoRecord && InternalRecordExists(bookmark);
}

void TDataSet::GotoBookmark(TBookmark bookmark) {
    CheckActive();
    if (bookmark == NoRecord) return;  // taken where there was no record: nothing to go back to
    if (!BookmarkValid(bookmark)) throw EDatabaseError(SRecordNotFound);
    GotoRecord(bookmark);
}

namespace {

bool Matches(const TField* field, const TFieldValue& wanted, TLocateOptions options) {
    const TFieldValue& have = field->Value();
    if (IsNullValue(wanted) || IsNullValue(have)) return IsNullValue(wanted) && IsNullValue(have);
    if (field->DataType() == ftString || field->DataType() == ftMemo) {
        const std::string text = std::holds_alternative<std::string>(wanted)
                                     ? std::get<std::string>(wanted)
                                     : std::string{};
        const std::string& value = std::get<std::string>(have);
        const std::string_view head =
            (options & loPartialKey) ? std::string_view(value).substr(0, text.size()) : value;
        return (options & loCaseInsensitive) ? AnsiSameText(head, text) : head == text;
    }
    auto asDouble = [](const TFieldValue& v) {
        if (const auto* i = std::get_if<int32_t>(&v)) return static_cast<double>(*i);
        if (const auto* d = std::get_if<double>(&v)) return *d;
        return std::nan("");
    };
    return asDouble(have) == asDouble(wanted);
}

}  // namespace

bool TDataSet::Locate(const std::string& keyFields, const std::vector<TFieldValue>& values,
                      TLocateOptions options) {
    CheckBrowseMode();
    std::vector<TField*> fields;
    for (const std::string& name : SplitFieldNames(keyFields)) fields.push_back(FieldByName(name));
    if (fields.size() != values.size() || fields.empty()) return false;
    // Read each record through the fields with the cursor parked on it, then put it back: no
    // events fire until the hit (or nothing) is known.
    const TRecordId saved = FCurrent;
    TRecordId hit = NoRecord;
    const int count = InternalRecordCount();
    for (int pos = 0; pos < count && hit == NoRecord; ++pos) {
        FCurrent = InternalRecordAt(pos);
        bool all = true;
        for (size_t i = 0; i < fields.size() && all; ++i)
            all = Matches(fields[i], values[i], options);
        if (all) hit = FCurrent;
    }
    FCurrent = saved;
    if (hit == NoRecord) return false;
    GotoRecord(hit);
    return true;
}
