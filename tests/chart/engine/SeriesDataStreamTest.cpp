// The "Data" block of a series: its bytes, its flags, round trips and a block cut short.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "ChartStubs.h"
#include "chart/engine/SeriesDataStream.h"
#include "chart/engine/SeriesMarks.h"
#include "platform/rtl/Streams.h"

namespace {

std::string Write(TChartSeries& s) {
    TMemoryStream stream;
    s.WriteDataStream(stream);
    return std::string(stream.Memory(), size_t(stream.Size()));
}

void Read(TChartSeries& s, const std::string& bytes) {
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), int64_t(bytes.size()));
    stream.SetPosition(0);
    s.ReadDataStream(stream);
}

std::string Bytes(std::initializer_list<uint8_t> head, std::initializer_list<double> doubles) {
    std::string out(head.begin(), head.end());
    for (double d : doubles) {
        char b[8];
        std::memcpy(b, &d, 8);
        out.append(b, 8);
    }
    return out;
}

TEST(SeriesDataStreamTest, ThreePlainPointsTakeTwentyNineBytes) {
    LoadCoreTexts();
    TTestSeries s(nullptr);
    for (double v : {5, 7, 9}) s.AddY(v);
    EXPECT_EQ(Write(s), Bytes({0, 3, 0, 0, 0}, {5, 7, 9}));
}

TEST(SeriesDataStreamTest, FlagsSayWhatThePointsNeed) {
    LoadCoreTexts();
    struct {
        const char* what;
        std::function<void(TChartSeries&)> fill;
        uint8_t flags;
    } cases[] = {
        {"positions 0, 1, 2",
         [](TChartSeries& s) {
             for (int i = 0; i < 3; ++i) s.AddY(i);
         },
         0},
        {"positions 1, 2, 3",
         [](TChartSeries& s) {
             for (int i = 1; i < 4; ++i) s.AddXYPoint(i, 0);
         },
         sdfPositions},
        {"a position between",
         [](TChartSeries& s) {
             for (double x : {0.0, 1.5, 2.0}) s.AddXYPoint(x, 0);
         },
         sdfPositions},
        {"no position list",
         [](TChartSeries& s) {
             s.UsesPositionList = false;
             s.AddXYPoint(4, 0);
         },
         0},
        {"the series' own colour",
         [](TChartSeries& s) {
             s.SetSeriesColor(clRed);
             s.AddY(1, {}, clRed);
         },
         0},
        {"another colour on point 0", [](TChartSeries& s) { s.AddY(1, {}, clBlue); }, sdfColors},
        {"a null point", [](TChartSeries& s) { s.AddNullPoint(); }, sdfColors},
        // Late points count as much as early ones: nothing is lost for sitting far down.
        {"a label on point 150 of 200",
         [](TChartSeries& s) {
             for (int i = 0; i < 200; ++i) s.AddY(i, i == 150 ? "late" : "");
         },
         sdfLabels},
        {"a colour on point 10001 of 10002",
         [](TChartSeries& s) {
             for (int i = 0; i < 10002; ++i) s.AddY(i, {}, i == 10001 ? clBlue : clDefault);
         },
         sdfColors},
        {"empty labels", [](TChartSeries& s) { s.AddY(1, ""); }, 0},
    };
    for (auto& k : cases) {
        SCOPED_TRACE(k.what);
        TTestSeries s(nullptr);
        k.fill(s);
        EXPECT_EQ(SeriesDataFlags(s), k.flags);
    }
}

TEST(SeriesDataStreamTest, AHorizontalSeriesReadsBackTheSamePointsInPlaceOfOldOnes) {
    LoadCoreTexts();
    TTestHorizSeries s(nullptr);
    auto* z = new TChartValueList(&s, "Z");
    const std::string longLabel(300, 'x');
    z->TempValue = 0.5;
    s.AddXYPoint(10, 0, "é", clBlue);
    z->TempValue = -2;
    s.AddXYPoint(20, 3, longLabel);
    const std::string bytes = Write(s);
    EXPECT_EQ(bytes[0], sdfPositions | sdfColors | sdfLabels);

    TTestHorizSeries copy(nullptr);
    auto* zc = new TChartValueList(&copy, "Z");
    copy.AddXYPoint(99, 99);
    Read(copy, bytes);
    ASSERT_EQ(copy.Count(), 2);
    EXPECT_TRUE(copy.DataEnteredByHand);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(copy.XValues()[i], s.XValues()[i]);
        EXPECT_EQ(copy.YValues()[i], s.YValues()[i]);
        EXPECT_EQ((*zc)[i], (*z)[i]);
        EXPECT_EQ(copy.StoredPointColor(i), s.StoredPointColor(i));
    }
    EXPECT_EQ(copy.PointLabel(0), "é");
    // The length byte holds at most 255: a longer label keeps its first 255 characters.
    EXPECT_EQ(copy.PointLabel(1), longLabel.substr(0, 255));
    EXPECT_EQ(Write(copy), bytes);
}

TEST(SeriesDataStreamTest, ABlockCutShortKeepsThePointsBeforeAndRaises) {
    LoadCoreTexts();
    TTestSeries s(nullptr);
    for (double v : {5, 7, 9}) s.AddY(v);
    const std::string bytes = Write(s);
    TTestSeries copy(nullptr);
    int fullChanges = 0;
    copy.OnLinkedChange = [&](TChartSeries&, TLinkedSeriesChange kind, int) {
        if (kind == lscFull) ++fullChanges;
    };
    EXPECT_THROW(Read(copy, bytes.substr(0, bytes.size() - 3)), Exception);
    EXPECT_EQ(copy.Count(), 2);
    EXPECT_FALSE(copy.Updating());
    EXPECT_EQ(fullChanges, 1);
}

TEST(SeriesDataStreamTest, MarkPositionsGoWithTheDataWhenOneIsCustom) {
    LoadCoreTexts();
    TTestSeries s(nullptr);
    for (double v : {5, 7, 9}) s.AddY(v);
    s.Marks()->Positions().Ensure(0).Width = 3;  // computed, not custom: not a reason to store
    EXPECT_EQ(SeriesDataFlags(s), 0);

    TSeriesMarkPosition dragged;
    dragged.ArrowFrom = {10, -20};
    dragged.ArrowFix = true;
    dragged.ArrowTo = {30, 40};
    dragged.Height = 15;
    dragged.LeftTop = {-5, 6};
    dragged.Width = 70;
    s.Marks()->Positions().SetPosition(1, dragged);
    const std::string bytes = Write(s);
    ASSERT_EQ(bytes.size(), 5u + 3 * (8 + MarkPositionRecordSize));
    EXPECT_EQ(bytes[0], sdfMarkPositions);
    // The second record, after its value: arrow start, fixed flag, arrow end, custom flag,
    // height, left-top corner and width.
    const size_t at = 5 + (8 + MarkPositionRecordSize) + 8;
    int32_t fields[3];
    std::memcpy(fields, bytes.data() + at, 8);
    EXPECT_EQ(fields[0], 10);
    EXPECT_EQ(fields[1], -20);
    EXPECT_EQ(bytes[at + 8], 1);
    EXPECT_EQ(bytes[at + 17], 1);
    std::memcpy(fields, bytes.data() + at + 22, 12);
    EXPECT_EQ(fields[0], -5);
    EXPECT_EQ(fields[2], 70);

    TTestSeries copy(nullptr);
    Read(copy, bytes);
    const TSeriesMarksPositions& read = copy.Marks()->Positions();
    ASSERT_EQ(read.Count(), 3);
    const TSeriesMarkPosition& p = *read.Position(1);
    EXPECT_TRUE(p.Custom);
    EXPECT_TRUE(p.ArrowFix);
    EXPECT_EQ(p.ArrowFrom, dragged.ArrowFrom);
    EXPECT_EQ(p.ArrowTo, dragged.ArrowTo);
    EXPECT_EQ(p.Bounds(), dragged.Bounds());
    EXPECT_EQ(read.Position(0)->Width, 3);
    EXPECT_FALSE(read.Position(2)->Custom);
    EXPECT_EQ(Write(copy), bytes);

    // A record cut short adds neither its point nor its position.
    TTestSeries cut(nullptr);
    EXPECT_THROW(Read(cut, bytes.substr(0, bytes.size() - 10)), Exception);
    EXPECT_EQ(cut.Count(), 2);
    EXPECT_EQ(cut.Marks()->Positions().Count(), 2);
}

}  // namespace
