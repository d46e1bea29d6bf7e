// The native chart stream: both forms written and read back to the same chart, the detection
// and header rules, trailing point blocks, and damaged streams refused with the chart untouched.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "chart/engine/AreaSeries.h"
#include "chart/engine/BasicFunctions.h"
#include "chart/engine/ChartEngineStartup.h"
#include "chart/engine/ChartTitle.h"
#include "chart/engine/LineSeries.h"
#include "chart/engine/LineSeriesClasses.h"
#include "chart/engine/PointSeries.h"
#include "chart/engine/SeriesDataStream.h"
#include "chart/engine/SeriesTypes.h"
#include "chart/engine/grid3d/Point3DSeries.h"
#include "chart/export/ChartStream.h"
#include "chart/foundation/FoundationStartup.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "tests/support/TempDir.h"

namespace {

// A tool bound to one series, as the tools of the library are.
class TMarkerTool : public TTeeCustomToolSeries {
    KV_DECLARE_CLASS(TMarkerTool, TTeeCustomToolSeries)
public:
    explicit TMarkerTool(TComponent* owner) : TTeeCustomToolSeries(owner) {}
};

std::string Bytes(TMemoryStream& s) { return std::string(s.Memory(), size_t(s.Size())); }

void Load(TMemoryStream& s, const std::string& bytes) {
    s.Clear();
    s.WriteBuffer(bytes.data(), int64_t(bytes.size()));
    s.SetPosition(0);
}

// The whole chart with its points, as text: two charts that give the same are equal.
std::string Snapshot(TCustomChart& chart) {
    TMemoryStream s;
    WriteChartStream(chart, s, true, true);
    return Bytes(s);
}

class ChartStreamTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        LoadCoreTexts();
        FoundationUnitStartup();
        ChartEngineUnitStartup();
        BasicFunctionsUnitStartup();
        RegisterLineSeriesClasses();
        Point3DSeriesUnitStartup();
        ChartStreamUnitStartup();
        RegisterToolClasses({&TMarkerTool::StaticClass()});
    }

    // Every standard series kind, a series computed by a function from another, and a tool.
    void SetUp() override {
        Chart->SetName("Chart1");
        Chart->Title()->Text()->SetText("Cavity");
        const std::vector<TChartSeries*> all = {
            new TLineSeries(&Form),    new THorizLineSeries(&Form), new TPointSeries(&Form),
            new TAreaSeries(&Form),    new THorizAreaSeries(&Form), new TPoint3DSeries(&Form),
            new TBubble3DSeries(&Form)};
        int n = 0;
        for (TChartSeries* s : all) {
            s->SetName("Series" + std::to_string(++n));
            Chart->AddSeries(s);
            s->AddXYPoint(1, 2.5, "one");
            s->AddNullXYPoint(2, 0, "gap");
            s->AddXYPoint(4, -1.25, "", TColor(0x123456));
        }
        auto* average = new TLineSeries(&Form);
        average->SetName("Average");
        Chart->AddSeries(average);
        auto* f = new TAverageTeeFunction(&Form);
        f->SetName("Function1");
        f->SetPeriod(2);
        average->SetFunction(f);
        average->SetDataSource(all[0]);
        auto* tool = new TMarkerTool(&Form);
        tool->SetName("Tool1");
        tool->SetSeries(all[2]);
        Chart->Tools().AddTool(tool);
    }

    TComponent Form{nullptr};
    TChart* Chart = new TChart(&Form);
};

TEST_F(ChartStreamTest, BothFormsReadBackTheSameChart) {
    const std::string original = Snapshot(*Chart);
    for (bool asText : {false, true}) {
        SCOPED_TRACE(asText ? "text" : "binary");
        TMemoryStream s;
        WriteChartStream(*Chart, s, true, asText);
        s.SetPosition(0);
        EXPECT_EQ(IsBinaryChartStream(s), !asText);
        EXPECT_TRUE(IsChartStream(s));
        TChart copy(nullptr);
        copy.SetName("Chart7");
        ReadChartStream(copy, s);
        EXPECT_EQ(copy.Name(), "Chart7");  // a loaded chart keeps its own name
        EXPECT_EQ(Snapshot(copy), original);
        ASSERT_EQ(copy.SeriesCount(), 8);
        EXPECT_EQ(copy.GetSeries(5)->ClassName(), "TPoint3DSeries");
        EXPECT_TRUE(copy.GetSeries(0)->IsNullValue(1));
        EXPECT_EQ(copy.GetSeries(2)->Labels().Label(0), "one");
        ASSERT_NE(copy.GetSeries(7)->Function(), nullptr);
        EXPECT_EQ(copy.GetSeries(7)->Function()->Period(), 2);
        ASSERT_EQ(copy.Tools().Count(), 1);
        EXPECT_EQ(static_cast<TMarkerTool*>(copy.Tools()[0])->Series(), copy.GetSeries(2));
    }
    EXPECT_EQ(Chart->Name(), "Chart1");  // writing gives the name back
}

TEST_F(ChartStreamTest, BinaryLayoutAndUnnamedRoot) {
    TMemoryStream s;
    WriteChartStream(*Chart, s, false, false);
    const std::string bytes = Bytes(s);
    EXPECT_EQ(bytes.substr(0, 8), std::string("\x60\x30\x57\x01TPF0", 8));
    // Class name, then an empty name.
    EXPECT_EQ(bytes.substr(8, 8), std::string("\x06TChart\x00", 8));
    // Without data no series stores points, and the series' own switches come back.
    const std::string dataProperty = std::string(
                                         "\x04"
                                         "Data") +
                                     char(vaBinary);
    EXPECT_EQ(bytes.find(dataProperty), std::string::npos);
    EXPECT_FALSE(Chart->GetSeries(0)->NeverStoreData);

    TChart copy(nullptr);
    s.SetPosition(0);
    ReadChartStream(copy, s);
    EXPECT_EQ(copy.GetSeries(0)->Count(), 0);
}

TEST_F(ChartStreamTest, VersionIsNotCheckedAndOldRootClassesRead) {
    TMemoryStream s;
    WriteChartStream(*Chart, s, true, false);
    std::string bytes = Bytes(s);
    bytes[2] = '\x99';
    bytes[3] = '\x02';
    Load(s, bytes);
    TChart copy(nullptr);
    ReadChartStream(copy, s);
    EXPECT_EQ(copy.SeriesCount(), 8);

    // A stream whose root is named as an older chart class is read by that class.
    bytes.replace(8, 7, std::string("\x0BTChartChart", 12));
    Load(s, bytes.substr(4));
    std::unique_ptr<TComponent> root(ReadComponentFromStream(s));
    ASSERT_NE(dynamic_cast<TChartChart*>(root.get()), nullptr);
    EXPECT_EQ(static_cast<TChart*>(root.get())->SeriesCount(), 8);
}

TEST_F(ChartStreamTest, DetectionRestoresThePosition) {
    const struct {
        std::string bytes;
        bool chart, binary;
    } cases[] = {{"obj", true, false},
                 {"Object", true, false},
                 {"inherited X: TChart", false, false},
                 {std::string("\x60\x30", 2), true, true},
                 {std::string("\x30\x60", 2), false, false},
                 {"", false, false}};
    for (const auto& c : cases) {
        TMemoryStream s;
        Load(s, c.bytes);
        EXPECT_EQ(IsChartStream(s), c.chart) << c.bytes;
        EXPECT_EQ(IsBinaryChartStream(s), c.binary) << c.bytes;
        EXPECT_EQ(s.Position(), 0);
    }
    EXPECT_EQ(AddDefaultChartExtension("chart"), "chart.tee");
    EXPECT_EQ(AddDefaultChartExtension("chart.txt"), "chart.txt");
}

TEST_F(ChartStreamTest, TrailingPointBlocksAreReadOnRequest) {
    TMemoryStream s;
    WriteChartStream(*Chart, s, false, false);
    // One block per series, in series order, after the component.
    for (int i = 0; i < Chart->SeriesCount(); ++i) Chart->GetSeries(i)->WriteDataStream(s);
    for (bool readData : {false, true}) {
        s.SetPosition(0);
        TChart copy(nullptr);
        ReadChartStreamEx(copy, s, readData, nullptr);
        EXPECT_EQ(copy.GetSeries(3)->Count(), readData ? 3 : 0);
    }
}

// Whatever is wrong with a stream, it is refused with a message, and the chart keeps its
// series, tools and points.
TEST_F(ChartStreamTest, DamagedStreamsLeaveTheChartAsItWas) {
    TMemoryStream good;
    WriteChartStream(*Chart, good, true, false);
    const std::string bytes = Bytes(good);
    TMemoryStream text;
    WriteChartStream(*Chart, text, true, true);
    const std::string textBytes = Bytes(text);
    const size_t data = bytes.find("Data");
    ASSERT_NE(data, std::string::npos);

    TChart target(nullptr);
    auto* kept = new TLineSeries(&target);
    target.AddSeries(kept);
    kept->AddXYPoint(7, 8);
    const std::string before = Snapshot(target);

    const struct {
        const char* what;
        std::string bytes;
        const char* message;  // empty: the reader's own
    } cases[] = {
        {"empty", "", "Empty *.tee file"},
        {"not a chart", "PK\x03\x04", "Wrong *.tee file format"},
        {"cut in the header", bytes.substr(0, 3), ""},
        {"cut in the component", bytes.substr(0, bytes.size() / 2), ""},
        {"cut in a point block", bytes.substr(0, data + 12), ""},
        {"unknown series class",
         [&] {
             std::string b = bytes;
             b.replace(b.find("TAreaSeries"), 11, "TXreaSeries");
             return b;
         }(),
         ""},
        {"text cut short", textBytes.substr(0, textBytes.size() - 10), ""},
        {"a series, not a chart",
         [&] {
             TMemoryStream series;
             WriteChartStreamHeader(series);
             WriteComponentToStream(series, Chart->GetSeries(0));
             return Bytes(series);
         }(),
         "Invalid Chart in *.tee file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TMemoryStream s;
        Load(s, c.bytes);
        try {
            ReadChartStream(target, s);
            ADD_FAILURE() << "read";
        } catch (const Exception& e) {
            EXPECT_FALSE(e.Message().empty());
            if (*c.message) {
                EXPECT_EQ(e.Message(), c.message);
                EXPECT_NE(dynamic_cast<const ChartException*>(&e), nullptr);
            }
        }
        EXPECT_EQ(Snapshot(target), before);
        EXPECT_EQ(target.GetSeries(0), kept);
        EXPECT_TRUE(target.AutoRepaint());
    }
}

// Random damage: every stream is either read or refused with an exception, and a refused one
// leaves the chart as it was.
TEST_F(ChartStreamTest, RandomlyDamagedStreams) {
    TMemoryStream good;
    WriteChartStream(*Chart, good, true, false);
    const std::string bytes = Bytes(good);
    TChart target(nullptr);
    const std::string before = Snapshot(target);
    const unsigned seed = 20261210;
    std::mt19937 random(seed);
    for (int round = 0; round < 300; ++round) {
        std::string damaged = bytes;
        const int flips = 1 + int(random() % 4);
        for (int f = 0; f < flips; ++f)
            damaged[4 + random() % (damaged.size() - 4)] = char(random() & 0xFF);
        TMemoryStream s;
        Load(s, damaged);
        TChart copy(nullptr);
        try {
            ReadChartStream(copy, s);
        } catch (const Exception&) {
            EXPECT_EQ(Snapshot(copy), before) << "seed " << seed << " round " << round;
        }
    }
}

TEST_F(ChartStreamTest, ErrorCallbackDecidesOncePerFault) {
    TMemoryStream s;
    Load(s, "object TChart\n  Title.Text.Strings = (\n    'Cavity')\n  NoSuchProperty = 3\nend\n");
    std::vector<std::string> asked;
    TChart copy(nullptr);
    ReadChartStreamEx(copy, s, false, [&](const std::string& m) {
        asked.push_back(m);
        return true;
    });
    EXPECT_EQ(asked.size(), 1u);
    EXPECT_EQ(copy.Title()->Text()->Text(), "Cavity\r\n");

    asked.clear();
    s.SetPosition(0);
    EXPECT_THROW(ReadChartStreamEx(copy, s, false,
                                   [&](const std::string& m) {
                                       asked.push_back(m);
                                       return false;
                                   }),
                 Exception);
    EXPECT_EQ(asked.size(), 1u);
}

TEST_F(ChartStreamTest, FilesInEveryForm) {
    TTempDir dir;
    WriteChartFile(*Chart, dir.File("binary"), true, false);
    WriteChartFile(*Chart, dir.File("plain.txt"), true, true);
    WriteChartXmlFile(*Chart, dir.File("chart.xml"), false, true);
    for (const char* name : {"binary.tee", "plain.txt"}) {
        TFileStream file(dir.File(name), fmOpenRead);
        TChart copy(nullptr);
        ReadChartStream(copy, file);
        EXPECT_EQ(Snapshot(copy), Snapshot(*Chart)) << name;
    }
    TFileStream xml(dir.File("chart.xml"), fmOpenRead);
    std::string head(5, ' ');
    xml.ReadBuffer(head.data(), 5);
    EXPECT_EQ(head, "<?xml");
}

}  // namespace
