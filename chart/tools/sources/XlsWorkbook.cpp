// BIFF5 and BIFF8 workbooks through the FreeXL library, which decodes the OLE compound file and
// the records; every sheet is read into memory and the file closed again.
#include <freexl.h>

#include "chart/tools/sources/Workbook.h"

namespace {

// Closes the handle on every path.
struct TFreeXLHandle {
    const void* Handle = nullptr;
    ~TFreeXLHandle() {
        if (Handle) freexl_close(Handle);
    }
};

void Check(int result, const std::string& fileName) {
    if (result != FREEXL_OK)
        throw EWorkbookError("Cannot read the workbook " + fileName + " (error " +
                             std::to_string(result) + ")");
}

}  // namespace

std::unique_ptr<TWorkbook> ReadXlsWorkbook(const std::string& fileName) {
    TFreeXLHandle xls;
    Check(freexl_open(fileName.c_str(), &xls.Handle), fileName);
    unsigned int count = 0;
    Check(freexl_get_info(xls.Handle, FREEXL_BIFF_SHEET_COUNT, &count), fileName);
    auto book = std::make_unique<TWorkbook>();
    for (unsigned int index = 0; index < count && index < 65535; ++index) {
        TWorksheet sheet;
        const char* name = nullptr;
        Check(freexl_get_worksheet_name(xls.Handle, (unsigned short)index, &name), fileName);
        sheet.Name = name ? name : "";
        Check(freexl_select_active_worksheet(xls.Handle, (unsigned short)index), fileName);
        unsigned int rows = 0;
        unsigned short columns = 0;
        Check(freexl_worksheet_dimensions(xls.Handle, &rows, &columns), fileName);
        for (unsigned int r = 0; r < rows; ++r)
            for (unsigned short c = 0; c < columns; ++c) {
                FreeXL_CellValue value;
                Check(freexl_get_cell_value(xls.Handle, r, c, &value), fileName);
                TWorkbookCell cell;
                switch (value.type) {
                    case FREEXL_CELL_INT:
                        cell.Number = value.value.int_value;
                        break;
                    case FREEXL_CELL_DOUBLE:
                        cell.Number = value.value.double_value;
                        break;
                    case FREEXL_CELL_NULL:
                        continue;
                    default:  // texts, and dates and times as FreeXL writes them
                        cell.IsText = true;
                        cell.Text = value.value.text_value ? value.value.text_value : "";
                        break;
                }
                sheet.Cells[{int(r) + 1, int(c) + 1}] = std::move(cell);
            }
        book->Sheets.push_back(std::move(sheet));
    }
    return book;
}
