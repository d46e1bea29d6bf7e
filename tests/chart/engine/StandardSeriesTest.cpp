// The "Standard" page of the series gallery: the standard series types in gallery order, with
// their names and sample series, known to the stream by class name.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ChartStubs.h"
#include "chart/engine/AreaSeries.h"
#include "chart/engine/BarSeries.h"
#include "chart/engine/BarSeriesGradient.h"
#include "chart/engine/FastLineSeries.h"
#include "chart/engine/HorizBarSeries.h"
#include "chart/engine/LineSeries.h"
#include "chart/engine/PieSeries.h"
#include "chart/engine/PointSeries.h"
#include "chart/engine/SeriesTypes.h"
#include "chart/engine/StandardSeries.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/Streams.h"

namespace {

TEST(StandardSeries, RegisteredInGalleryOrderOnTheStandardPage) {
    LoadCoreTexts();
    RegisterStandardSeriesTypes();
    RegisterStandardSeriesTypes();  // a second time adds nothing
    struct TRow {
        TClass seriesClass;
        std::string name;
        int samples;
        bool operator==(const TRow&) const = default;
    };
    const std::vector<TRow> expected = {
        {&TLineSeries::StaticClass(), "Line", 2},
        {&TBarSeries::StaticClass(), "Bar", 2},
        {&THorizBarSeries::StaticClass(), "Horizontal\rBar", 2},
        {&TAreaSeries::StaticClass(), "Area", 2},
        {&TPointSeries::StaticClass(), "Point", 2},
        {&TPieSeries::StaticClass(), "Pie", 1},
        {&TFastLineSeries::StaticClass(), "Fast Line", 2},
        {&THorizLineSeries::StaticClass(), "Horizontal\rLine", 1},
        {&THorizAreaSeries::StaticClass(), "Horizontal\rArea", 1},
    };
    std::vector<TRow> listed;
    for (int i = 0; i < SeriesTypeList().Count(); ++i) {
        const TTeeSeriesType* e = SeriesTypeList()[i];
        if (*e->PageText != "Standard" || e->FunctionClassRef) continue;
        listed.push_back({e->SeriesClassRef, *e->DescriptionText, e->SampleSeriesCount});
    }
    EXPECT_EQ(listed, expected);
    for (const TRow& row : expected)
        EXPECT_EQ(FindClass(row.seriesClass->ClassName()), row.seriesClass);
    for (const TRow& row : expected) UnregisterSeriesClasses({row.seriesClass});
}

// Writes source and reads it into a new series of its class.
template <class T>
std::unique_ptr<T> Streamed(T& source, std::string* text = nullptr) {
    TMemoryStream stream;
    WriteComponentToStream(stream, &source);
    if (text) {
        TMemoryStream out;
        stream.SetPosition(0);
        ObjectBinaryToText(stream, out);
        *text = std::string(out.Memory(), size_t(out.Size()));
    }
    stream.SetPosition(0);
    auto copy = std::make_unique<T>(nullptr);
    ReadComponentFromStream(stream, copy.get());
    return copy;
}

TEST(StandardSeries, SettingsSurviveTheStream) {
    LoadCoreTexts();
    {
        TBarSeries bars(nullptr);
        std::string text;
        Streamed(bars, &text);
        for (const char* absent : {"MultiBar", "BarStyle", "BarWidthPercent", "Relative"})
            EXPECT_EQ(text.find(absent), std::string::npos) << absent << "\n" << text;
        bars.SetMultiBar(mbStacked100);
        bars.SetBarStyle(bsSlantCube);
        bars.SetCustomBarWidth(9);
        bars.SetYOrigin(2.5);
        bars.Gradient()->SetRelative(true);
        bars.TickLines()->SetVisible(true);
        auto copy = Streamed(bars);
        EXPECT_EQ(copy->MultiBar(), mbStacked100);
        EXPECT_EQ(copy->BarStyle(), bsSlantCube);
        EXPECT_EQ(copy->CustomBarWidth(), 9);
        EXPECT_EQ(copy->YOrigin(), 2.5);
        EXPECT_TRUE(copy->Gradient()->Relative());
        EXPECT_TRUE(copy->TickLines()->Visible());
    }
    {
        THorizBarSeries bars(nullptr);
        bars.SetCustomBarWidth(5);
        std::string text;
        EXPECT_EQ(Streamed(bars, &text)->CustomBarWidth(), 5);
        EXPECT_NE(text.find("CustomBarHeight = 5"), std::string::npos) << text;
    }
    {
        TFastLineSeries line(nullptr);
        line.SetTreatNulls(tnDontPaint);
        line.SetStairs(true);
        line.SetDrawAllPoints(false);
        line.LinePen()->SetWidth(3);
        auto copy = Streamed(line);
        EXPECT_EQ(copy->TreatNulls(), tnDontPaint);
        EXPECT_TRUE(copy->Stairs());
        EXPECT_FALSE(copy->DrawAllPoints());
        EXPECT_EQ(copy->LinePen()->Width(), 3);
    }
    {
        TPieSeries pie(nullptr);
        pie.SetAngleSize(180);
        pie.SetRotationAngle(45);
        pie.OtherSlice()->SetStyle(poBelowValue);
        pie.OtherSlice()->SetValue(3);
        pie.PieMarks()->SetLegSize(6);
        std::string text;
        auto copy = Streamed(pie, &text);
        EXPECT_EQ(copy->AngleSize(), 180);
        EXPECT_EQ(copy->RotationAngle(), 45);
        EXPECT_EQ(copy->OtherSlice()->Style(), poBelowValue);
        EXPECT_EQ(copy->OtherSlice()->Value(), 3);
        EXPECT_EQ(copy->PieMarks()->LegSize(), 6);
        EXPECT_EQ(text.find("OtherSlice.Text"), std::string::npos) << text;
    }
}

}  // namespace
