#include "chart/engine/SeriesPointer.h"

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartSeries.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeeShadow.h"
#include "platform/classes/AssignIfChanged.h"
#include "platform/classes/Publisher.h"

const TEnumInfo& SeriesPointerStyleNames() {
    static const TEnumInfo names{"psRectangle", "psCircle",    "psTriangle",     "psDownTriangle",
                                 "psCross",     "psDiagCross", "psStar",         "psDiamond",
                                 "psSmallDot",  "psNothing",   "psLeftTriangle", "psRightTriangle",
                                 "psHexagon"};
    return names;
}

TPointerShadow::TPointerShadow(TNotifyEvent onChange) : TTeeShadow(nullptr) {
    SetDefaults(clBlack, 3);
    SetVisible(false);
    OnChange = std::move(onChange);
}

void TPointerShadow::Publish(TPublisher<TPointerShadow>& p) {
    p.Inherited("Visible").Stored([](const TPointerShadow& s) { return s.Visible(); });
}

TSeriesPointer::TSeriesPointer(TChartSeries* series)
    : FSeries(series),
      FGradient(std::make_unique<TTeeGradient>([this](TObject*) { Changed(); })),
      FShadow(std::make_unique<TPointerShadow>([this](TObject*) { Changed(); })) {
    // The series' chart is looked up at each change: the series may move to another chart.
    FPen->OnChange = [this](TObject*) { Changed(); };
    Brush()->OnChange = [this](TObject*) { Changed(); };
}
TSeriesPointer::~TSeriesPointer() = default;

TCustomTeePanel* TSeriesPointer::Chart() const {
    if (FSeries && FSeries->ParentChart()) return FSeries->ParentChart();
    return FParentChart;
}

void TSeriesPointer::Changed() {
    if (TCustomTeePanel* chart = Chart()) chart->Invalidate();
}

int TSeriesPointer::FrontDepth() const { return FSeries ? FSeries->FrontDepth : 0; }
int TSeriesPointer::MidDepth() const { return FSeries ? FSeries->MidDepth : 0; }
int TSeriesPointer::BackDepth() const { return FSeries ? FSeries->BackDepth : 0; }

void TSeriesPointer::ChangeBool(bool& field, bool value) {
    if (AssignIfChanged(field, value)) Changed();
}

void TSeriesPointer::SetGradient(const TTeeGradient* value) { FGradient->Assign(value); }
void TSeriesPointer::SetShadow(const TTeeShadow* value) { FShadow->Assign(value); }

void TSeriesPointer::SetHorizSize(int value) {
    if (value <= 0) throw ChartException(TxtPointerSizeMustBeGreaterThan);
    if (AssignIfChanged(FHorizSize, value)) Changed();
}

void TSeriesPointer::SetVertSize(int value) {
    if (value <= 0) throw ChartException(TxtPointerSizeMustBeGreaterThan);
    if (AssignIfChanged(FVertSize, value)) Changed();
}

void TSeriesPointer::SetSize(int value) {
    SetHorizSize(value);
    SetVertSize(value);
}

void TSeriesPointer::SetStyle(TSeriesPointerStyle value) {
    if (AssignIfChanged(FStyle, value)) Changed();
}

void TSeriesPointer::SetTransparency(int value) {
    if (AssignIfChanged(FTransparency, value)) Changed();
}

TColor TSeriesPointer::BrushColor() const { return Brush()->Color(); }
void TSeriesPointer::SetBrushColor(TColor value) { Brush()->SetColor(value); }

void TSeriesPointer::HorizontalMargins(int& left, int& right) const {
    if (!Visible() || !FInflateMargins) return;
    left = std::max(left, FHorizSize + 1);
    right = std::max(right, FHorizSize + 1);
}

void TSeriesPointer::VerticalMargins(int& top, int& bottom) const {
    if (!Visible() || !FInflateMargins) return;
    top = std::max(top, FVertSize + 1);
    bottom = std::max(bottom, FVertSize + 1);
}

void TSeriesPointer::PrepareCanvas(TCanvas3D& canvas, TColor color) const {
    if (Pen()->Visible()) {
        if (Pen()->Color() == clDefault)
            canvas.UsePenWithColor(Pen(), color);
        else
            canvas.UsePen(Pen());
    } else {
        canvas.Pen()->SetStyle(psClear);
    }
    // The brush's own colour fills (a white pointer stays white), the point's colour behind a
    // pattern; an automatic brush fills in the point's colour.
    const TChartBrush* brush = Brush();
    TColor fill = brush->Color();
    if (fill == clDefault) fill = brush->Style() == bsSolid ? color : brush->BackColor();
    canvas.UseBrushColors(brush, fill, color);
}

void TSeriesPointer::PrepareOwnCanvas() {
    if (TCustomTeePanel* chart = Chart()) PrepareCanvas(*chart->Canvas3D(), BrushColor());
}

void TSeriesPointer::DrawStyledAt(int x, int y, TSeriesPointerStyle style, TColor color) {
    TCustomTeePanel* chart = Chart();
    if (!chart) return;
    DrawOnCanvas(*chart->Canvas3D(), chart->View3D(), x, y, FHorizSize, FVertSize, color, style);
}

void TSeriesPointer::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TSeriesPointer*>(source)) {
        FDark3D = other->FDark3D;
        FDraw3D = other->FDraw3D;
        SetGradient(other->Gradient());
        FHorizSize = other->FHorizSize;
        FInflateMargins = other->FInflateMargins;
        SetShadow(other->Shadow());
        FStyle = other->FStyle;
        FTransparency = other->FTransparency;
        FVertSize = other->FVertSize;
    }
    TTeeCustomShapeBrushPen::Assign(source);
}

void TSeriesPointer::Publish(TPublisher<TSeriesPointer>& p) {
    using P = TSeriesPointer;
    p.Object("Brush", &P::Brush, &P::SetBrush);
    p.Boolean("Dark3D", &P::Dark3D, &P::SetDark3D).Default(true);
    p.Boolean("Draw3D", &P::Draw3D, &P::SetDraw3D).Default(true);
    p.Object("Gradient", &P::Gradient, &P::SetGradient);
    p.Integer("HorizSize", &P::HorizSize, &P::SetHorizSize).Default(4);
    p.Boolean("InflateMargins", &P::InflateMargins, &P::SetInflateMargins).Default(true);
    p.Object("Pen", &P::Pen, &P::SetPen);
    p.Object("Shadow", &P::Shadow, &P::SetShadow);
    p.Enumeration("Style", SeriesPointerStyleNames(), &P::Style, &P::SetStyle).NoDefault();
    p.Integer("Transparency", &P::Transparency, &P::SetTransparency).Default(0);
    p.Integer("VertSize", &P::VertSize, &P::SetVertSize).Default(4);
    // Always written: series types differ in whether their pointer shows (a line series hides
    // it, a point series shows it), so no one default reads back right for all of them.
    p.Boolean("Visible", &P::Visible, &P::SetVisible).NoDefault();
}
