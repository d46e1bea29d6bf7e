#pragma once
// A workbook file read whole into memory: its worksheets by name, in order, each a sparse table
// of cells holding a number or a text. Opening picks the reader by the file's first bytes: a zip
// archive is an Office Open XML workbook (.xlsx), an OLE compound file a BIFF5 or BIFF8 workbook
// (.xls). A file of neither kind, or a damaged one, raises EWorkbookError.
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/rtl/Exceptions.h"

KV_EXCEPTION_CLASS(EWorkbookError, Exception)

struct TWorkbookCell {
    bool IsText = false;
    double Number = 0;
    std::string Text;
};

// Cells by (row, column), both from 1.
using TWorksheetCells = std::map<std::pair<int, int>, TWorkbookCell>;

struct TWorksheet {
    std::string Name;
    TWorksheetCells Cells;
};

class TWorkbook {
public:
    std::vector<TWorksheet> Sheets;
    // The sheet of that name (letter case ignored), or null.
    const TWorksheet* SheetNamed(const std::string& name) const;
};

// EFOpenError when the file cannot be opened.
std::unique_ptr<TWorkbook> OpenWorkbook(const std::string& fileName);

// The two readers, each given the whole file.
std::unique_ptr<TWorkbook> ReadXlsxWorkbook(std::string bytes);
std::unique_ptr<TWorkbook> ReadXlsWorkbook(const std::string& fileName);

// "B12" or "$B$12" as (row 12, column 2); false for anything else.
bool ParseCellReference(const std::string& text, int& row, int& column);
