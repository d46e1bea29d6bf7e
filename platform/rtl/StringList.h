#pragma once
// TStringList: the stored list of lines, optionally kept sorted, with change events.
#include <vector>

#include "platform/rtl/Strings.h"

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList;
// < 0, 0 or > 0 as the line at index1 sorts before, with or after the one at index2.
using TStringListSortCompare = std::function<int(TStringList& list, int index1, int index2)>;

inline constexpr const char* SDuplicateString = "String list does not allow duplicates";
inline constexpr const char* SSortedListError = "Operation not allowed on sorted list";

class TStringList : public TStrings {
public:
    TStringList() = default;

    int Count() const override { return int(FItems.size()); }
    std::string Get(int index) const override { return Strings(index); }
    void Put(int index, const std::string& s) override;
    TObject* GetObject(int index) const override;
    void PutObject(int index, TObject* object) override;
    void InsertObject(int index, const std::string& s, TObject* object) override;
    void Delete(int index) override;
    void Clear() override;
    int AddObject(const std::string& s, TObject* object) override;
    int IndexOf(const std::string& s) const override;

    // Direct access without a copy.
    const std::string& Strings(int index) const;
    const std::string& operator[](int index) const { return Strings(index); }

    // Binary search of a sorted list: true when s is there, index is its position or the place
    // where it would be inserted. The first of equal lines is found.
    bool Find(const std::string& s, int& index) const;
    // Sorts an unsorted list (a sorted one already is); stable for equal lines.
    void Sort();
    // Sorts by compare, whatever Sorted says; compare sees the list as it was before the sort.
    void CustomSort(const TStringListSortCompare& compare);

    bool Sorted() const { return FSorted; }
    // Turning sorting on sorts the list. While sorted, Insert and Put raise EListError.
    void SetSorted(bool value);
    TDuplicates Duplicates() const { return FDuplicates; }
    void SetDuplicates(TDuplicates value) { FDuplicates = value; }
    // Off by default: lines compare without regard to case (Latin letters included). On, they
    // compare by code point.
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool value);
    int CompareStrings(const std::string& a, const std::string& b) const override;

    // Fired around every change made outside BeginUpdate/EndUpdate. Inside an update OnChanging
    // fires before the first change and OnChange once when the last EndUpdate closes it, and only
    // if something changed.
    TStringsNotifyEvent OnChanging;
    TStringsNotifyEvent OnChange;

protected:
    void SetUpdateState(bool updating) override;
    void Changing();
    void Changed();

private:
    struct TStringItem {
        std::string FString;
        TObject* FObject = nullptr;
    };

    void CheckIndex(int index, int count) const;
    void CheckUnsorted() const;

    std::vector<TStringItem> FItems;
    bool FSorted = false;
    bool FCaseSensitive = false;
    TDuplicates FDuplicates = dupIgnore;
    bool FChangedInUpdate = false;
};
