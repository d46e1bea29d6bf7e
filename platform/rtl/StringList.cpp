#include "platform/rtl/StringList.h"

#include <algorithm>
#include <numeric>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StrUtils.h"

void TStringList::CheckIndex(int index, int count) const {
    if (index < 0 || index >= count) Error(SListIndexError, index);
}

void TStringList::CheckUnsorted() const {
    if (FSorted) throw EListError(SSortedListError);
}

void TStringList::Changing() {
    if (UpdateCount() == 0) {
        if (OnChanging) OnChanging(this);
    } else if (!FChangedInUpdate) {
        FChangedInUpdate = true;
        if (OnChanging) OnChanging(this);
    }
}

void TStringList::Changed() {
    if (UpdateCount() == 0 && OnChange) OnChange(this);
}

void TStringList::SetUpdateState(bool updating) {
    if (updating) {
        FChangedInUpdate = false;
    } else if (FChangedInUpdate) {
        FChangedInUpdate = false;
        Changed();
    }
}

const std::string& TStringList::Strings(int index) const {
    CheckIndex(index, Count());
    return FItems[size_t(index)].FString;
}

TObject* TStringList::GetObject(int index) const {
    CheckIndex(index, Count());
    return FItems[size_t(index)].FObject;
}

void TStringList::Put(int index, const std::string& s) {
    CheckUnsorted();
    CheckIndex(index, Count());
    Changing();
    FItems[size_t(index)].FString = s;
    Changed();
}

void TStringList::PutObject(int index, TObject* object) {
    CheckIndex(index, Count());
    Changing();
    FItems[size_t(index)].FObject = object;
    Changed();
}

void TStringList::InsertObject(int index, const std::string& s, TObject* object) {
    CheckUnsorted();
    CheckIndex(index, Count() + 1);  // inserting at Count appends
    Changing();
    FItems.insert(FItems.begin() + index, TStringItem{s, object});
    Changed();
}

void TStringList::Delete(int index) {
    CheckIndex(index, Count());
    Changing();
    FItems.erase(FItems.begin() + index);
    Changed();
}

void TStringList::Clear() {
    if (FItems.empty()) return;
    Changing();
    FItems.clear();
    Changed();
}

int TStringList::AddObject(const std::string& s, TObject* object) {
    if (!FSorted) return TStrings::AddObject(s, object);
    int index;
    if (Find(s, index)) {
        if (FDuplicates == dupIgnore) return index;
        if (FDuplicates == dupError) throw EListError(SDuplicateString);
    }
    Changing();
    FItems.insert(FItems.begin() + index, TStringItem{s, object});
    Changed();
    return index;
}

int TStringList::CompareStrings(const std::string& a, const std::string& b) const {
    return FCaseSensitive ? CompareStr(a, b) : AnsiCompareText(a, b);
}

bool TStringList::Find(const std::string& s, int& index) const {
    const auto it = std::lower_bound(FItems.begin(), FItems.end(), s,
                                     [this](const TStringItem& item, const std::string& key) {
                                         return CompareStrings(item.FString, key) < 0;
                                     });
    index = int(it - FItems.begin());
    return it != FItems.end() && CompareStrings(it->FString, s) == 0;
}

int TStringList::IndexOf(const std::string& s) const {
    if (!FSorted) return TStrings::IndexOf(s);
    int index;
    return Find(s, index) ? index : -1;
}

void TStringList::Sort() {
    if (FSorted || FItems.size() < 2) return;
    Changing();
    std::stable_sort(FItems.begin(), FItems.end(),
                     [this](const TStringItem& a, const TStringItem& b) {
                         return CompareStrings(a.FString, b.FString) < 0;
                     });
    Changed();
}

void TStringList::CustomSort(const TStringListSortCompare& compare) {
    if (FItems.size() < 2) return;
    // Sort an order of indices while the list stays as compare expects it, then apply it; a
    // compare that throws leaves the list untouched.
    std::vector<int> order(FItems.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return compare(*this, a, b) < 0; });
    Changing();
    std::vector<TStringItem> sorted;
    sorted.reserve(FItems.size());
    for (int i : order) sorted.push_back(std::move(FItems[size_t(i)]));
    FItems = std::move(sorted);
    Changed();
}

void TStringList::SetSorted(bool value) {
    if (value == FSorted) return;
    if (value) Sort();
    FSorted = value;
}

void TStringList::SetCaseSensitive(bool value) {
    if (value == FCaseSensitive) return;
    FCaseSensitive = value;
    if (FSorted) {  // the order depends on the comparison
        FSorted = false;
        Sort();
        FSorted = true;
    }
}
