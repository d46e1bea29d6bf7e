#pragma once
// The per-point label texts of a series. The list may be shorter than the series (points added
// before the first label have no entry); a missing entry reads as an empty text.
#include <string>
#include <vector>

class TLabelsList {
public:
    int Count() const { return int(FItems.size()); }
    std::string Label(int index) const;
    // Pads with empty entries up to index; an empty text only empties an existing entry.
    void SetLabel(int index, const std::string& text);
    // Nothing for an empty text while the list is empty; otherwise pads up to index and inserts.
    void InsertLabel(int index, const std::string& text);
    void DeleteLabel(int index);
    // Removes the entries from index on, as far as they exist.
    void DeleteRange(int index, int quantity);
    void Exchange(int indexA, int indexB);
    // -1 when no label equals text (compared in upper case unless caseSensitive).
    int FindLabel(const std::string& text, bool caseSensitive = true) const;
    void Clear() { FItems.clear(); }
    void AssignLabels(const TLabelsList& source);

private:
    std::vector<std::string> FItems;
};
