// Every published default against the value a new object has. A writer leaves out a property at
// its default, so a default that differs from what the constructor sets makes every stored
// object carry that property (and a reader that trusts the default would get it wrong). After the
// program's start-up, each registered class that can be created is made, and each declared
// default of it and of the sub-objects it publishes is compared with the new object's value.
// A class registered later is covered without a change here.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "platform/classes/ClassRegistry.h"
#include "platform/classes/Component.h"
#include "platform/classes/PropInfo.h"
#include "platform/rtl/FloatFormat.h"
#include "tests/app/ProgramUnits.h"

namespace {

// The defaults that differ from a new object on purpose: each row names a class (with the classes
// derived from it; none: any class) and a property path, and says why.
struct TDefaultException {
    const char* Class;
    const char* Path;
    const char* Why;
};
const TDefaultException Exceptions[] = {
    {"TForm", "Visible", "forms are built in code and never stored; a form is hidden until shown"},
    {"TForm", "Align", "an editor form fills the page it is embedded in; forms are never stored"},
    {nullptr, "Marks.Callout.Brush.Color", "the marks' callout is drawn black"},
    {"TSeriesMarks", "Callout.Brush.Color", "the marks' callout is drawn black"},
    {"TPieSeries", "Gradient.Direction", "a pie's gradient is radial"},
    {"THorizAreaSeries", "Gradient.Direction", "a horizontal area's gradient runs left to right"},
    {"TContourSeries", "Marks.Transparent", "a contour's level marks have no frame"},
    {"TContourSeries", "Pointer.HorizSize", "a contour's level points are small"},
    {"TContourSeries", "Pointer.VertSize", "a contour's level points are small"},
    {"TVector3DSeries", "StartArrow.Color", "a vector's arrows take the series colour"},
    {"TVector3DSeries", "EndArrow.Color", "a vector's arrows take the series colour"},
    {"TCandleSeries", "HighLowPen.Color", "a candle's wicks take the candle pen's colour"},
    {"TCandleSeries", "DownCloseGradient.StartColor", "falling candles are red"},
    {"TDarvasSeries", "BoxBrush.BackColor", "Darvas boxes fill with the palette's second colour"},
    {"TAnnotationTool", "Callout.Brush.Color", "an annotation's callout is drawn black"},
    {"TRectangleTool", "Shape.Transparency", "a rectangle is three quarters see-through"},
    {"TNearestTool", "Brush.Style", "the nearest point's mark is not filled"},
    {"TNearestTool", "Pen.Color", "the nearest point's mark is drawn white"},
    {"TNearestTool", "Pen.Style", "the nearest point's mark is dotted"},
    {"TRotateTool", "Pen.Color", "the rotation outline is drawn white"},
    {"TRotateTool", "Pen.Mode", "the rotation outline is drawn in XOR, so it erases itself"},
    {"TPieTool", "Pen.Width", "a focused slice is outlined 4 pixels wide"},
    {"TGridBandTool", "Band2.Color", "a grid band's second stripes are white"},
    {"TFrameTool", "Brush.Color", "a frame's mat is white"},
    {"TFrameTool", "Brush.Style", "a frame has no mat until its brush is given a style"},
    {"TCustomBoxSeries", "Pointer.Brush.Color", "a box plot's box is white"},
    {"TCustomBoxSeries", "Pointer.Draw3D", "a box plot's box is flat"},
    {"TCustomBoxSeries", "Pointer.HorizSize", "a box plot's box is 30 pixels thick"},
    {"TCustomBoxSeries", "Pointer.VertSize", "a box plot's box is 30 pixels thick"},
    {"TCustomBoxSeries", "MedianPen.Style", "a box plot's median is dotted"},
    {"TMyPointSeries", "Pointer.Draw3D", "line points are flat"},
    {"TMyPointSeries", "LinesPen.Color", "line points' guide lines are red"},
    {"TVolumePipeSeries", "Gradient.MidColor", "a volume pipe's shading is white in the middle"},
    {"TPointFigureSeries", "UpSymbol.Brush.Color", "point-and-figure rises are green"},
    {"TPointFigureSeries", "DownSymbol.Brush.Color", "point-and-figure falls are red"},
    {"TKagiSeries", "BuySymbol.Brush.Color", "kagi buy symbols are green"},
    {"TKagiSeries", "SellSymbol.Brush.Color", "kagi sell symbols are red"},
    {"TKagiSeries", "UpSwing.Color", "kagi's thick strokes are green"},
    {"TKagiSeries", "UpSwing.Width", "kagi's strokes after a rise are thick"},
    {"TKagiSeries", "DownSwing.Color", "kagi's thin strokes are red"},
    {"TTagCloudSeries", "Brush.Style", "a tag cloud's words stand on the chart without a fill"},
    {"TCalendarSeries", "Sunday.Color", "a calendar's Sunday cells take the chart's palette"},
    {"TCalendarSeries", "Today.Color", "a calendar's Today cell takes the chart's palette"},
    {"TGaugeSeries", "Center.Brush.Color", "a needle gauge's centre is black"},
    {"TGaugeSeries", "Center.Gradient.Visible", "a needle gauge's centre is shaded"},
    {"TGaugeSeries", "Center.HorizSize", "a needle gauge's centre is 8 pixels"},
    {"TGaugeSeries", "Center.VertSize", "a needle gauge's centre is 8 pixels"},
    {"TGaugeSeries", "EndPoint.Brush.Color", "a needle gauge's end point is white"},
    {"TGaugeSeries", "EndPoint.HorizSize", "a needle gauge's end point is 3 pixels"},
    {"TGaugeSeries", "EndPoint.VertSize", "a needle gauge's end point is 3 pixels"},
    {"TInnerChart", "Color", "an inner chart is transparent over its outer chart"},
    {"TInnerChart", "ParentColor", "an inner chart has a colour of its own: none"},
    {"TInnerChart", "Foot.Visible", "an inner chart shows no titles"},
    {"TInnerChart", "Legend.Visible", "an inner chart shows no legend"},
    {"TInnerChart", "SubFoot.Visible", "an inner chart shows no titles"},
    {"TInnerChart", "SubTitle.Visible", "an inner chart shows no titles"},
    {"TInnerChart", "Title.Visible", "an inner chart shows no titles"},
    {"TADXFunction", "UpLinePen.Color", "the +DI line is green"},
    {"TADXFunction", "DownLinePen.Color", "the -DI line is red"},
    {"TMACDFunction", "HistogramPen.Color", "the MACD histogram is red"},
    {"TMACDFunction", "MACDExpPen.Color", "the MACD signal line is green"},
    {"TChartShape", "Brush.Color", "a shape is filled white"},
    {"TBubbleSeries", "Marks.Transparent", "a bubble's marks have no frame"},
    {"TBubbleSeries", "Pointer.InflateMargins", "bubbles are sized by their radius"},
    {"TArrowSeries", "Marks.Transparent", "an arrow's marks have no frame"},
    {"TArrowSeries", "Pointer.InflateMargins", "an arrow's pointer is only its head"},
    {"THighLowSeries", "HighBrush.Style", "a high-low band is not filled"},
    {"THighLowSeries", "LowBrush.Style", "a high-low band is not filled"},
    {"TImagePointSeries", "Pointer.HorizSize", "an image point is its picture's size"},
    {"TImagePointSeries", "Pointer.VertSize", "an image point is its picture's size"},
    {"TPageNumTool", "DisabledButton.Visible", "a page button that cannot act is filled"},
    {"TPageNumTool", "DisabledButton.EndColor", "a page button that cannot act is white to silver"},
    {"TPageNumTool", "EnabledButton.Visible", "a page button that can act is filled"},
    {"TPageNumTool", "EnabledButton.StartColor", "a page button that can act is black to silver"},
    {"TPageNumTool", "EnabledButton.EndColor", "a page button that can act is black to silver"},
    {"TTeeScrollBar", "Brush.Color", "a drawn scroll bar is white"},
    {"TTeeScrollBar", "Brush.BackColor", "a drawn scroll bar's back is the system's"},
    {"TTeeScrollBar", "Pen.Color", "a drawn scroll bar is outlined in the window-frame colour"},
    {"TTeeScrollBar", "Thumb.Brush.Color", "a scroll bar's thumb is silver"},
    {"TTeeScrollBar", "Thumb.Brush.BackColor", "a scroll bar's thumb is silver"},
    {"TExtraLegendTool", "Legend.CustomPosition", "an extra legend sits at a place of its own"},
    {"TExtraLegendTool", "Legend.LegendStyle", "an extra legend lists its series' values"},
    {"TSeriesBandTool", "Brush.Color", "a series band is white"},
    {"TSeriesRegionTool", "Brush.BackColor", "a series region's colour is white"},
    {"TMagnifyTool", "Shape.Brush.Style", "a magnifier shows only the enlarged picture"},
    {"TCustomGauge", "Face.Gradient.Visible", "a gauge's face is shaded"},
    {"TCustomGauge", "Face.Gradient.Direction", "a gauge's face is shaded from the bottom up"},
    {"TCustomGauge", "Face.Gradient.StartColor",
     "a gauge's face shading comes from the gauge's palette"},
    {"TCustomGauge", "Face.Gradient.MidColor",
     "a gauge's face shading comes from the gauge's palette"},
    {"TCustomGauge", "Face.Gradient.EndColor",
     "a gauge's face shading comes from the gauge's palette"},
    {"TCustomGauge", "Frame.InnerBrush.BackColor",
     "a gauge's frame rings take colours from the gauge's palette"},
    {"TCustomGauge", "Frame.InnerBrush.Gradient.EndColor",
     "a gauge's frame rings take colours from the gauge's palette"},
    {"TCustomGauge", "Frame.MiddleBrush.BackColor",
     "a gauge's frame rings take colours from the gauge's palette"},
    {"TCustomGauge", "Frame.MiddleBrush.Gradient.EndColor",
     "a gauge's frame rings take colours from the gauge's palette"},
    {"TCustomGauge", "Frame.OuterBrush.BackColor",
     "a gauge's frame rings take colours from the gauge's palette"},
    {"TCustomGauge", "Frame.OuterBrush.Gradient.EndColor",
     "a gauge's frame rings take colours from the gauge's palette"},
    {"TCustomGaugeMinMax", "GreenLine.VertSize", "a gauge's colour range is 5 pixels thick"},
    {"TCustomGaugeMinMax", "GreenLine.Brush.Color",
     "a gauge's colour ranges take colours from the gauge's palette"},
    {"TCustomGaugeMinMax", "GreenLine.Gradient.Visible", "a gauge's colour ranges are shaded"},
    {"TCustomGaugeMinMax", "GreenLine.Gradient.Direction",
     "a gauge's colour ranges are shaded from the bottom up"},
    {"TCustomGaugeMinMax", "GreenLine.Gradient.StartColor",
     "a gauge's colour ranges take colours from the gauge's palette"},
    {"TCustomGaugeMinMax", "GreenLine.Gradient.EndColor",
     "a gauge's colour ranges take colours from the gauge's palette"},
    {"TCustomGaugeMinMax", "RedLine.VertSize", "a gauge's colour range is 5 pixels thick"},
    {"TCustomGaugeMinMax", "RedLine.Brush.Color",
     "a gauge's colour ranges take colours from the gauge's palette"},
    {"TCustomGaugeMinMax", "RedLine.Gradient.Visible", "a gauge's colour ranges are shaded"},
    {"TCustomGaugeMinMax", "RedLine.Gradient.Direction",
     "a gauge's colour ranges are shaded from the bottom up"},
    {"TCustomGaugeMinMax", "RedLine.Gradient.StartColor",
     "a gauge's colour ranges take colours from the gauge's palette"},
    {"TCustomGaugeMinMax", "RedLine.Gradient.EndColor",
     "a gauge's colour ranges take colours from the gauge's palette"},
    {"TCustomGaugeMinMax", "Hand.Brush.Color", "a gauge's hand is red (black on the dial)"},
    {"TCustomGaugeMinMax", "Hand.Pen.Color", "a gauge's hand is outlined from the gauge's palette"},
    {"TCustomGaugeMinMax", "Hand.Transparency", "a gauge's hand is see-through"},
    {"TCustomGaugeMinMax", "MinorTicks.HorizSize", "a gauge's minor ticks are dots"},
    {"TCustomGaugeMinMax", "MinorTicks.VertSize", "a gauge's minor ticks are dots"},
    {"TCustomGaugeMinMax", "MinorTicks.Brush.Color", "a gauge's minor ticks are not filled"},
    {"TCustomGaugeMinMax", "MinorTicks.Pen.Color",
     "a gauge's minor ticks are drawn from the gauge's palette"},
    {"TCustomGaugeMinMax", "Ticks.VertSize", "a gauge's ticks are 10 pixels long"},
    {"TCustomGaugeMinMax", "Ticks.Brush.Style", "a gauge's ticks are not filled"},
    {"TCustomGaugeMinMax", "Ticks.Pen.Color", "a gauge's ticks are drawn from the gauge's palette"},
    {"TCircularGauge", "Face.ShapeStyle", "a dial's face is round"},
    {"TCircularGauge", "Hand.HorizSize", "a dial's hand is 10 pixels wide"},
    {"TCircularGauge", "Hand.VertSize", "a dial's hand is 30 pixels long until drawn"},
    {"TCircularGauge", "Hand.Gradient.Visible", "a dial's hand is shaded"},
    {"TCircularGauge", "Hand.Gradient.Direction", "a dial's hand is shaded across"},
    {"TCircularGauge", "Hand.Gradient.StartColor",
     "a dial's hand shading comes from the gauge's palette"},
    {"TCircularGauge", "Hand.Gradient.MidColor",
     "a dial's hand shading comes from the gauge's palette"},
    {"TCircularGauge", "Hand.Gradient.EndColor",
     "a dial's hand shading comes from the gauge's palette"},
    {"TCircularGauge", "Center.HorizSize", "a dial's centre cap is 32 pixels across"},
    {"TCircularGauge", "Center.VertSize", "a dial's centre cap is 32 pixels across"},
    {"TCircularGauge", "Center.Gradient.Visible", "a dial's centre cap is shaded"},
    {"TCircularGauge", "EndPoint.Brush.Color", "a dial's end point is white"},
    {"TLinearGauge", "MaxValueIndicator.Brush.Color", "a linear gauge's top mark is red"},
    {"TLinearGauge", "MaxValueIndicator.Draw3D", "a linear gauge's top mark is flat"},
    {"TLinearGauge", "MaxValueIndicator.VertSize", "a linear gauge's top mark is 5 pixels high"},
    {"TText3DTool", "Font.OutLine.Color", "3-D text is outlined in white"},
};

struct TMismatch {
    TClass Class;
    std::string Path;  // the property path below the class
    std::string Text;
};

bool Covers(const TDefaultException& row, const TMismatch& m) {
    if (m.Path != row.Path) return false;
    if (!row.Class) return true;
    for (TClass c = m.Class; c; c = c->ClassParent())
        if (c->ClassName() == row.Class) return true;
    return false;
}

std::string ValueText(const TPropInfo& prop, const TObject* object, bool declared) {
    switch (prop.Kind) {
        case tkFloat:
            return FloatToStr(declared ? prop.FloatDefault : prop.GetFloat(object));
        case tkString:
            return '"' + (declared ? prop.StrDefault : prop.GetStr(object)) + '"';
        default:
            return std::to_string(declared ? prop.OrdDefault : prop.GetOrd(object));
    }
}

bool Compared(const TPropInfo& prop) {
    switch (prop.Kind) {
        case tkInteger:
        case tkEnumeration:
        case tkSet:
        case tkColor:
        case tkBoolean:
            return prop.HasDefault;
        case tkFloat:
        case tkString:
            return prop.HasDefault &&
                   (prop.Kind == tkFloat ? bool(prop.GetFloat) : bool(prop.GetStr));
        default:
            return false;
    }
}

// Adds each stored property of object (of the new instance of cls, at path) that differs from its
// declared default, and goes into the sub-objects it publishes.
void CollectMismatches(TClass cls, const TObject* object, const std::string& path,
                       std::set<const TObject*>& seen, std::vector<TMismatch>& out) {
    if (!object || !seen.insert(object).second) return;
    for (const TPropInfo& prop : object->ClassType().Properties()) {
        const std::string name = path.empty() ? prop.Name : path + "." + prop.Name;
        if (prop.Kind == tkClass && prop.GetObject) {
            CollectMismatches(cls, prop.GetObject(object), name, seen, out);
            continue;
        }
        if (!Compared(prop) || !prop.IsStored(object) || prop.IsDefaultValue(object)) continue;
        out.push_back({cls, name,
                       cls->ClassName() + "." + name + ": default " +
                           ValueText(prop, object, true) + ", new " +
                           ValueText(prop, object, false)});
    }
}

class PublishedDefaultsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterProgramUnitsOnce(); }
};

TEST_F(PublishedDefaultsTest, EveryCreatableClassStartsAtItsPublishedDefaults) {
    std::vector<TMismatch> mismatches;
    for (TClass cls : RegisteredClasses()) {
        if (!cls->CanCreate()) continue;
        TObject* object = cls->Create(nullptr);
        std::set<const TObject*> seen;
        CollectMismatches(cls, object, "", seen, mismatches);
        TObject::Free(object);
    }
    std::string unexplained;
    for (const TMismatch& m : mismatches)
        if (std::none_of(std::begin(Exceptions), std::end(Exceptions),
                         [&](const TDefaultException& row) { return Covers(row, m); }))
            unexplained += "\n  " + m.Text;
    EXPECT_TRUE(unexplained.empty()) << "defaults that differ from a new object:" << unexplained;

    // A row that covers nothing any more is dropped; that every row covers something also shows
    // that the start-up registered the series, the charts and the editor forms.
    for (const TDefaultException& row : Exceptions) {
        EXPECT_TRUE(std::any_of(mismatches.begin(), mismatches.end(),
                                [&](const TMismatch& m) { return Covers(row, m); }))
            << (row.Class ? row.Class : "any class") << " " << row.Path
            << " now starts at its default: drop its row";
    }
}

}  // namespace
