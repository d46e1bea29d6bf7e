#pragma once
// The road of every series and function of the library through the program: created from its
// gallery entry as the gallery creates it, given sample values (a function from a source series
// of sample values), drawn on an off-screen bitmap, edited through the editor form its class
// names, then written as a chart stream in both forms and read back to the same chart.
//
// Use: TGalleryRoundTrip trip(entry) (the entry found by its gallery name with FindGalleryEntry),
// trip.FillSource(...) for a function, trip.Draw(), trip.OpenEditor() and change controls, then
// trip.ExpectStreamsBackEqual().
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "chart/engine/Chart.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/LineSeries.h"
#include "chart/engine/SeriesCreation.h"
#include "chart/engine/SeriesTypes.h"
#include "chart/engine/TeeFunction.h"
#include "chart/export/ChartStream.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Form.h"
#include "platform/ui/Panel.h"
#include "tests/chart/series/SeriesLibraryStartup.h"

// The registered gallery entry of that name, series or function; none when absent.
inline TTeeSeriesType* FindGalleryEntry(const std::string& name) {
    for (int i = 0; i < SeriesTypeList().Count(); ++i) {
        TTeeSeriesType* e = SeriesTypeList()[i];
        if (e->VariantIndex == 0 && e->DescriptionText && *e->DescriptionText == name) return e;
    }
    return nullptr;
}

// The chart with its points, as text: two charts that give the same are equal.
inline std::string ChartSnapshot(TCustomChart& chart) {
    TMemoryStream s;
    WriteChartStream(chart, s, true, true);
    return std::string(s.Memory(), size_t(s.Size()));
}

class TGalleryRoundTrip {
public:
    // A function entry's series is of seriesClass (the gallery's line series when none).
    explicit TGalleryRoundTrip(const TTeeSeriesType& entry, TClass seriesClass = nullptr) {
        Window.SetBounds(0, 0, 700, 600);
        Chart = new TChart(&Window);
        Chart->SetName("Chart1");
        Chart->SetParent(&Window);
        Chart->SetBounds(0, 0, 400, 250);
        Host = new TPanel(&Window);
        Host->SetParent(&Window);
        Host->SetBounds(0, 260, 600, 320);
        TClass cls = entry.SeriesClassRef ? entry.SeriesClassRef : seriesClass;
        if (!cls) cls = &TLineSeries::StaticClass();
        Series = CreateChartSeries(&Window, Chart, cls, entry.FunctionClassRef);
        if (!entry.FunctionClassRef) Series->FillSampleValues();
    }
    // A source series of sourceClass with sample values for the function.
    TChartSeries* FillSource(TClass sourceClass) {
        TChartSeries* source = CreateChartSeries(&Window, Chart, sourceClass);
        source->FillSampleValues();
        Series->SetDataSource(source);
        return source;
    }
    TTeeFunction* Function() const { return Series->Function(); }
    // The whole chart on a bitmap of the drawing platform.
    void Draw() {
        TBitmap target(400, 250);
        target.SetPixelFormat(pf24bit);
        Chart->Draw(target.Canvas(), TRect{0, 0, 400, 250});
    }
    // The editor form the series (or its function) names, shown on the host panel with the
    // edited object in its Tag; none, with a failure, when no such form is registered.
    TForm* OpenEditor() {
        TObject* edited = Function() ? static_cast<TObject*>(Function()) : Series;
        const std::string name = Function()
                                     ? Function()->EditorClassName()
                                     : TCustomChartElement::EditorClassNameOf(&Series->ClassType());
        const TClass cls = GetClass(name);
        EXPECT_NE(cls, nullptr) << name;
        if (!cls) return nullptr;
        auto* form = CreateAs<TForm>(cls, &Window);
        form->SetBorderStyle(bsNone);
        form->SetTagObject(edited);
        form->SetParent(Host);
        Window.Show();
        form->Show();
        return form;
    }
    // Both stream forms read back into a fresh chart give the same chart.
    void ExpectStreamsBackEqual() {
        const std::string original = ChartSnapshot(*Chart);
        for (bool asText : {false, true}) {
            SCOPED_TRACE(asText ? "text stream" : "binary stream");
            TMemoryStream s;
            WriteChartStream(*Chart, s, true, asText);
            s.SetPosition(0);
            TComponent owner(nullptr);
            auto* copy = new TChart(&owner);
            ReadChartStream(*copy, s);
            EXPECT_EQ(ChartSnapshot(*copy), original);
            ASSERT_EQ(copy->SeriesCount(), Chart->SeriesCount());
            EXPECT_EQ(copy->GetSeries(0)->ClassName(), Series->ClassName());
        }
    }

    TForm Window{nullptr};
    TChart* Chart = nullptr;
    TPanel* Host = nullptr;
    TChartSeries* Series = nullptr;
};
