#pragma once
// Small helpers of the routines that read the workbench's tables: whether a table can be read, a
// count that must fit its array, and the walk over a table with its controls suspended.
#include <cstdint>

#include "platform/db/DataSet.h"
#include "platform/rtl/Exceptions.h"

// A table that is there and open.
inline bool IsOpen(const TDataSet* table) { return table && table->Active(); }

// A row count that fills an array whose last index is `limit`; a larger one is the range error
// that stops the load (the arrays cannot hold it).
inline uint8_t CheckedCount(int count, int limit) {
    if (count > limit) RaiseRangeError();
    return static_cast<uint8_t>(count);
}

// Suspends the table's controls for a walk over its rows and resumes them on every path out of
// it; with `returnToRow` the table goes back to the row it stood on before.
class TTableWalk {
public:
    TTableWalk(TDataSet& table, bool returnToRow)
        : FTable(table), FRow(returnToRow ? table.RecNo() : -1) {
        FTable.DisableControls();
    }
    ~TTableWalk() {
        try {
            if (FRow >= 1) FTable.SetRecNo(FRow);
        } catch (...) {
            // Moving back within a table just read cannot fail for a reason worth more than
            // the error that may be unwinding; the controls are resumed in any case.
        }
        FTable.EnableControls();
    }
    TTableWalk(const TTableWalk&) = delete;
    TTableWalk& operator=(const TTableWalk&) = delete;

private:
    TDataSet& FTable;
    int FRow;
};
