// The chart component's making and unmaking, its parts and settings, the answers it gives the
// axis panel, the legend and the editors, and copying and storing it.
#include "chart/engine/Chart.h"

#include <algorithm>

#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartEngineStartup.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/ChartTitle.h"
#include "chart/engine/ChartWalls.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/TeeZoom.h"
#include "platform/classes/Publisher.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"
#include "platform/graphics/Brush.h"

TCustomChart::TCustomChart(TComponent* owner) : TCustomAxisPanel(owner) {
    // The parts repaint their panel as they are set up; nothing is drawn until all are there.
    SetAutoRepaint(false);
    FTitle = std::make_unique<TChartTitle>(this);
    FSubTitle = std::make_unique<TChartTitle>(this);
    FFoot = std::make_unique<TChartFootTitle>(this);
    FSubFoot = std::make_unique<TChartFootTitle>(this);
    FWalls = std::make_unique<TChartWalls>(this);
    FLegend = std::make_unique<TChartLegend>(this, this);
    SetAutoRepaint(true);
}

TCustomChart::~TCustomChart() {
    FSavedScales.clear();
    SetAutoRepaint(false);
    FSubTitle.reset();
    FTitle.reset();
    FSubFoot.reset();
    FFoot.reset();
    FWalls.reset();
    FLegend.reset();
}

// --- Parts.

void TCustomChart::SetTitle(const TChartTitle* value) { FTitle->Assign(value); }
void TCustomChart::SetSubTitle(const TChartTitle* value) { FSubTitle->Assign(value); }
void TCustomChart::SetFoot(const TChartTitle* value) { FFoot->Assign(value); }
void TCustomChart::SetSubFoot(const TChartTitle* value) { FSubFoot->Assign(value); }
void TCustomChart::SetLegend(const TChartLegend* value) { FLegend->Assign(value); }

TChartBackWall* TCustomChart::BackWall() const { return FWalls->Back(); }
void TCustomChart::SetBackWall(const TChartBackWall* value) { FWalls->SetBack(value); }
TChartLeftWall* TCustomChart::LeftWall() const { return FWalls->Left(); }
void TCustomChart::SetLeftWall(const TChartLeftWall* value) { FWalls->SetLeft(value); }
TChartBottomWall* TCustomChart::BottomWall() const { return FWalls->Bottom(); }
void TCustomChart::SetBottomWall(const TChartBottomWall* value) { FWalls->SetBottom(value); }
TChartRightWall* TCustomChart::RightWall() const { return FWalls->Right(); }
void TCustomChart::SetRightWall(const TChartRightWall* value) { FWalls->SetRight(value); }

TChartPen* TCustomChart::Frame() const { return FWalls->Back()->Pen(); }
void TCustomChart::SetFrame(const TChartPen* value) { FWalls->Back()->SetPen(value); }

void TCustomChart::SetColorPaletteIndex(int value) {
    if (value == FColorPaletteIndex) return;
    FColorPaletteIndex = value;
    TColorPalettes::ApplyPalette(this, value);
}

// --- Queries.

bool TCustomChart::NeedsAxes() const { return FWalls->ChartNeedsAxes(); }

TChartSeries* FirstActiveSeries(const TCustomAxisPanel& chart) {
    for (int i = 0; i < chart.SeriesCount(); ++i)
        if (chart.GetSeries(i)->Active()) return chart.GetSeries(i);
    return nullptr;
}

std::string TCustomChart::AxisDisplayName(const TChartAxis* axis) const {
    const std::string& caption = axis->Title()->Caption();
    if (!caption.empty()) return caption;
    if (axis == DepthAxis()) return TxtDepthRight;
    if (axis == DepthTopAxis()) return TxtDepthTop;
    if (axis->Horizontal()) return axis->OtherSide() ? TxtTopAxis : TxtBottomAxis;
    return axis->OtherSide() ? TxtRightAxis : TxtLeftAxis;
}

bool TCustomChart::ListSourceFields(TChartSeries*, const std::function<void(const std::string&)>&) {
    return false;
}

bool TCustomChart::ListValueSources(const TChartValueList& valueList,
                                    const std::function<void(const std::string&)>& proc) {
    const auto* series = dynamic_cast<const TChartSeries*>(valueList.Owner());
    auto* source = series ? dynamic_cast<TChartSeries*>(series->DataSource()) : nullptr;
    if (!source) return false;
    for (const TChartValueList* list : source->ValueLists()) proc(list->Name());
    return true;
}

// --- Answers to the axis panel and the legend.

TColor TCustomChart::GetBackColor() const { return FWalls->BackColor(Color()); }

int TCustomChart::WallSizeOfAxis(const TChartAxis* axis) { return FWalls->SizeOfAxis(axis); }

bool TCustomChart::IsFreeSeriesColor(TColor color, bool checkBackground,
                                     const TChartSeries* series) {
    return SeriesColorIsFree(*this, color, checkBackground, series, BackWall()->Color());
}

void TCustomChart::FormattedLegendText(const TChartSeries* series, int valueIndex,
                                       std::string& text, const TChartLegend* legend) {
    text.clear();
    if (!series || valueIndex == -1) return;
    const TChartLegend& styled = legend && legend->Series() == series ? *legend : *FLegend;
    // Building the text reads the series' points and axes; it changes nothing.
    text = const_cast<TChartSeries*>(series)->LegendItemText(valueIndex, styled.TextStyle());
    std::replace(text.begin(), text.end(), LineSeparator, ' ');
}

void TCustomChart::LegendTextHook(TChartLegend& legend, int index, std::string& text) {
    if (OnGetLegendText) OnGetLegendText(*this, legend.EffectiveStyle(), index, text);
}

void TCustomChart::GetLegendRect(TChartLegend&, TRect& rect) {
    if (OnGetLegendRect) OnGetLegendRect(*this, rect);
}

void TCustomChart::GetLegendPos(TChartLegend&, int index, int& x, int& y, int& xColor) {
    if (OnGetLegendPos) OnGetLegendPos(*this, index, x, y, xColor);
}

void TCustomChart::DrawLegendSymbolRect(const TRect& rect) {
    FLegend->Symbol()->DrawSymbol(Canvas3D()->Brush()->Color(), rect);
}

// --- Copying and storing.

void TCustomChart::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TCustomChart*>(source)) {
        SetColorPaletteIndex(other->FColorPaletteIndex);
        FFoot->Assign(other->FFoot.get());
        FLegend->Assign(other->FLegend.get());
        FScrollMouseButton = other->FScrollMouseButton;
        FSubFoot->Assign(other->FSubFoot.get());
        FSubTitle->Assign(other->FSubTitle.get());
        FTitle->Assign(other->FTitle.get());
        FWalls->Assign(other->FWalls.get());
    }
    TCustomAxisPanel::Assign(source);
}

void TCustomChart::Publish(TPublisher<TCustomChart>& p) {
    using C = TCustomChart;
    p.Object("BackWall", &C::BackWall, &C::SetBackWall);
    p.Object("BottomWall", &C::BottomWall, &C::SetBottomWall);
    p.Object("Foot", &C::Foot, &C::SetFoot);
    p.Object("Frame", &C::Frame, &C::SetFrame);
    p.Object("LeftWall", &C::LeftWall, &C::SetLeftWall);
    p.Object("Legend", &C::Legend, &C::SetLegend);
    p.Object("RightWall", &C::RightWall, &C::SetRightWall);
    p.Enumeration("ScrollMouseButton", MouseButtonIdents(), &C::ScrollMouseButton,
                  &C::SetScrollMouseButton)
        .Default(mbRight);
    p.Object("SubFoot", &C::SubFoot, &C::SetSubFoot);
    p.Object("SubTitle", &C::SubTitle, &C::SetSubTitle);
    p.Object("Title", &C::Title, &C::SetTitle);
}

bool TCustomChart::ColorPaletteIndexDiffers(const TPersistent* ancestor) const {
    if (auto* chart = dynamic_cast<const TCustomChart*>(ancestor))
        return FColorPaletteIndex != chart->FColorPaletteIndex;
    return FColorPaletteIndex > 0;
}

void TCustomChart::DefineProperties(TFiler& filer) {
    TCustomAxisPanel::DefineProperties(filer);
    filer.DefineProperty(
        "BackColor",
        [this](TReader& reader) {
            // A colour name, or a number taken as it is.
            const TColor color = reader.NextValue() == vaIdent ? StringToColor(reader.ReadIdent())
                                                               : TColor(reader.ReadInteger());
            BackWall()->SetColor(color);
            if (Parent() && !ComponentState().Contains(csLoading))
                BackWall()->Brush()->SetStyle(bsSolid);
        },
        nullptr, false);
    filer.DefineProperty(
        "ColorPaletteIndex",
        [this](TReader& reader) { SetColorPaletteIndex(int(reader.ReadInteger())); },
        [this](TWriter& writer) { writer.WriteInteger(FColorPaletteIndex); },
        ColorPaletteIndexDiffers(filer.Ancestor()));
}
