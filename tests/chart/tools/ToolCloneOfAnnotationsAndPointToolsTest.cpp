// The annotation family and the point tools cloned (the tools page's Clone): every setting their
// classes copy comes along, the annotation's shape and callout, the rectangle's permissions and
// the draw line tool's lines with and without their own pens among them.
#include <gtest/gtest.h>

#include <string>

#include "chart/engine/PointSeries.h"
#include "chart/engine/SeriesCreation.h"
#include "chart/engine/ShapeMargins.h"
#include "chart/foundation/ChartPen.h"
#include "chart/tools/annotation/RectangleTool.h"
#include "chart/tools/overlay/DragMarksTool.h"
#include "chart/tools/overlay/DrawLineTool.h"
#include "chart/tools/overlay/MarksTipTool.h"
#include "chart/tools/overlay/NearestTool.h"
#include "tests/chart/tools/ToolBench.h"
#include "tests/support/ComponentText.h"

namespace {

// The stream text of a tool with its name left out.
std::string SettingsOf(TTeeCustomTool& tool) {
    const std::string name = tool.Name();
    tool.SetName("");
    std::string text = StreamText(tool);
    tool.SetName(name);
    return text;
}

void ExpectCloneCarriesAll(TTeeCustomTool& tool, TToolBench& bench) {
    TTeeCustomTool* copy = CloneChartTool(&tool, &bench.Form());
    copy->SetParentChart(tool.ParentChart());
    EXPECT_EQ(SettingsOf(*copy), SettingsOf(tool)) << tool.ClassName();
}

TEST(AnnotationAndPointToolsClone, EverySettingOfTheClassComesAlong) {
    TToolBench bench;
    TChartSeries* series = bench.AddSeries({{10, 10}, {30, 40}});

    auto* note = bench.AddTool<TAnnotationTool>();
    note->SetText("A\rnote");
    note->SetPosition(ppCenter);
    note->SetPositionUnits(muPercent);
    note->SetWidth(70);
    note->Shape()->Margins()->SetTop(9);
    note->Callout()->SetXPosition(120);
    note->Callout()->SetArrowHead(ahLine);
    ExpectCloneCarriesAll(*note, bench);

    auto* box = bench.AddTool<TRectangleTool>();
    box->SetAllowResize(false);
    box->SetLeft(33);
    box->SetText("Box");
    ExpectCloneCarriesAll(*box, bench);

    auto* lines = bench.AddTool<TDrawLineTool>();
    lines->SetButton(mbRight);
    lines->SetStyle(dlEllipse);
    lines->SetSeries(series);
    static_cast<TDrawLine*>(lines->Lines()->Add())->SetX1(40);
    auto* own = static_cast<TDrawLine*>(lines->Lines()->Add());
    own->SetY1(20);
    own->Pen()->SetColor(clLime);
    ExpectCloneCarriesAll(*lines, bench);

    auto* nearest = bench.AddTool<TNearestTool>();
    nearest->SetSeries(series);
    nearest->SetStyle(hsRectangle);
    nearest->SetSize(7);
    nearest->SetFullRepaint(false);
    nearest->LinePen()->SetColor(clFuchsia);
    ExpectCloneCarriesAll(*nearest, bench);

    auto* tips = bench.AddTool<TMarksTipTool>();
    tips->SetMouseAction(mtmClick);
    tips->SetStyle(smsXValue);
    ExpectCloneCarriesAll(*tips, bench);

    auto* marks = bench.AddTool<TDragMarksTool>();
    marks->SetSeries(series);
    ExpectCloneCarriesAll(*marks, bench);
}

}  // namespace
