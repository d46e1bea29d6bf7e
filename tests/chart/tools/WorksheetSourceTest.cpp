// The worksheet source over the checked-in workbooks (data/chart.xlsx and data/chart.xls, made by
// data/make_workbooks.py): a chart's exported points read back equal from either file, the
// loading rules for columns, rows, blocks, extra value lists and labels, and every failure.
#include <gtest/gtest.h>

#include <fstream>

#include "ToolBench.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/ChartValueList.h"
#include "chart/engine/PointSeries.h"
#include "chart/tools/sources/ExcelSource.h"
#include "chart/tools/sources/Workbook.h"
#include "tests/support/TempDir.h"

namespace {

const std::string DataFolder = KV_TOOLS_DATA;

std::string SheetMessageOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const Exception& e) {
        return e.Message();
    }
    return "(none)";
}

struct WorksheetSourceTest : ::testing::TestWithParam<const char*> {
    TToolsLibrary Library;
    TComponent Form{nullptr};
    TChart* Chart = new TChart(&Form);
    TPointSeries* Series = new TPointSeries(&Form);
    TTeeExcelSource* Source = new TTeeExcelSource(&Form);
    WorksheetSourceTest() {
        Chart->AddSeries(Series);
        Source->SetFileName(DataFolder + "/" + GetParam());
        Source->SetWorkSheet("Chart");
    }
    // Activates with the ranges given (empty ones left as they are).
    void Load(const std::string& from, const std::string& to, const std::string& labelsFrom = {},
              const std::string& labelsTo = {}) {
        Source->SetRangeFrom(from);
        Source->SetRangeTo(to);
        Source->SetLabelsFrom(labelsFrom);
        Source->SetLabelsTo(labelsTo);
        Source->SetSeries(Series);
        Source->SetActive(true);
    }
    std::vector<double> Values(const TChartValueList& list) {
        std::vector<double> v;
        for (int i = 0; i < list.Count(); ++i) v.push_back(list[i]);
        return v;
    }
    std::vector<std::string> Labels() {
        std::vector<std::string> v;
        for (int i = 0; i < Series->Labels().Count(); ++i) v.push_back(Series->Labels().Label(i));
        return v;
    }
};

TEST_P(WorksheetSourceTest, AChartsExportedPointsReadBackEqual) {
    Series->XValues().SetValueSource("B2:B6");
    Load("C2", "C6", "A2", "A6");
    EXPECT_EQ(Values(Series->YValues()), (std::vector<double>{10.5, 20, 7.25, 15, 30}));
    EXPECT_EQ(Values(Series->XValues()), (std::vector<double>{1, 2, 3, 4, 5}));
    EXPECT_EQ(Labels(), (std::vector<std::string>{"Jan", "Feb", "Mar", "Apr", "May"}));
    EXPECT_EQ(Source->WorkSheetNames(), (std::vector<std::string>{"Chart", "Other", "Empty"}));
}

TEST_P(WorksheetSourceTest, AnEmptyRangeIsTakenFromTheMandatoryListsValueSource) {
    Series->YValues().SetValueSource("D2:D6");
    Load("", "");
    EXPECT_EQ(Values(Series->YValues()), (std::vector<double>{3, 4, 5, 6, 7}));
    EXPECT_EQ(Source->RangeFrom(), "D2");
    EXPECT_EQ(Source->RangeTo(), "D6");
    EXPECT_TRUE(Source->Active());
}

TEST_P(WorksheetSourceTest, RowsBlocksExtraListsAndLongerLabelRanges) {
    Source->SetWorkSheet("Other");
    Load("A1", "D1");
    EXPECT_EQ(Values(Series->YValues()), (std::vector<double>{1, 2, 3, 4}));
    Source->SetActive(false);
    EXPECT_EQ(Series->Count(), 0);

    // A block loads its first row only.
    Load("$A$3", "c5");
    EXPECT_EQ(Values(Series->YValues()), (std::vector<double>{11, 12, 13}));

    // Two points; the extra list's third cell is dropped, the labels run past the points.
    Series->XValues().SetValueSource("A3:A5");
    Load("A1", "B1", "A3", "C5");
    EXPECT_EQ(Values(Series->YValues()), (std::vector<double>{1, 2}));
    EXPECT_EQ(Values(Series->XValues()), (std::vector<double>{11, 21}));
    EXPECT_EQ(Labels(), (std::vector<std::string>{"11", "21", "31"}));

    // A number kept as text reads as its number; one cell is one point.
    Series->XValues().SetValueSource("");
    Load("E7", "E7");
    EXPECT_EQ(Values(Series->YValues()), (std::vector<double>{12.5}));
}

TEST_P(WorksheetSourceTest, RangesThatLoadNothingFailAndLeaveTheSeries) {
    Load("C2", "C6");
    ASSERT_EQ(Series->Count(), 5);
    const std::string file = Source->FileName();
    const struct {
        const char* Sheet;
        const char* From;
        const char* To;
        const char* Labels;
        std::string Message;
    } cases[] = {
        {"Chart", "E9", "F12", "", "Range E9:F12 holds no values"},
        {"Empty", "A1", "A10", "", "Range A1:A10 holds no values"},
        {"Chart", "Q", "Z", "", "Range Q:Z is not a range of cells"},
        {"Chart", "C2", "", "", "Range C2: is not a range of cells"},
        {"Other", "F8", "F8", "", "'abc' is not a valid floating point value"},
        {"Chart", "C2", "C6", "H1", "Range H1:H9 holds no values"},
        {"Nope", "A1", "A2", "", "Worksheet Nope not found in " + file},
    };
    for (const auto& c : cases) {
        Source->SetActive(false);
        Load("C2", "C6");  // five points before each failing load
        Source->SetWorkSheet(c.Sheet);
        Source->SetRangeFrom(c.From);
        Source->SetRangeTo(c.To);
        Source->SetLabelsFrom(c.Labels);
        Source->SetLabelsTo(*c.Labels ? "H9" : "");
        Series->Clear();
        for (double v : {1.0, 2.0}) Series->AddY(v);
        EXPECT_EQ(SheetMessageOf([&] { Source->SetActive(true); }), c.Message) << c.From;
        EXPECT_EQ(Values(Series->YValues()), (std::vector<double>{1, 2})) << c.From;
        Source->SetWorkSheet("Chart");
    }
}

INSTANTIATE_TEST_SUITE_P(BothFormats, WorksheetSourceTest,
                         ::testing::Values("chart.xlsx", "chart.xls"));

TEST(WorksheetFiles, MissingEmptyForeignAndDamagedWorkbooksAreRefused) {
    TToolsLibrary library;
    TTempDir dir;
    TComponent form(nullptr);
    auto* chart = new TChart(&form);
    auto* series = new TPointSeries(&form);
    chart->AddSeries(series);
    auto* source = new TTeeExcelSource(&form);
    source->SetSeries(series);
    source->SetWorkSheet("Chart");
    source->SetRangeFrom("C2");
    source->SetRangeTo("C6");
    EXPECT_EQ(SheetMessageOf([&] { source->SetActive(true); }), "Excel file empty");

    std::ifstream in(DataFolder + "/chart.xlsx", std::ios::binary);
    const std::string xlsx((std::istreambuf_iterator<char>(in)), {});
    std::ifstream inXls(DataFolder + "/chart.xls", std::ios::binary);
    const std::string xls((std::istreambuf_iterator<char>(inXls)), {});
    const std::string damaged[] = {
        "",
        "plain text, no workbook",
        xlsx.substr(0, xlsx.size() / 2),
        xlsx.substr(0, xlsx.size() - 30),
        xls.substr(0, 600),
        std::string(xlsx).replace(xlsx.size() - 200, 60, std::string(60, 'x'))};
    for (const std::string& bytes : damaged) {
        const std::string file = dir.File("book.xlsx");
        std::ofstream(file, std::ios::binary) << bytes;
        source->SetActive(false);
        source->SetFileName(file);
        EXPECT_THROW(source->SetActive(true), Exception) << bytes.size();
        EXPECT_EQ(series->Count(), 0);
    }
    source->SetActive(false);
    source->SetFileName(dir.File("absent.xlsx"));
    EXPECT_THROW(source->SetActive(true), EFOpenError);
}

TEST(WorksheetFiles, CellReferences) {
    const struct {
        const char* Text;
        int Row, Column;
    } good[] = {{"A1", 1, 1}, {"$B$12", 12, 2}, {"aa3", 3, 27}, {" XFD1048576 ", 1048576, 16384}};
    for (const auto& c : good) {
        int row = 0, column = 0;
        ASSERT_TRUE(ParseCellReference(c.Text, row, column)) << c.Text;
        EXPECT_EQ(row, c.Row) << c.Text;
        EXPECT_EQ(column, c.Column) << c.Text;
    }
    for (const char* bad : {"", "A", "1", "A0", "ABCD1", "A1B", "A-1", "$$A1"}) {
        int row = 0, column = 0;
        EXPECT_FALSE(ParseCellReference(bad, row, column)) << bad;
    }
}

}  // namespace
