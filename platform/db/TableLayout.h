#pragma once
// The shape of one table as the record store sees it: its columns in record order, each with its
// kind and, for a nested-table column, the shape of the child tables; and the indexes the store
// keeps ordered. A layout is built when a dataset is created and shared, unchanged, by every
// store of that shape (all child tables of one nested column share one layout).
#include <memory>
#include <string>
#include <vector>

enum TFieldType {
    ftUnknown,
    ftString,
    ftSmallint,
    ftInteger,
    ftFloat,
    ftDateTime,
    ftMemo,
    ftDataSet,
};

struct TTableLayout;

struct TColumnLayout {
    std::string Name;
    TFieldType DataType = ftUnknown;
    int Size = 0;  // characters of a string column
    bool Required = false;
    std::shared_ptr<const TTableLayout> Child;  // the child tables' shape of a nested column
};

struct TIndexLayout {
    std::string Name;
    std::vector<int> Columns;  // key columns in key order
    bool Unique = false;
    bool CaseInsensitive = false;
    bool Descending = false;  // for every key column
};

struct TTableLayout {
    std::vector<TColumnLayout> Columns;
    std::vector<TIndexLayout> Indexes;

    // Position of the column among the nested columns (its slot in a record's child tables),
    // or -1 for a column that is not nested.
    int NestedSlot(int column) const;
    int NestedCount() const;
};
