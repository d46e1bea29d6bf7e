// Data export: each format of a small chart checked byte for byte against its golden file (two
// series of different lengths, labels, a null point, a colour, positions that are not indexes),
// and the rules of each format on its own.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

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
    EXPECT_EQ(Bytes(s).substr(12, 14),
              std::string("\x00\x02\x0A\x00\x00\x00\x04\x00\x00\x00\x03\x00\x00\x00", 14));
}

TEST_F(ChartDataExportTest, ShortSeriesKeepAllDelimiters) {
    TSeriesDataText text(&Chart, nullptr);
    text.SetIncludeLabels(false);
    text.SetTextDelimiter(';');
    const std::string t = text.AsText();
    // Positions from the first series with points (indexes): no X column. The null point
    // keeps its stored value.
    EXPECT_EQ(t, "0.5;10\r\n0;20\r\n0.75;1234.5\r\n;-7\r\n\r\n");
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
    const std::string bytes = Bytes(s);
    const double rounded = 0.8;  // 0.75 as "0.8"
    EXPECT_NE(bytes.find(std::string(reinterpret_cast<const char*>(&rounded), 8)),
              std::string::npos);

    // A format with thousands separators does not read back as a number from 1000 on; the
    // cells before stay written.
    TSeriesDataXLS thousands(&Chart, Points);
    thousands.SetValueFormat("#,##0.###");
    TMemoryStream t;
    EXPECT_THROW(thousands.SaveToStream(t), EConvertError);
    EXPECT_GT(t.Size(), 0);
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
}

TEST_F(ChartDataExportTest, EmptyChartGivesHeaderOnly) {
    TChart chart(nullptr);
    TSeriesDataXLS xls(&chart, nullptr);
    xls.SetIncludeHeader(true);
    TMemoryStream s;
    xls.SaveToStream(s);
    EXPECT_EQ(Bytes(s), std::string("\x09\x08\x08\x00\x00\x05\x10\x00\x00\x00\x00\x00"
                                    "\x00\x02\x0A\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00"
                                    "\x0A\x00\x00\x00",
                                    30));
    TSeriesDataText text(&chart, nullptr);
    EXPECT_EQ(text.AsText(), "\r\n");
}

TEST_F(ChartDataExportTest, FilesHoldTheText) {
    TTempDir dir;
    TSeriesDataHTML html(&Chart, nullptr);
    html.SaveToFile(dir.File("chart.html"));
    EXPECT_EQ(ReadFile(dir.File("chart.html")), html.AsText());
}

}  // namespace
