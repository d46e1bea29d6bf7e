// The numeric read-out: its three markers and how they follow the value, its format and the
// palette; the markers through both stream forms, and what a damaged marker block does; the
// digital faces the program registers and what happens without them; the markers page.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "chart/editors/FontNameHook.h"
#include "chart/export/ChartStream.h"
#include "chart/foundation/TeeFont.h"
#include "chart/series/gauge/GaugeFonts.h"
#include "chart/series/gauge/GaugePalettes.h"
#include "chart/series/gauge/MarkersEditor.h"
#include "chart/series/gauge/NumericGauge.h"
#include "chart/series/gauge/NumericGaugeEditor.h"
#include "chart/series/gauge/NumericMarker.h"
#include "platform/classes/Writer.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/PrivateFonts.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Button.h"
#include "platform/ui/Form.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/RecordingDialogService.h"
#include "platform/ui/SpeedButton.h"
#include "tests/chart/series/GalleryRoundTrip.h"
#include "tests/chart/series/gauge/GaugeChartFixture.h"

namespace {

class NumericGaugeTest : public GaugeChartFixture {
protected:
    static std::vector<std::string> MarkerTexts(const TNumericGauge& gauge) {
        std::vector<std::string> texts;
        for (int i = 0; i < gauge.Markers().Count(); ++i)
            texts.push_back(gauge.Markers().Marker(i)->Text());
        return texts;
    }
    // The chart written as text, read back into a new chart: its first series.
    TNumericGauge* ReadBack(bool asText) {
        TMemoryStream s;
        WriteChartStream(*Chart, s, true, asText);
        s.SetPosition(0);
        auto* copy = new TChart(&Form);
        ReadChartStream(*copy, s);
        return copy->SeriesCount() > 0 ? dynamic_cast<TNumericGauge*>(copy->GetSeries(0)) : nullptr;
    }
};

TEST_F(NumericGaugeTest, ANewGaugeShowsValueUnitAndCaptionInTheBarFace) {
    auto* gauge = Add<TNumericGauge>();
    gauge->SetValue(1234.5);
    EXPECT_EQ(MarkerTexts(*gauge), (std::vector<std::string>{"1,234.5", "MHz", "FREQ"}));
    struct TExpected {
        int Size;
        TAnnotationPosition Position;
        bool Transparent;
        TColor Text, Box;
    };
    const TColor text = GaugeLCDPalette[20], box = GaugeLCDPalette[4];
    const TExpected expected[] = {{36, ppCenter, true, text, box},
                                  {18, ppLeftBottom, true, text, box},
                                  {11, ppLeftTop, false, box, text}};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const TTextShape& shape = *gauge->Markers().Marker(i)->Shape();
        EXPECT_EQ(shape.Font()->Size(), expected[i].Size);
        EXPECT_EQ(gauge->Markers().Marker(i)->Position(), expected[i].Position);
        EXPECT_EQ(shape.Transparent(), expected[i].Transparent);
        EXPECT_EQ(shape.Font()->Color(), expected[i].Text);
        EXPECT_EQ(shape.Color(), expected[i].Box);
        EXPECT_EQ(shape.Font()->Name(), "DS-Digital");
        EXPECT_FALSE(shape.Pen()->Visible());
        EXPECT_EQ(gauge->Markers().Marker(i)->Gauge(), gauge);
        // Markers are the gauge's, not the chart's tools.
        EXPECT_EQ(gauge->Markers().Marker(i)->ParentChart(), nullptr);
        EXPECT_EQ(shape.ParentChart(), Chart);
    }
    EXPECT_EQ(Chart->Tools().Count(), 0);
    EXPECT_FALSE(gauge->UsesAxes());
}

TEST_F(NumericGaugeTest, MarkerZeroFollowsValueAndFormat) {
    auto* gauge = Add<TNumericGauge>();
    gauge->SetValue(3.14159);
    EXPECT_EQ(gauge->ValueMarker()->Text(), "3.142");
    gauge->SetValueFormat("0.0000");
    EXPECT_EQ(gauge->ValueMarker()->Text(), "3.1416");
    gauge->FillSampleValues();
    EXPECT_EQ(gauge->ValueMarker()->Text(), FormatFloat("0.0000", gauge->Value()));
    // Without markers the value has none to show; the accessors then make the missing ones.
    gauge->Markers().Clear();
    gauge->SetValue(8);
    EXPECT_EQ(gauge->Markers().Count(), 0);
    gauge->CaptionMarker()->SetText("C");
    EXPECT_EQ(MarkerTexts(*gauge), (std::vector<std::string>{"", "", "C"}));
    gauge->SetValue(9);
    EXPECT_EQ(gauge->ValueMarker()->Text(), "9.0000");
}

TEST_F(NumericGaugeTest, PaletteColoursTheMarkersAndItsLastEntryServesPastTheEnd) {
    auto* gauge = Add<TNumericGauge>();
    gauge->AddMarker("fourth")->Shape()->SetColor(clTeal);
    const TColor single[] = {clOlive};
    gauge->ApplyPalette(single);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(gauge->Markers().Marker(i)->Shape()->Font()->Color(), clOlive) << i;
        EXPECT_EQ(gauge->Markers().Marker(i)->Shape()->Color(), clOlive) << i;
    }
    // Only the three markers of a new gauge have colours of the palette.
    EXPECT_EQ(gauge->Markers().Marker(3)->Shape()->Color(), clTeal);
}

TEST_F(NumericGaugeTest, MarkersDrawInTheFaceInTheFaceTheDigitalFontChooses) {
    auto* gauge = Add<TNumericGauge>();
    gauge->SetValue(42);
    gauge->UnitMarker()->Shape()->Font()->SetName("Courier New");
    gauge->CaptionMarker()->SetActive(false);
    struct TCase {
        TDigitalFont Font;
        const char* Face;
    };
    for (const TCase& c :
         {TCase{dfDot, "Elektra"}, TCase{dfCustom, "Elektra"}, TCase{dfBar, "DS-Digital"}}) {
        SCOPED_TRACE(c.Face);
        gauge->SetDigitalFont(c.Font);
        gauge->UnitMarker()->Shape()->Font()->SetName("Courier New");
        Draw();
        EXPECT_EQ(gauge->ValueMarker()->Shape()->Font()->Name(), c.Face);
        // A custom font keeps each marker's own face.
        EXPECT_EQ(gauge->UnitMarker()->Shape()->Font()->Name(),
                  c.Font == dfCustom ? "Courier New" : c.Face);
        std::vector<std::string> drawn;
        for (const TCanvas3DCall& call : CallsOf("Text")) {
            drawn.push_back(call.Text);
            // Every text lies inside the face.
            const TRect& face = gauge->FaceRect();
            EXPECT_GE(call.Args[0], face.Left) << call.Text;
            EXPECT_GE(call.Args[1], face.Top) << call.Text;
            EXPECT_LT(call.Args[0], face.Right) << call.Text;
            EXPECT_LT(call.Args[1], face.Bottom) << call.Text;
        }
        // The inactive caption is not drawn.
        EXPECT_EQ(drawn, (std::vector<std::string>{"42", "MHz"}));
    }
}

TEST_F(NumericGaugeTest, MarkersRoundTripThroughBothStreamForms) {
    auto* gauge = Add<TNumericGauge>();
    gauge->SetValue(7.5);
    gauge->SetDigitalFont(dfCustom);
    TNumericMarker* extra = gauge->AddMarker("extra\rline");
    extra->SetPosition(ppRightTop);
    extra->Shape()->Font()->SetName("Courier New");
    extra->Shape()->Font()->SetSize(14);
    extra->SetActive(false);
    gauge->UnitMarker()->SetText("kHz");
    for (bool asText : {false, true}) {
        SCOPED_TRACE(asText ? "text" : "binary");
        TNumericGauge* copy = ReadBack(asText);
        ASSERT_NE(copy, nullptr);
        // Exactly the stored markers: the three of a new gauge are not added while reading.
        EXPECT_EQ(MarkerTexts(*copy),
                  (std::vector<std::string>{"7.5", "kHz", "FREQ", "extra\rline"}));
        EXPECT_EQ(copy->DigitalFont(), dfCustom);
        const TNumericMarker& m = *copy->Markers().Marker(3);
        EXPECT_EQ(m.Position(), ppRightTop);
        EXPECT_EQ(m.Shape()->Font()->Name(), "Courier New");
        EXPECT_EQ(m.Shape()->Font()->Size(), 14);
        EXPECT_FALSE(m.Active());
        EXPECT_EQ(m.Gauge(), copy);
        EXPECT_EQ(m.Shape()->ParentChart(), copy->ParentChart());
        EXPECT_EQ(copy->ParentChart()->Tools().Count(), 0);
    }
    // A gauge whose markers were all removed stores none and reads back without any.
    gauge->Markers().Clear();
    EXPECT_EQ(ChartSnapshot(*Chart).find("InternalMarkers"), std::string::npos);
    for (bool asText : {false, true}) {
        TNumericGauge* copy = ReadBack(asText);
        ASSERT_NE(copy, nullptr);
        EXPECT_EQ(copy->Markers().Count(), 0);
    }
}

// The chart's text with the marker block replaced by these bytes.
std::string WithMarkerBlock(const std::string& text, const std::vector<uint8_t>& bytes) {
    const size_t at = text.find("InternalMarkers = {");
    const size_t open = text.find('{', at);
    const size_t close = text.find('}', open);
    std::string hex;
    static const char* digits = "0123456789ABCDEF";
    for (uint8_t b : bytes) {
        hex += digits[b >> 4];
        hex += digits[b & 15];
    }
    return text.substr(0, open + 1) + hex + text.substr(close);
}

TEST_F(NumericGaugeTest, ADamagedMarkerBlockIsRefused) {
    Add<TNumericGauge>();
    TMemoryStream s;
    WriteChartStream(*Chart, s, true, true);
    const std::string text(s.Memory(), size_t(s.Size()));
    ASSERT_NE(text.find("InternalMarkers = {"), std::string::npos);

    // One component that is no marker.
    TMemoryStream other;
    TComponent stranger(nullptr);
    auto* series = new TNumericGauge(&stranger);
    WriteComponentToStream(other, series);
    std::vector<uint8_t> wrongClass{1, 0, 0, 0};
    wrongClass.insert(wrongClass.end(), other.Memory(), other.Memory() + other.Size());

    struct TCase {
        const char* Name;
        std::vector<uint8_t> Bytes;
    };
    const TCase cases[] = {
        {"no count", {1, 0}},
        {"more markers than bytes", {0xFF, 0xFF, 0, 0, 'T', 'P', 'F', '0', 0}},
        {"negative count", {0xFF, 0xFF, 0xFF, 0xFF}},
        {"a component that is no marker", wrongClass},
    };
    // The chart reader reports each fault to its caller and goes on past it.
    auto faultsOf = [&](const std::vector<uint8_t>& bytes) {
        TStringStream in(WithMarkerBlock(text, bytes));
        TComponent owner(nullptr);
        auto* copy = new TChart(&owner);
        std::vector<std::string> faults;
        ReadChartStreamEx(*copy, in, true, [&](const std::string& message) {
            faults.push_back(message);
            return true;
        });
        return faults;
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_FALSE(faultsOf(c.Bytes).empty());
    }
    // The class check names the cast.
    const std::vector<std::string> faults = faultsOf(wrongClass);
    EXPECT_TRUE(std::any_of(faults.begin(), faults.end(), [](const std::string& m) {
        return m.find("Invalid class typecast") != std::string::npos;
    })) << (faults.empty() ? std::string("no fault") : faults.front());
}

TEST_F(NumericGaugeTest, TheDigitalFacesAreListedAndTheirAbsenceGoesUnnoticed) {
    // The library's start-up registered both faces from the installed DSEG files.
    std::vector<std::string> faces = PrivateFontNames();
    for (const char* face : {"DS-Digital", "Elektra"})
        EXPECT_NE(std::find(faces.begin(), faces.end(), face), faces.end()) << face;
    EXPECT_EQ(FontFamilyFor("DS-Digital"), "DSEG7 Classic");
    EXPECT_EQ(FontFamilyFor("Elektra"), "DSEG14 Classic");
    ASSERT_TRUE(FontListHook);
    TStringList names;
    FontListHook(names);
    EXPECT_EQ(names.Text(), "Elektra\r\nDS-Digital\r\n");

    // Without the files: nothing registered, nothing reported, and the markers still draw.
    LoadGaugeFonts("/nonexistent/folder");
    faces = PrivateFontNames();
    EXPECT_EQ(std::find(faces.begin(), faces.end(), "DS-Digital"), faces.end());
    EXPECT_FALSE(FontListHook);
    EXPECT_EQ(FontFamilyFor("DS-Digital"), "DS-Digital");
    auto* gauge = Add<TNumericGauge>();
    gauge->SetValue(5);
    EXPECT_NO_THROW(Draw());
    EXPECT_FALSE(CallsOf("Text").empty());
    LoadGaugeFonts();
    EXPECT_EQ(FontFamilyFor("DS-Digital"), "DSEG7 Classic");
}

TEST_F(NumericGaugeTest, AssignCopiesTheMarkersAndTheLEDVariantSwitchesFaceAndPalette) {
    TNumericGauge source(nullptr);
    source.SetDigitalFont(dfCustom);
    source.AddMarker("fourth");
    source.SetValue(2);
    TNumericGauge target(nullptr);
    target.Markers().Clear();
    target.Assign(&source);
    EXPECT_EQ(MarkerTexts(target), MarkerTexts(source));
    EXPECT_EQ(target.DigitalFont(), dfCustom);
    EXPECT_NE(target.Markers().Marker(3), source.Markers().Marker(3));
    EXPECT_EQ(target.Markers().Marker(3)->Gauge(), &target);

    std::vector<std::string> variants;
    target.ListGalleryVariants([&](const std::string& v) { variants.push_back(v); });
    EXPECT_EQ(variants.back(), "LED");
    target.ApplyGalleryVariant(&target, 1);
    EXPECT_EQ(target.DigitalFont(), dfDot);
    EXPECT_EQ(target.PaletteColor(0), GaugeLEDPalette[0]);
    EXPECT_EQ(target.ValueMarker()->Shape()->Font()->Color(), GaugeLEDPalette[20]);
}

TEST_F(NumericGaugeTest, EditorShowsTheMarkersPageWhichAddsClonesAndDeletes) {
    auto* gauge = Add<TNumericGauge>();
    gauge->SetValue(10);
    const std::string before = ChartSnapshot(*Chart);
    TForm window(nullptr);
    window.SetBounds(0, 0, 600, 400);
    auto* form = new TNumericGaugeEditor(&window);
    form->SetBorderStyle(bsNone);
    form->SetTagObject(gauge);
    form->SetParent(&window);
    window.Show();
    form->Show();
    EXPECT_EQ(ChartSnapshot(*Chart), before);
    EXPECT_TRUE(form->TabMarkers->TabVisible());
    EXPECT_TRUE(form->RGDigitalFont->Visible());
    EXPECT_EQ(form->RGDigitalFont->ItemIndex(), int(dfBar));
    form->RGDigitalFont->SetItemIndex(int(dfDot));
    EXPECT_EQ(gauge->DigitalFont(), dfDot);

    TMarkersEditor* page = nullptr;
    for (int i = 0; i < form->ComponentCount() && !page; ++i)
        page = dynamic_cast<TMarkersEditor*>(form->Components(i));
    ASSERT_NE(page, nullptr);
    form->PageControl1->SetActivePage(form->TabMarkers);
    EXPECT_EQ(page->LBTools->Count(), 3);

    page->BAdd->Click();
    ASSERT_EQ(gauge->Markers().Count(), 4);
    EXPECT_EQ(gauge->Markers().Marker(3)->Text(), "Marker");
    EXPECT_EQ(page->SelectedTool(), gauge->Markers().Marker(3));

    page->SelectTool(gauge->UnitMarker());
    page->BClone->Click();
    ASSERT_EQ(gauge->Markers().Count(), 5);
    EXPECT_EQ(gauge->Markers().Marker(4)->Text(), "MHz");
    EXPECT_EQ(gauge->Markers().Marker(4)->Gauge(), gauge);
    EXPECT_NE(gauge->Markers().Marker(4), gauge->Markers().Marker(1));

    // Deleting frees the marker, which leaves the gauge's list.
    TNumericMarker* doomed = gauge->Markers().Marker(2);
    page->SelectTool(doomed);
    TRecordingDialogService dialogs;
    dialogs.Answers = {mrYes};
    const int repaints = Chart->Invalidations;
    page->BDelete->Click();
    EXPECT_GT(Chart->Invalidations, repaints);
    EXPECT_EQ(MarkerTexts(*gauge), (std::vector<std::string>{"10", "MHz", "Marker", "MHz"}));
    EXPECT_EQ(page->LBTools->Count(), 4);
}

TEST_F(NumericGaugeTest, GalleryEntryDrawsEditsAndStreams) {
    TTeeSeriesType* entry = FindGalleryEntry("Numeric\rGauge");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(*entry->PageText, "Gauges");
    TGalleryRoundTrip trip(*entry);
    trip.Series->PrepareForGallery(true);
    trip.Draw();
    const std::string before = ChartSnapshot(*trip.Chart);
    ASSERT_NE(trip.OpenEditor(), nullptr);
    EXPECT_EQ(ChartSnapshot(*trip.Chart), before);
    trip.ExpectStreamsBackEqual();
}

}  // namespace
