#include "chart/tools/sources/ExcelSource.h"

#include <vector>

#include "chart/engine/ChartSeries.h"
#include "chart/engine/ChartValueList.h"
#include "chart/tools/sources/Workbook.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/NumberText.h"

namespace {

// The cells of a range as the rows and columns of a block, the first at [0][0].
using TCellBlock = std::vector<std::vector<const TWorkbookCell*>>;

std::string RangeText(const std::string& from, const std::string& to) {
    std::string text = from;
    text.append(":").append(to);
    return text;
}

TCellBlock BlockOf(const TWorksheet& sheet, const std::string& from, const std::string& to) {
    int r0, c0, r1, c1;
    if (!ParseCellReference(from, r0, c0) || !ParseCellReference(to, r1, c1))
        throw ChartException("Range " + RangeText(from, to) + " is not a range of cells");
    if (r1 < r0) std::swap(r0, r1);
    if (c1 < c0) std::swap(c0, c1);
    if (int64_t(r1 - r0 + 1) * (c1 - c0 + 1) > 10000000)
        throw ChartException("Range " + RangeText(from, to) + " is too large");
    TCellBlock block(size_t(r1 - r0 + 1), std::vector<const TWorkbookCell*>(size_t(c1 - c0 + 1)));
    bool any = false;
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c)
            if (auto it = sheet.Cells.find({r, c}); it != sheet.Cells.end()) {
                block[size_t(r - r0)][size_t(c - c0)] = &it->second;
                any = true;
            }
    if (!any) throw ChartException("Range " + RangeText(from, to) + " holds no values");
    return block;
}

// One column top to bottom, otherwise the first row left to right.
std::vector<const TWorkbookCell*> LineOf(const TCellBlock& block) {
    if (block.front().size() == 1) {
        std::vector<const TWorkbookCell*> column;
        for (const auto& row : block) column.push_back(row.front());
        return column;
    }
    return block.front();
}

double NumberOf(const TWorkbookCell* cell) {
    if (!cell) return 0;
    if (!cell->IsText) return cell->Number;
    return double(StrToFloat(cell->Text));
}

std::string TextOf(const TWorkbookCell* cell) {
    if (!cell) return {};
    return cell->IsText ? cell->Text : FloatToStr(cell->Number);
}

void SplitRange(const std::string& text, std::string& from, std::string& to) {
    const size_t colon = text.find(':');
    if (colon == std::string::npos) return;
    from = text.substr(0, colon);
    to = text.substr(colon + 1);
}

}  // namespace

TTeeExcelSource::TTeeExcelSource(TComponent* owner) : TTeeSeriesSourceFile(owner) {}

TTeeExcelSource::~TTeeExcelSource() = default;

void TTeeExcelSource::Publish(TPublisher<TTeeExcelSource>& p) {
    using S = TTeeExcelSource;
    p.Boolean("Active", &S::Active, &S::SetActive).Default(false);
    p.String("FileName", &S::FileName, &S::SetFileName);
    p.String("LabelsFrom", &S::LabelsFrom, &S::SetLabelsFrom);
    p.String("LabelsTo", &S::LabelsTo, &S::SetLabelsTo);
    p.String("RangeFrom", &S::RangeFrom, &S::SetRangeFrom);
    p.String("RangeTo", &S::RangeTo, &S::SetRangeTo);
    p.String("WorkSheet", &S::WorkSheet, &S::SetWorkSheet);
}

void TTeeExcelSource::SetClosing(std::string& field, const std::string& value) {
    if (value == field) return;
    field = value;
    Deactivate();
}

void TTeeExcelSource::SetFileName(const std::string& value) {
    if (value == FileName()) return;
    Deactivate();
    TTeeSeriesSourceFile::SetFileName(value);
}

void TTeeExcelSource::SetLabelsFrom(const std::string& value) { SetClosing(FLabelsFrom, value); }
void TTeeExcelSource::SetLabelsTo(const std::string& value) { SetClosing(FLabelsTo, value); }
void TTeeExcelSource::SetRangeFrom(const std::string& value) { SetClosing(FRangeFrom, value); }
void TTeeExcelSource::SetRangeTo(const std::string& value) { SetClosing(FRangeTo, value); }
void TTeeExcelSource::SetWorkSheet(const std::string& value) { SetClosing(FWorkSheet, value); }

std::vector<std::string> TTeeExcelSource::WorkSheetNames() const {
    if (FileName().empty()) throw Exception("Excel file empty");
    std::vector<std::string> names;
    const std::unique_ptr<TWorkbook> book = OpenWorkbook(FileName());
    for (const TWorksheet& sheet : book->Sheets) names.push_back(sheet.Name);
    return names;
}

void TTeeExcelSource::LoadData() {
    if (FileName().empty()) throw Exception("Excel file empty");
    const std::unique_ptr<TWorkbook> book = OpenWorkbook(FileName());
    const TWorksheet* sheet = book->SheetNamed(FWorkSheet);
    if (!sheet) throw ChartException("Worksheet " + FWorkSheet + " not found in " + FileName());
    TChartSeries* series = Series();
    if (!series) return;
    if (FRangeFrom.empty())
        SplitRange(series->MandatoryValueList().ValueSource(), FRangeFrom, FRangeTo);

    // Every range is read and converted before the series changes, so a failure leaves it whole.
    std::vector<double> values;
    for (const TWorkbookCell* cell : LineOf(BlockOf(*sheet, FRangeFrom, FRangeTo)))
        values.push_back(NumberOf(cell));
    struct TExtra {
        TChartValueList* List;
        std::vector<double> Values;
    };
    std::vector<TExtra> extras;
    for (TChartValueList* list : series->ValueLists()) {
        if (list == &series->MandatoryValueList()) continue;
        std::string from, to;
        SplitRange(list->ValueSource(), from, to);
        if (from.empty() || to.empty()) continue;
        TExtra extra{list, {}};
        for (const TWorkbookCell* cell : LineOf(BlockOf(*sheet, from, to)))
            extra.Values.push_back(NumberOf(cell));
        extras.push_back(std::move(extra));
    }
    std::vector<std::string> labels;
    if (!FLabelsFrom.empty() && !FLabelsTo.empty())
        for (const auto& row : BlockOf(*sheet, FLabelsFrom, FLabelsTo))
            labels.push_back(TextOf(row.front()));

    series->Clear();
    for (double value : values) series->AddY(value, {}, clDefault);
    for (TExtra& extra : extras)
        for (size_t i = 0; i < extra.Values.size() && int(i) < series->Count(); ++i)
            extra.List->SetValue(int(i), extra.Values[i]);
    for (size_t i = 0; i < labels.size(); ++i) series->Labels().SetLabel(int(i), labels[i]);
    series->Repaint();
}
