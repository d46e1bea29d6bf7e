#pragma once
// Field definitions: the physical columns of a dataset (name, kind, size, required, and for a
// nested-table column the definitions of its child columns). A dataset with persistent fields
// derives them from its fields when it is created; one without fields creates its fields from
// them.
#include <memory>
#include <string>
#include <vector>

#include "platform/db/TableLayout.h"

class TFieldDefs;

class TFieldDef {
public:
    TFieldDef(std::string name, TFieldType dataType, int size, bool required);
    ~TFieldDef();

    const std::string& Name() const { return FName; }
    void SetName(std::string v) { FName = std::move(v); }
    TFieldType DataType() const { return FDataType; }
    void SetDataType(TFieldType v) { FDataType = v; }
    int Size() const { return FSize; }
    void SetSize(int v) { FSize = v; }
    bool Required() const { return FRequired; }
    void SetRequired(bool v) { FRequired = v; }
    // Position among its siblings.
    int FieldNo() const { return FFieldNo; }
    // The child columns of a nested-table column.
    TFieldDefs& ChildDefs();
    const TFieldDefs* FindChildDefs() const { return FChildDefs.get(); }

private:
    friend class TFieldDefs;
    std::string FName;
    TFieldType FDataType;
    int FSize;
    bool FRequired;
    int FFieldNo = 0;
    std::unique_ptr<TFieldDefs> FChildDefs;
};

class TFieldDefs {
public:
    TFieldDefs();
    ~TFieldDefs();
    TFieldDefs(const TFieldDefs&) = delete;
    TFieldDefs& operator=(const TFieldDefs&) = delete;

    int Count() const { return static_cast<int>(FItems.size()); }
    TFieldDef& Items(int i) const { return *FItems[i]; }
    TFieldDef& Add(std::string name, TFieldType dataType, int size = 0, bool required = false);
    void Clear() { FItems.clear(); }
    // The definitions are rebuilt whenever the dataset is created, so there is nothing to
    // refresh; kept for code that asks for current definitions before reading them.
    void Update() {}
    // Case-insensitive lookup; IndexOf answers -1, Find raises "Field 'x' not found".
    int IndexOf(const std::string& name) const;
    TFieldDef& Find(const std::string& name) const;

private:
    std::vector<std::unique_ptr<TFieldDef>> FItems;
};

enum TIndexOption { ixPrimary = 1, ixUnique = 2, ixDescending = 4, ixCaseInsensitive = 8 };
using TIndexOptions = unsigned;

// A named index over one or more fields ("A;B"), its options applying to all of them.
class TIndexDef {
public:
    TIndexDef(std::string name, std::string fields, TIndexOptions options)
        : FName(std::move(name)), FFields(std::move(fields)), FOptions(options) {}

    const std::string& Name() const { return FName; }
    void SetName(std::string v) { FName = std::move(v); }
    const std::string& Fields() const { return FFields; }
    void SetFields(std::string v) { FFields = std::move(v); }
    TIndexOptions Options() const { return FOptions; }
    void SetOptions(TIndexOptions v) { FOptions = v; }

private:
    std::string FName;
    std::string FFields;
    TIndexOptions FOptions;
};

class TIndexDefs {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    TIndexDef& Items(int i) { return FItems[i]; }
    const TIndexDef& Items(int i) const { return FItems[i]; }
    TIndexDef& Add(std::string name, std::string fields, TIndexOptions options = 0);
    void Clear() { FItems.clear(); }
    // Case-insensitive lookup by name, -1 when there is none.
    int IndexOf(const std::string& name) const;

private:
    std::vector<TIndexDef> FItems;
};

// The names of a field list "A;B;C" (blanks around names dropped, empty names skipped).
std::vector<std::string> SplitFieldNames(const std::string& names);
