#include "chart/engine/LabelsList.h"

#include <algorithm>

#include "platform/rtl/StrUtils.h"

std::string TLabelsList::Label(int index) const {
    return index >= 0 && index < Count() ? FItems[size_t(index)] : std::string();
}

void TLabelsList::SetLabel(int index, const std::string& text) {
    if (index < 0) return;
    if (text.empty()) {
        if (index < Count()) FItems[size_t(index)].clear();
        return;
    }
    if (index >= Count()) FItems.resize(size_t(index) + 1);
    FItems[size_t(index)] = text;
}

void TLabelsList::InsertLabel(int index, const std::string& text) {
    if (index < 0 || (text.empty() && FItems.empty())) return;
    if (index > Count()) FItems.resize(size_t(index));
    FItems.insert(FItems.begin() + index, text);
}

void TLabelsList::DeleteLabel(int index) { DeleteRange(index, 1); }

void TLabelsList::DeleteRange(int index, int quantity) {
    if (index < 0 || index >= Count() || quantity <= 0) return;
    const int last = std::min(Count(), index + quantity);
    FItems.erase(FItems.begin() + index, FItems.begin() + last);
}

void TLabelsList::Exchange(int indexA, int indexB) {
    // A missing entry counts as empty, so the shorter side is padded first.
    if (FItems.empty()) return;
    const int needed = std::max(indexA, indexB) + 1;
    if (needed > Count()) FItems.resize(size_t(needed));
    std::swap(FItems[size_t(indexA)], FItems[size_t(indexB)]);
}

int TLabelsList::FindLabel(const std::string& text, bool caseSensitive) const {
    const std::string wanted = caseSensitive ? text : UpperCase(text);
    for (int i = 0; i < Count(); ++i)
        if ((caseSensitive ? FItems[size_t(i)] : UpperCase(FItems[size_t(i)])) == wanted) return i;
    return -1;
}

void TLabelsList::AssignLabels(const TLabelsList& source) {
    Clear();
    for (int i = 0; i < source.Count(); ++i) InsertLabel(i, source.FItems[size_t(i)]);
}
