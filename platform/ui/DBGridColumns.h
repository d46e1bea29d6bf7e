#pragma once
// The columns of a data grid: which field each shows, with its title, alignment, width, colour,
// read-only and visible flags. A grid without columns of its own shows every visible field with
// default columns. Every change tells the grid, which lays itself out again.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/graphics/Colors.h"
#include "platform/ui/Label.h"

class TField;
class TDBGridColumns;

class TColumnTitle {
public:
    explicit TColumnTitle(std::function<void()> changed) : FChanged(std::move(changed)) {}
    // The caption set, or the field's display label when none was.
    const std::string& Caption() const;
    void SetCaption(const std::string& v);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment v);

private:
    friend class TColumn;
    friend class TDBGridColumns;
    std::function<void()> FChanged;
    const TField* FField = nullptr;
    std::string FCaption;
    TAlignment FAlignment = taLeftJustify;
};

class TColumn {
public:
    static constexpr int DefaultWidth = 64;

    explicit TColumn(TDBGridColumns& owner);
    TColumn(const TColumn&) = delete;
    TColumn& operator=(const TColumn&) = delete;

    const std::string& FieldName() const { return FFieldName; }
    void SetFieldName(const std::string& v);
    // The field of the grid's open dataset, or null.
    TField* Field() const { return FField; }
    TColumnTitle* Title() { return &FTitle; }
    const TColumnTitle* Title() const { return &FTitle; }
    // Right for numbers unless set.
    TAlignment Alignment() const;
    void SetAlignment(TAlignment v);
    int Width() const { return FWidth; }
    void SetWidth(int v);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool v);
    // The grid's colour unless set.
    TColor Color() const;
    void SetColor(TColor v);
    bool Visible() const { return FVisible; }
    void SetVisible(bool v);
    int Index() const;

private:
    friend class TDBGridColumns;
    void Changed();

    TDBGridColumns& FOwner;
    TColumnTitle FTitle;
    std::string FFieldName;
    TField* FField = nullptr;
    bool FAlignmentSet = false;
    TAlignment FAlignment = taLeftJustify;
    int FWidth = DefaultWidth;
    bool FReadOnly = false;
    bool FColorSet = false;
    TColor FColor = clWindow;
    bool FVisible = true;
};

class TDBGridColumns {
public:
    explicit TDBGridColumns(std::function<void()> changed) : FChanged(std::move(changed)) {}

    int Count() const { return int(FItems.size()); }
    TColumn* Items(int index) const { return FItems.at(size_t(index)).get(); }
    TColumn* operator[](int index) const { return Items(index); }
    TColumn* Add();
    void Delete(int index);
    void Clear();
    // Several changes lay the grid out once.
    void BeginUpdate() { ++FUpdating; }
    void EndUpdate();
    // Columns the grid made for every field because none were added.
    bool Default() const { return FDefault; }

private:
    friend class TColumn;
    friend class TDBGrid;
    void Changed();
    // Finds each column's field in the fields (null without a dataset); a grid with no columns
    // of its own gets one per visible field.
    void Bind(const std::vector<TField*>& fields);
    int IndexOf(const TColumn* column) const;

    std::function<void()> FChanged;
    TColor FGridColor = clWindow;
    std::vector<std::unique_ptr<TColumn>> FItems;
    int FUpdating = 0;
    bool FDefault = false;
};
