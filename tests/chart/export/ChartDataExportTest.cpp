// Data export: each format of a small chart checked byte for byte against its golden file (two
// series of different lengths, labels, a null point, a colour, positions that are not indexes),
// and the rules of each format on its own.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "chart/engine/Chart.h"
#include "chart/engine/ChartEngineStartup.h"
#include "chart/engine/LineSeries.h"
#include "chart/engine/LineSeriesClasses.h"
#include "chart/engine/PointSeries.h"
#include "chart/engine/SeriesTypes.h"
#include "chart/export/ChartDataExport.h"
#include "chart/foundation/FoundationStartup.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/classes/PropAccess.h"
#include "platform/classes/PropInfo.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Streams.h"
#include "tests/support/TempDir.h"

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Compares with the golden file; KV_WRITE_REFERENCE_FILES=1 writes it instead.
void ExpectGolden(const std::string& bytes, const std::string& name) {
    const std::string path = std::string(KV_CHART_EXPORT_DATA) + "/" + name;
    if (std::getenv("KV_WRITE_REFERENCE_FILES")) {
        std::ofstream(path, std::ios::binary) << bytes;
        return;
    }
    EXPECT_EQ(bytes, ReadFile(path)) << name;
}

std::string Bytes(TMemoryStream& s) { return std::string(s.Memory(), size_t(s.Size())); }

// The values of the NUMBER records of a spreadsheet export, in order.
std::vector<double> NumberCells(const std::string& bytes) {
    std::vector<double> result;
    auto word = [&](size_t at) {
        return unsigned(uint8_t(bytes[at]) | uint8_t(bytes[at + 1]) << 8);
    };
    for (size_t at = 0; at + 4 <= bytes.size(); at += 4 + word(at + 2)) {
        if (word(at) != 0x0003 || at + 19 > bytes.size()) continue;
        double value;
        std::memcpy(&value, bytes.data() + at + 11, 8);
        result.push_back(value);
    }
    return result;
}

class ChartDataExportTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        LoadCoreTexts();
        FoundationUnitStartup();
        ChartEngineUnitStartup();
        RegisterLineSeriesClasses();
    }

    void SetUp() override {
        Chart.AddSeries(Line);
        Line->SetTitle("Emissivity");
        Line->AddXYPoint(0, 0.5, "first");
        Line->AddNullXYPoint(1, 0);
        Line->AddXYPoint(2, 0.75);
        Chart.AddSeries(Points);
        Points->SetTitle("Rays hit");
        Points->SetSeriesColor(clBlue);
        Points->AddXYPoint(0.5, 10);
        Points->AddXYPoint(1.5, 20, "", clRed);
        Points->AddXYPoint(3, 1234.5, "third");
        Points->AddXYPoint(4, -7);
    }

    TChart Chart{nullptr};
    TLineSeries* Line = new TLineSeries(&Chart);
    TPointSeries* Points = new TPointSeries(&Chart);
};

template <class T>
void Everything(T& e) {
    e.SetIncludeHeader(true);
    e.SetIncludeIndex(true);
    e.SetIncludeColors(true);
}

TEST_F(ChartDataExportTest, GoldenFilesOfEveryFormat) {
    TSeriesDataText text(&Chart, nullptr);
    Everything(text);
    ExpectGolden(text.AsText(), "chart.txt");

    TSeriesDataText csv(&Chart, nullptr);
    Everything(csv);
    csv.SetTextDelimiter(',');
    csv.SetTextQuotes("\"");
    ExpectGolden(csv.AsText(), "chart.csv");

    TSeriesDataXML xml(&Chart, nullptr);
    Everything(xml);
    ExpectGolden(xml.AsText(), "chart.xml");

    TSeriesDataHTML html(&Chart, nullptr);
    Everything(html);
    ExpectGolden(html.AsText(), "chart.html");

    TSeriesDataXLS xls(&Chart, nullptr);
    Everything(xls);
    TMemoryStream s;
    xls.SaveToStream(s);
    ExpectGolden(Bytes(s), "chart.xls");

    // One series, with its own positions and a label.
    TSeriesDataXML one(&Chart, Points);
    one.SetIncludeColors(true);
    ExpectGolden(one.AsText(), "points.xml");
    TSeriesDataXLS oneXls(&Chart, Points);
    oneXls.SetIncludeHeader(true);
    TMemoryStream s2;
    oneXls.SaveToStream(s2);
    ExpectGolden(Bytes(s2), "points.xls");
}

// Titles, types and labels holding markup characters still give a document readers accept.
TEST_F(ChartDataExportTest, XmlEscapesEveryAttributeValue) {
    static const std::string description = "Points & Rays & More";
    RegisterStandardSeries(&TPointSeries::StaticClass(), &description);
    Points->SetTitle("R&D <\"hits\">");
    Points->Labels().SetLabel(2, "a<b & c");
    TSeriesDataXML xml(&Chart, Points);
    xml.SetIncludeHeader(false);
    const std::string t = xml.AsText();
    UnregisterSeriesClasses({&TPointSeries::StaticClass()});
    EXPECT_EQ(t.substr(0, t.find('\r')),
              "<series title=\"R&amp;D &lt;&quot;hits&quot;&gt;\" "
              "type=\"Points &amp; Rays &amp; More\" color=\"#0000ff\">");
    EXPECT_NE(t.find("text=\"a&lt;b &amp; c\""), std::string::npos) << t;
}

TEST_F(ChartDataExportTest, OptionsArePublishedWithTheirDefaults) {
    TSeriesDataXML xml(&Chart, nullptr);
    EXPECT_TRUE(xml.IncludeHeader());
    const TPropInfo* encoding = GetPropInfo(&xml, "Encoding");
    ASSERT_NE(encoding, nullptr);
    // The system's own encoding and an empty one are not stored.
    EXPECT_EQ(xml.Encoding(), "ISO-8859-1");
    EXPECT_FALSE(encoding->IsStored(&xml));
    xml.SetEncoding("");
    EXPECT_FALSE(encoding->IsStored(&xml));
    xml.SetEncoding("UTF-8");
    EXPECT_TRUE(encoding->IsStored(&xml));
    EXPECT_EQ(xml.AsText().substr(0, 40), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n");

    TSeriesDataText text(&Chart, nullptr);
    for (const char* name : {"IncludeLabels", "IncludeHeader", "ValueFormat", "TextQuotes"})
        EXPECT_TRUE(IsPublishedProp(&text, name)) << name;
    const TPropInfo* delimiter = GetPropInfo(&text, "TextDelimiter");
    ASSERT_NE(delimiter, nullptr);
    EXPECT_FALSE(delimiter->IsStored(&text));
    SetStrProp(&text, "TextDelimiter", ";");
    EXPECT_EQ(text.TextDelimiter(), ';');
}

TEST_F(ChartDataExportTest, ColoursAsLowerCaseHex) {
    EXPECT_EQ(ColorToHexText(TColor(0x0A0B0C)), "#0c0b0a");
    EXPECT_EQ(ColorToHexText(clWhite), "#ffffff");
}

TEST_F(ChartDataExportTest, PlainSeriesGivesTitleAndOneNumberPerRow) {
    TChart chart(nullptr);
    auto* s = new TLineSeries(&chart);
    chart.AddSeries(s);
    s->SetTitle("T");
    for (double v : {1.0, 2.5, 3.0}) s->AddY(v);
    TSeriesDataText text(&chart, s);
    text.SetIncludeHeader(true);
    EXPECT_EQ(text.AsText(), "T\r\n1\r\n2.5\r\n3\r\n\r\n");
    // Quotes go round header cells and labels, never numbers.
    s->Labels().SetLabel(1, "b");
    text.SetTextQuotes("'");
    EXPECT_EQ(text.AsText(), "'Text'\t'T'\r\n\t1\r\n'b'\t2.5\r\n\t3\r\n\r\n");
}

TEST_F(ChartDataExportTest, DateTimesAreQuotedTextNumbersNever) {
    TChart chart(nullptr);
    auto* s = new TLineSeries(&chart);
    chart.AddSeries(s);
    s->SetSeriesColor(clRed);
    s->XValues().SetDateTime(true);
    s->AddXYPoint(45000.5, 2, "a", clBlue);  // 15 March 2023, noon
    s->AddXYPoint(45001, 3);
    TSeriesDataText text(&chart, s);
    text.SetIncludeIndex(true);
    text.SetIncludeColors(true);
    text.SetTextQuotes("\"");
    const TFormatSettingsGuard pinned{TFormatSettings{}};
    EXPECT_EQ(text.AsText(),
              "0\t\"a\"\t#0000ff\t\"03/15/2023 12:00:00\"\t2\r\n"
              "1\t\t#ff0000\t\"03/16/2023\"\t3\r\n\r\n");
}

TEST_F(ChartDataExportTest, SpreadsheetDimensionsCountTheColumns) {
    TSeriesDataXLS xls(&Chart, Line);
    xls.SetIncludeHeader(true);
    xls.SetIncludeIndex(true);
    TMemoryStream s;
    xls.SaveToStream(s);
    // Rows: three points and the header; columns: index, label, Y.
    EXPECT_EQ(Bytes(s).substr(14, 14),
              std::string("\x00\x02\x0A\x00\x00\x00\x04\x00\x00\x00\x03\x00\x00\x00", 14));
}

// The first series' positions are indexes, the second's are its own: each series writes its
// own X column. The null point keeps its stored value; the short series keeps its delimiters.
TEST_F(ChartDataExportTest, EverySeriesKeepsItsOwnPositions) {
    TSeriesDataText text(&Chart, nullptr);
    text.SetIncludeLabels(false);
    text.SetTextDelimiter(';');
    EXPECT_EQ(text.AsText(), "0;0.5;0.5;10\r\n1;0;1.5;20\r\n2;0.75;3;1234.5\r\n;;4;-7\r\n\r\n");

    TSeriesDataHTML html(&Chart, nullptr);
    html.SetIncludeLabels(false);
    EXPECT_NE(html.AsText().find("<tr><td>2</td><td>0.75</td><td>3</td><td>1234.5</td></tr>"),
              std::string::npos)
        << html.AsText();

    // Labels of a later series too, in the formats that repeat them per series.
    Line->Labels().SetLabel(0, "");
    TSeriesDataHTML labels(&Chart, nullptr);
    EXPECT_NE(labels.AsText().find("<td>third</td>"), std::string::npos) << labels.AsText();
}

TEST_F(ChartDataExportTest, LongLabelsCutOnlyInTheSpreadsheet) {
    const std::string longLabel(300, 'x');
    Points->Labels().SetLabel(0, longLabel);
    TSeriesDataHTML html(&Chart, Points);
    EXPECT_NE(html.AsText().find(longLabel), std::string::npos);
    TSeriesDataXLS xls(&Chart, Points);
    TMemoryStream s;
    xls.SaveToStream(s);
    const std::string bytes = Bytes(s);
    EXPECT_EQ(bytes.find(std::string(256, 'x')), std::string::npos);
    EXPECT_NE(bytes.find(std::string("\x04\x00\x07\x01", 4) + std::string(7, '\0') + '\xFF' +
                         std::string(255, 'x')),
              std::string::npos);
}

TEST_F(ChartDataExportTest, FormattedSpreadsheetCellsCarryTheRounding) {
    TSeriesDataXLS xls(&Chart, Line);
    xls.SetValueFormat("0.0");
    TMemoryStream s;
    xls.SaveToStream(s);
    // The null point has no Y cell; 0.75 is written as "0.8".
    const std::vector<double> cells = NumberCells(Bytes(s));
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_DOUBLE_EQ(cells[0], 0.5);
    EXPECT_DOUBLE_EQ(cells[1], 0.8);
}

// Formats with thousands separators, a negative section without a minus, or literal text: every
// value is written, rounded as its format shows it, whatever the user's separators.
TEST_F(ChartDataExportTest, FormattedSpreadsheetCellsHoldEveryValue) {
    struct Case {
        const char* format;
        double value;
        double cell;
    } const cases[] = {
        {"#,##0.###", 1234.5678, 1234.568},
        {"#,##0.###", -98765.4321, -98765.432},
        {"#,##0.###", 1e9, 1e9},
        {"0.0;0.0", -7.25, -7.3},
        {"0.0;(0.0)", -7.25, -7.25},
        {"0.0 'K'", 12.34, 12.34},
    };
    TFormatSettings comma;
    comma.DecimalSeparator = ',';
    comma.ThousandSeparator = '.';
    const TFormatSettingsGuard pinned{comma};
    for (const Case& c : cases) {
        TChart chart(nullptr);
        auto* s = new TLineSeries(&chart);
        chart.AddSeries(s);
        s->AddY(c.value);
        s->SetValueFormat(c.format);
        TSeriesDataXLS xls(&chart, s);
        xls.SetUseSeriesFormat(true);
        TMemoryStream out;
        ASSERT_NO_THROW(xls.SaveToStream(out)) << c.format;
        const std::vector<double> cells = NumberCells(Bytes(out));
        ASSERT_EQ(cells.size(), 1u) << c.format;
        EXPECT_DOUBLE_EQ(cells[0], c.cell) << c.format << " " << c.value;
    }
}

TEST_F(ChartDataExportTest, SpreadsheetRefusesRowsItCannotNumber) {
    TChart chart(nullptr);
    auto* s = new TLineSeries(&chart);
    chart.AddSeries(s);
    for (int i = 0; i < 0xFFFF; ++i) s->AddY(i);
    TSeriesDataXLS xls(&chart, s);
    TMemoryStream fits;
    xls.SaveToStream(fits);
    EXPECT_GT(fits.Size(), 0xFFFF * 15);
    xls.SetIncludeHeader(true);  // one row more than the numbers reach
    TMemoryStream refused;
    try {
        xls.SaveToStream(refused);
        ADD_FAILURE();
    } catch (const ChartException& e) {
        EXPECT_EQ(e.Message(), SpreadsheetTooManyRows);
    }
    EXPECT_EQ(refused.Size(), 0);

    // Saved to a file, the refusal leaves the file as it was: not created, not emptied, and no
    // temporary file behind. A good export then replaces it.
    TTempDir dir;
    const std::string file = dir.File("chart.xls");
    EXPECT_THROW(xls.SaveToFile(file), ChartException);
    EXPECT_FALSE(std::filesystem::exists(file));
    std::ofstream(file, std::ios::binary) << "earlier export";
    EXPECT_THROW(xls.SaveToFile(file), ChartException);
    EXPECT_EQ(ReadFile(file), "earlier export");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
    xls.SetIncludeHeader(false);
    xls.SaveToFile(file);
    EXPECT_EQ(ReadFile(file), Bytes(fits));
}

TEST_F(ChartDataExportTest, EmptyChartGivesHeaderOnly) {
    TChart chart(nullptr);
    TSeriesDataXLS xls(&chart, nullptr);
    xls.SetIncludeHeader(true);
    TMemoryStream s;
    xls.SaveToStream(s);
    // The worksheet BOF of the cells' generation, the code page of the labels (1252), then
    // DIMENSIONS and EOF.
    EXPECT_EQ(Bytes(s), std::string("\x09\x00\x04\x00\x02\x00\x10\x00"
                                    "\x42\x00\x02\x00\xE4\x04"
                                    "\x00\x02\x0A\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00"
                                    "\x0A\x00\x00\x00",
                                    32));
    TSeriesDataText text(&chart, nullptr);
    EXPECT_EQ(text.AsText(), "\r\n");
}

// A label, title or number holding the delimiter, the quotes or a line break is quoted as CSV
// readers expect, quotes inside doubled; other cells keep the layout they had.
TEST_F(ChartDataExportTest, TextCellsThatNeedQuotesAreQuoted) {
    struct Case {
        char delimiter;
        const char* quotes;
        const char* label;
        const char* row;  // index, label, X and Y of the second point
    } const cases[] = {
        {',', "", "plain", "1,plain,1.5,20"},
        {',', "", "a,b", "1,\"a,b\",1.5,20"},
        {',', "", "5\" disk", "1,\"5\"\" disk\",1.5,20"},
        {'\t', "", "two\r\nlines", "1\t\"two\r\nlines\"\t1.5\t20"},
        {',', "\"", "say \"hi\", then", "1,\"say \"\"hi\"\", then\",1.5,20"},
        {';', "'", "it's", "1;'it''s';1.5;20"},
        {';', "'", "a;b", "1;'a;b';1.5;20"},
        {' ', "", "two words", "1 \"two words\" 1.5 20"},
    };
    for (const Case& c : cases) {
        Points->Labels().SetLabel(1, c.label);
        TSeriesDataText text(&Chart, Points);
        text.SetIncludeIndex(true);
        text.SetTextDelimiter(c.delimiter);
        text.SetTextQuotes(c.quotes);
        const std::string t = text.AsText();
        const size_t second = t.find("\r\n1");
        ASSERT_NE(second, std::string::npos) << t;
        EXPECT_EQ(t.substr(second + 2, std::string(c.row).size()), c.row) << c.label;
    }

    // Header cells, and numbers written with thousands separators in a comma-delimited file.
    const TFormatSettingsGuard pinned{TFormatSettings{}};
    Points->SetTitle("Rays, \"hit\"");
    Points->XValues().SetName("X");
    TSeriesDataText csv(&Chart, Points);
    csv.SetIncludeHeader(true);
    csv.SetIncludeLabels(false);
    csv.SetTextDelimiter(',');
    csv.SetUseSeriesFormat(true);
    EXPECT_EQ(csv.AsText(),
              "X,\"Rays, \"\"hit\"\"\"\r\n0.5,10\r\n1.5,20\r\n3,\"1,234.5\"\r\n4,-7\r\n\r\n");
}

// Markup in a label or title stays text inside its cell.
TEST_F(ChartDataExportTest, HtmlCellsAreEscaped) {
    Points->SetTitle("<b>Rays</b>");
    Points->Labels().SetLabel(1, "a</td><td>b & c");
    TSeriesDataHTML html(&Chart, Points);
    html.SetIncludeHeader(true);
    const std::string t = html.AsText();
    EXPECT_NE(t.find("<td>&lt;b&gt;Rays&lt;/b&gt;</td>"), std::string::npos) << t;
    EXPECT_NE(t.find("<tr><td>a&lt;/td&gt;&lt;td&gt;b &amp; c</td><td>1.5</td><td>20</td></tr>"),
              std::string::npos)
        << t;
}

TEST_F(ChartDataExportTest, FilesHoldTheText) {
    TTempDir dir;
    TSeriesDataHTML html(&Chart, nullptr);
    html.SaveToFile(dir.File("chart.html"));
    EXPECT_EQ(ReadFile(dir.File("chart.html")), html.AsText());
}

// Spreadsheets written through SaveToFile into KV_SPREADSHEET_SAMPLE_DIR, for the independent
// reader of data/check-xls-with-xlrd.py (skipped without it).
TEST_F(ChartDataExportTest, WritesSpreadsheetsForAnIndependentReader) {
    const char* folder = std::getenv("KV_SPREADSHEET_SAMPLE_DIR");
    if (!folder) GTEST_SKIP() << "KV_SPREADSHEET_SAMPLE_DIR not set";
    const std::string dir = folder;
    TSeriesDataXLS all(&Chart, nullptr);
    Everything(all);
    all.SaveToFile(dir + "/chart.xls");
    TSeriesDataXLS one(&Chart, Points);
    one.SetIncludeHeader(true);
    one.SaveToFile(dir + "/points.xls");

    // Units in the labels, and numbers in the series' own format with thousands separators.
    Points->XValues().SetName("µm");
    Points->YValues().SetName("T °C");
    Points->Labels().SetLabel(0, "µm °C");
    Points->AddXYPoint(5, 98765.4321);
    TSeriesDataXLS units(&Chart, Points);
    units.SetIncludeHeader(true);
    units.SetUseSeriesFormat(true);
    units.SaveToFile(dir + "/units.xls");
}

}  // namespace
