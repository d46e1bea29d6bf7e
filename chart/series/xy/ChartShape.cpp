#include "chart/series/xy/ChartShape.h"

#include <algorithm>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/SampleRandom.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/HitTests.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/PointRoutines.h"
#include "chart/foundation/TeeFont.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/series/xy/OwnDefaultEntry.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/RtlMath.h"
#include "platform/rtl/StringList.h"

const TEnumInfo& ChartShapeStyleNames() {
    static const TEnumInfo names{
        "chasRectangle",      "chasCircle", "chasVertLine", "chasHorizLine",    "chasTriangle",
        "chasInvertTriangle", "chasLine",   "chasDiamond",  "chasCube",         "chasCross",
        "chasDiagCross",      "chasStar",   "chasPyramid",  "chasInvertPyramid"};
    return names;
}
const TEnumInfo& ChartShapeXYStyleNames() {
    static const TEnumInfo names{"xysPixels", "xysAxis", "xysAxisOrigin"};
    return names;
}
const TEnumInfo& TeeVertAlignNames() {
    static const TEnumInfo names{"vaTop", "vaCenter", "vaBottom"};
    return names;
}

TChartShape::TChartShape(TComponent* owner) : TChartSeries(owner) {
    ClipsToAxisRange = false;
    Brush()->SetColor(clWhite);
    FFont = std::make_unique<TTeeFont>(StyleChangedEvent());
    FGradient = std::make_unique<TTeeGradient>(StyleChangedEvent());
    FText = std::make_unique<TStringList>();
    FText->OnChange = [this](TStrings*) { Repaint(); };
    TChartSeries::SetSeriesColor(clWhite);
    AddXYPoint(0, 0);
    AddXYPoint(100, 100);
    DataEnteredByHand = false;
}
TChartShape::~TChartShape() = default;

TStrings* TChartShape::Text() const { return FText.get(); }

void TChartShape::SetText(const TStrings* value) {
    if (value) FText->Assign(*value);
    Repaint();
}

void TChartShape::SetFont(const TTeeFont* value) { FFont->Assign(value); }
void TChartShape::SetGradient(const TTeeGradient* value) { FGradient->Assign(value); }

void TChartShape::SetSeriesColor(TColor value) {
    TChartSeries::SetSeriesColor(value);
    Brush()->SetColor(value);
}

void TChartShape::EnsurePoints(int count) {
    while (Count() < count) AddXYPoint(0, 0);
}

double TChartShape::Corner(int index, bool isX) {
    EnsurePoints(index + 1);
    return isX ? XValues()[index] : YValues()[index];
}

void TChartShape::SetCorner(int index, bool isX, double value) {
    EnsurePoints(index + 1);
    (isX ? XValues() : YValues()).SetValue(index, value);
    DataEnteredByHand = true;
    Repaint();
}

TRect TChartShape::GetShapeRect() const {
    switch (FXYStyle) {
        case xysPixels:
            return TRect{int(XValues()[0]), int(YValues()[0]), int(XValues()[1]),
                         int(YValues()[1])};
        case xysAxis:
            return TRect{PointXPixel(0), PointYPixel(0), PointXPixel(1), PointYPixel(1)};
        case xysAxisOrigin: {
            const int left = PointXPixel(0), top = PointYPixel(0);
            return TRect{left, top, left + int(XValues()[1]), top + int(YValues()[1])};
        }
    }
    return {};
}

TRect TChartShape::NormalizedShapeRect() const {
    TRect r = NormalizedRect(GetShapeRect());
    if (r.Bottom == r.Top) r.Bottom = r.Top + 1;
    if (r.Right == r.Left) r.Right = r.Left + 1;
    return r;
}

void TChartShape::AssignZOrder() {
    if (UsesAxes()) TChartSeries::AssignZOrder();
}

int TChartShape::ValueIndexAt(int x, int y) {
    if (Count() != 2) return -1;
    if (FParentChart) FParentChart->Canvas3D()->UnprojectPoint(x, y, FrontDepth);
    // The figure as drawn: the line runs between the corners as given, every other figure in
    // the normalised rectangle (a triangle's apex stays at the top whichever corner is higher).
    const TRect given = GetShapeRect();
    const TRect r = FStyle == chasLine ? given : NormalizedRect(given);
    int cx = 0, cy = 0;
    RectCenter(r, cx, cy);
    const TPoint m{x, y};
    switch (FStyle) {
        case chasCircle:
            return PointInEllipseRect(m, r) ? 0 : -1;
        case chasVertLine:
            return IsPointOnLine(m, cx, r.Top, cx, r.Bottom) ? 0 : -1;
        case chasHorizLine:
            return IsPointOnLine(m, r.Left, cy, r.Right, cy) ? 0 : -1;
        case chasTriangle:
        case chasPyramid:
            return PointInTriangleVertical(m, r.Left, r.Right, r.Bottom, r.Top) ? 0 : -1;
        case chasInvertTriangle:
        case chasInvertPyramid:
            return PointInTriangleVertical(m, r.Left, r.Right, r.Top, r.Bottom) ? 0 : -1;
        case chasLine:
            return IsPointOnLinePoints(m, TPoint{r.Left, r.Top}, TPoint{r.Right, r.Bottom}) ? 0
                                                                                            : -1;
        case chasDiamond: {
            const TPoint diamond[4] = {{cx, r.Top}, {r.Right, cy}, {cx, r.Bottom}, {r.Left, cy}};
            return PointInPolygon(m, diamond, 3) ? 0 : -1;
        }
        default:
            return PointInRectXY(NormalizedRect(r), x, y) ? 0 : -1;
    }
}

void TChartShape::ListGalleryVariants(const std::function<void(const std::string&)>& addVariant) {
    TChartSeries::ListGalleryVariants(addVariant);
    for (const std::string* t : {&TxtRectangle, &TxtVertLine, &TxtHorizLine, &TxtEllipse,
                                 &TxtDownTri, &TxtLine2, &TxtDiamond, &TxtCube, &TxtCross,
                                 &TxtDiagCross, &TxtStar, &TxtPyramid, &TxtInvPyramid, &TxtHollow})
        addVariant(*t);
}

void TChartShape::ApplyGalleryVariant(TChartSeries* series, int index) {
    auto* s = dynamic_cast<TChartShape*>(series);
    if (!s) return;
    static const TChartShapeStyle styles[] = {
        chasRectangle, chasVertLine, chasHorizLine,    chasCircle, chasInvertTriangle,
        chasLine,      chasDiamond,  chasCube,         chasCross,  chasDiagCross,
        chasStar,      chasPyramid,  chasInvertPyramid};
    if (index >= 1 && index <= 13)
        s->SetStyle(styles[index - 1]);
    else if (index == 14)
        s->SetTransparent(!s->Transparent());
}

bool TChartShape::CanCopyFrom(const TChartSeries& source) const { return Is<TChartShape>(&source); }

void TChartShape::AddRandomValues(int numValues, bool /*onlyMandatory*/) {
    (void)numValues;
    const TSampleValueBounds b = SampleValueBounds(1);
    if (b.StepX == 0) {
        AddXYPoint(0, 0);
        AddXYPoint(100, 100);
        return;
    }
    AddXYPoint(b.FirstX + b.StepX / 8, b.StartY / 2);
    AddXYPoint(b.FirstX + b.StepX - b.StepX / 8, b.StartY + RandomBelow(RoundToInt(b.SpreadY)));
}

void TChartShape::PrepareForGallery(bool enabled) {
    TChartSeries::PrepareForGallery(enabled);
    FFont->SetColor(enabled ? clYellow : clGray);
    TFontStyles styles = FFont->Style();
    styles.Include(fsBold);
    FFont->SetStyle(styles);
    FFont->SetSize(12);
    FText->Clear();
    const bool second =
        FParentChart && FParentChart->SeriesCount() > 1 && FParentChart->GetSeries(1) == this;
    SetStyle(second ? chasCircle : chasTriangle);
    FText->Add(second ? TxtAbc : Txt123);
    Brush()->SetColor(enabled ? clDefault : clSilver);
}

void TChartShape::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TChartShape*>(source)) {
        FAlignment = other->FAlignment;
        FFont->Assign(other->FFont.get());
        FGradient->Assign(other->FGradient.get());
        FRoundRectangle = other->FRoundRectangle;
        FStyle = other->FStyle;
        FText->Assign(*other->FText);
        FTransparency = other->FTransparency;
        FTransparent = other->FTransparent;
        FVertAlign = other->FVertAlign;
        FXYStyle = other->FXYStyle;
    }
    TChartSeries::Assign(source);
}

void TChartShape::DefineProperties(TFiler& filer) {
    TChartSeries::DefineProperties(filer);
    DefineOwnDefaultEntry(filer, "BrushDefaultColor", Brush()->Color() == clDefault,
                          [this] { Brush()->SetColor(clDefault); });
}

void TChartShape::Publish(TPublisher<TChartShape>& p) {
    using S = TChartShape;
    p.Enumeration("Alignment", AlignmentNames(), &S::Alignment, &S::SetAlignment).Default(taCenter);
    p.Object("Brush", &S::Brush, &S::SetBrush);
    p.Object("Font", &S::Font, &S::SetFont);
    p.Object("Gradient", &S::Gradient, &S::SetGradient);
    p.Object("Pen", &S::Pen, &S::SetPen);
    p.Boolean("RoundRectangle", &S::RoundRectangle, &S::SetRoundRectangle).Default(false);
    p.Enumeration("Style", ChartShapeStyleNames(), &S::Style, &S::SetStyle).Default(chasCircle);
    p.Strings("Text", &S::Text);
    p.Integer("Transparency", &S::Transparency, &S::SetTransparency).Default(0);
    p.Boolean("Transparent", &S::Transparent, &S::SetTransparent).Default(false);
    p.Enumeration("VertAlign", TeeVertAlignNames(), &S::VertAlign, &S::SetVertAlign)
        .Default(vaCenter);
    p.Float(
         "X0", [](const S& s) { return const_cast<S&>(s).X0(); }, &S::SetX0)
        .Stored(false);
    p.Float(
         "X1", [](const S& s) { return const_cast<S&>(s).X1(); }, &S::SetX1)
        .Stored(false);
    p.Enumeration("XYStyle", ChartShapeXYStyleNames(), &S::XYStyle, &S::SetXYStyle)
        .Default(xysAxis);
    p.Float(
         "Y0", [](const S& s) { return const_cast<S&>(s).Y0(); }, &S::SetY0)
        .Stored(false);
    p.Float(
         "Y1", [](const S& s) { return const_cast<S&>(s).Y1(); }, &S::SetY1)
        .Stored(false);
}
