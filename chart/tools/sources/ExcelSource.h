#pragma once
// The worksheet source: fills a series with the values, and optionally the point labels, of cell
// ranges of one worksheet of a workbook file (.xlsx or .xls), which it reads itself.
//
// Loading: the values range (RangeFrom..RangeTo, or the mandatory value list's ValueSource
// "B2:B9" when RangeFrom is empty) replaces the series' points: a single column is read top to
// bottom, anything wider along its first row. Every other value list whose ValueSource names a
// range takes that range's cells into its values, the first cell at point 0; cells past the last
// point are dropped. The labels range (both ends set) labels the points down its first column,
// growing the label list past the last point when longer. A range that loads no value (a
// reference that is no cell, or cells that are all empty) is a failure, reported before the
// series is touched. Empty cells inside a range count 0, and a text cell must read as a number.
#include <string>

#include "chart/tools/sources/SeriesSourceFile.h"
#include "platform/classes/Publisher.h"

class TTeeExcelSource : public TTeeSeriesSourceFile {
    KV_DECLARE_CLASS(TTeeExcelSource, TTeeSeriesSourceFile)
public:
    explicit TTeeExcelSource(TComponent* owner);
    ~TTeeExcelSource() override;

    static void Publish(TPublisher<TTeeExcelSource>& p);

    // Each setter closes the source when the value changes (the file name before storing).
    void SetFileName(const std::string& value) override;
    const std::string& LabelsFrom() const { return FLabelsFrom; }
    void SetLabelsFrom(const std::string& value);
    const std::string& LabelsTo() const { return FLabelsTo; }
    void SetLabelsTo(const std::string& value);
    const std::string& RangeFrom() const { return FRangeFrom; }
    void SetRangeFrom(const std::string& value);
    const std::string& RangeTo() const { return FRangeTo; }
    void SetRangeTo(const std::string& value);
    const std::string& WorkSheet() const { return FWorkSheet; }
    void SetWorkSheet(const std::string& value);

    // The names of the workbook's sheets, in order (the editor's list).
    std::vector<std::string> WorkSheetNames() const;

    static std::string KindCaption() { return "Excel"; }
    static std::string EditorFormClass() { return "TExcelSourceForm"; }

protected:
    // "Excel file empty" without a file name; the workbook's own errors otherwise.
    void LoadData() override;

private:
    void SetClosing(std::string& field, const std::string& value);

    std::string FLabelsFrom, FLabelsTo, FRangeFrom, FRangeTo, FWorkSheet;
};
