#include "chart/engine/ChartLegend.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartEngineStartup.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/SeriesGroups.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/ResourceRoutines.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "chart/foundation/TeeFont.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeeShadow.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/StringList.h"

const TEnumInfo& LegendAlignmentNames() {
    static const TEnumInfo names{"laLeft", "laRight", "laTop", "laBottom"};
    return names;
}
const TEnumInfo& CheckBoxesStyleNames() {
    static const TEnumInfo names{"cbsCheck", "cbsRadio"};
    return names;
}
const TEnumInfo& LegendStyleNames() {
    static const TEnumInfo names{"lsAuto", "lsSeries", "lsValues", "lsLastValues",
                                 "lsSeriesGroups"};
    return names;
}
const TEnumInfo& LegendTextStyleNames() {
    static const TEnumInfo names{
        "ltsPlain",  "ltsLeftValue", "ltsRightValue", "ltsLeftPercent", "ltsRightPercent",
        "ltsXValue", "ltsValue",     "ltsPercent",    "ltsXAndValue",   "ltsXAndPercent"};
    return names;
}
const TEnumInfo& LegendSymbolPositionNames() {
    static const TEnumInfo names{"spLeft", "spRight"};
    return names;
}
const TEnumInfo& LegendSymbolSizeNames() {
    static const TEnumInfo names{"lcsPercent", "lcsPixels"};
    return names;
}

namespace {
const TEnumInfo& UnitsNames() {
    static const TEnumInfo names{"muPercent", "muPixels"};
    return names;
}
}  // namespace

// --- Symbol.

TLegendSymbol::TLegendSymbol(TCustomTeePanel* panel, std::function<int()> itemHeight)
    : FGradient(std::make_unique<TTeeGradient>([this](TObject*) { Repaint(); })),
      FPen(std::make_unique<TChartPen>([this](TObject*) { Repaint(); })),
      FShadow(std::make_unique<TTeeShadow>([this](TObject*) { Repaint(); })),
      FItemHeight(std::move(itemHeight)),
      FPanel(panel) {
    FShadow->SetDefaults(clBlack, 3);
}

TLegendSymbol::~TLegendSymbol() = default;

void TLegendSymbol::Repaint() {
    if (FPanel) FPanel->Invalidate();
}

void TLegendSymbol::SetGradient(const TTeeGradient* value) { FGradient->Assign(value); }
void TLegendSymbol::SetPen(const TChartPen* value) { FPen->Assign(value); }
void TLegendSymbol::SetShadow(const TTeeShadow* value) { FShadow->Assign(value); }

void TLegendSymbol::SetWidth(int value) {
    if (FPanel)
        FPanel->SetIntegerValue(FWidth, value);
    else
        FWidth = value;
}

int TLegendSymbol::WidthInPixels(int legendWidth) const {
    if (!FVisible) return 0;
    if (FSquared) return (FItemHeight ? FItemHeight() : 0) - 5;
    if (FWidthUnits == lcsPixels) return FWidth;
    // The default rounding mode rounds halves to even.
    return int(std::nearbyint(legendWidth * FWidth * 0.01));
}

void TLegendSymbol::DrawSymbol(TColor color, const TRect& rect) const {
    TCanvas3D* canvas = FPanel ? FPanel->Canvas3D() : nullptr;
    if (!canvas) return;
    if (FShadow->Visible() && (FShadow->HorizSize() != 0 || FShadow->VertSize() != 0)) {
        const TColor brushColor = canvas->Brush()->Color();
        const TBrushStyle brushStyle = canvas->Brush()->Style();
        FShadow->DrawRectShadow(*canvas, rect);
        canvas->Brush()->SetColor(brushColor);
        canvas->Brush()->SetStyle(brushStyle);
    }
    if (!FDefaultPen) canvas->UsePen(FPen.get());
    if (FGradient->Visible()) {
        FGradient->SetEndColor(color);
        FGradient->DrawInRect(*canvas, rect);
        canvas->Brush()->SetStyle(bsClear);
    } else {
        canvas->Brush()->SetColor(color);
    }
    TRect r = rect;
    if (canvas->Pen()->Style() == psClear) {
        if (canvas->Brush()->Style() == bsClear) return;
        ++r.Right;
        ++r.Bottom;
    }
    canvas->DrawRectangleFromRect(r);
}

void TLegendSymbol::Assign(const TPersistent* source) {
    if (auto* s = dynamic_cast<const TLegendSymbol*>(source)) {
        FContinuous = s->FContinuous;
        FGradient->Assign(s->FGradient.get());
        FPen->Assign(s->FPen.get());
        FPosition = s->FPosition;
        FShadow->Assign(s->FShadow.get());
        FSquared = s->FSquared;
        FWidth = s->FWidth;
        FWidthUnits = s->FWidthUnits;
        FVisible = s->FVisible;
        return;
    }
    TPersistent::Assign(source);
}

void TLegendSymbol::Publish(TPublisher<TLegendSymbol>& p) {
    using T = TLegendSymbol;
    p.Boolean("Continuous", &T::Continuous, &T::SetContinuous).Default(false);
    p.Boolean("DefaultPen", &T::DefaultPen, &T::SetDefaultPen).Default(true);
    p.Object("Gradient", &T::Gradient, &T::SetGradient);
    p.Object("Pen", &T::Pen, &T::SetPen);
    p.Enumeration("Position", LegendSymbolPositionNames(), &T::Position, &T::SetPosition)
        .Default(spLeft);
    p.Object("Shadow", &T::Shadow, &T::SetShadow);
    p.Boolean("Squared", &T::Squared, &T::SetSquared).Default(false);
    p.Boolean("Visible", &T::Visible, &T::SetVisible).Default(true);
    p.Integer("Width", &T::Width, &T::SetWidth).Default(20);
    p.Enumeration("WidthUnits", LegendSymbolSizeNames(), &T::WidthUnits, &T::SetWidthUnits)
        .Default(lcsPercent);
}

// --- Items.

void TLegendItem::SetCustomText(std::string& field, const std::string& value) {
    if (field == value) return;
    field = value;
    if (!FLegend) return;
    FLegend->Items().Custom = true;
    FLegend->Repaint();
}

TLegendItem& TLegendItems::GetItem(int index) {
    if (index >= Count()) FItems.resize(size_t(index) + 1);
    if (!FItems[size_t(index)]) FItems[size_t(index)] = std::make_unique<TLegendItem>(FLegend);
    return *FItems[size_t(index)];
}

TLegendItem* TLegendItems::Find(int index) const {
    return index >= 0 && index < Count() ? FItems[size_t(index)].get() : nullptr;
}

void TLegendItems::Clear() {
    FItems.clear();
    if (FLegend) FLegend->Repaint();
}

// --- Title.

TLegendTitle::TLegendTitle(TCustomTeePanel* panel)
    : TTeeShape(panel), FText(std::make_unique<TStringList>()) {
    SetParentChart(panel);
    SetDefaultTransparent(true);
    Font()->SetStyle({fsBold});
    FText->OnChange = [this](TStrings*) { Repaint(); };
}

TLegendTitle::~TLegendTitle() = default;

void TLegendTitle::InitShadow(TTeeShadow& shadow) const { shadow.SetDefaults(clSilver, 2); }

void TLegendTitle::SetText(const TStringList* value) {
    if (value) FText->Assign(*value);
}
std::string TLegendTitle::Caption() const { return FText->Text(); }
void TLegendTitle::SetCaption(const std::string& value) { FText->SetText(value); }

void TLegendTitle::SetTextAlignment(TAlignment value) {
    if (FTextAlignment == value) return;
    FTextAlignment = value;
    Repaint();
}

int TLegendTitle::VisibleShadowHeight() const {
    const TTeeShadow* shadow = Shadow();
    if (Transparent() || !shadow || !shadow->Visible()) return 0;
    return std::abs(shadow->VertSize());
}

int TLegendTitle::CalcHeight(TTeeCanvas& canvas) const {
    canvas.UseFont(Font());
    int height = FText->Count() * canvas.MeasureLineHeight();
    if (!Transparent()) {
        height += 2;
        if (Pen()->Visible()) height += 2 * Pen()->Width();
    }
    return height;
}

int TLegendTitle::TotalWidth(TTeeCanvas& canvas) const {
    canvas.UseFont(Font());
    int widest = 0;
    for (int i = 0; i < FText->Count(); ++i)
        widest = std::max(widest, canvas.MeasureTextWidth(FText->Strings(i)));
    int width = widest + canvas.MeasureTextWidth("W");
    if (!Transparent()) {
        if (Pen()->Visible()) width += 2 * Pen()->Width();
        const TTeeShadow* shadow = Shadow();
        if (shadow && shadow->Visible()) width += shadow->HorizSize();
    }
    return width;
}

void TLegendTitle::PlaceIn(const TRect& legendRect, int height) {
    TRect r{legendRect.Left + 2, legendRect.Top + 2, legendRect.Right - 2, 0};
    const TTeeShadow* shadow = Shadow();
    if (!Transparent() && shadow && shadow->Visible()) {
        if (shadow->HorizSize() >= 1)
            r.Right -= shadow->HorizSize();
        else
            r.Left -= shadow->HorizSize();
        if (shadow->VertSize() < 0) r.Top -= shadow->VertSize();
    }
    r.Bottom = r.Top + height;
    SetShapeBounds(r);
}

void TLegendTitle::DrawText(TTeeCanvas& canvas) const {
    canvas.UseFont(Font());
    canvas.SetTextAlignment(TA_LEFT);
    canvas.SetBackgroundMode(TRANSPARENT);
    const TRect& r = ShapeBounds();
    const int margin = canvas.MeasureTextWidth("W");
    if (TextFormat() == ttfHtml) {
        canvas.DrawTextOrMarkup(r.Left + margin / 2, r.Top + 1, true, FText->Text());
        return;
    }
    const int lineHeight = canvas.MeasureLineHeight();
    for (int line = 0; line < FText->Count(); ++line) {
        const std::string& text = FText->Strings(line);
        const int width = canvas.MeasureTextWidth(text);
        int x = r.Left + margin / 2;
        if (FTextAlignment == taRightJustify)
            x = r.Right - width - margin / 2;
        else if (FTextAlignment == taCenter)
            x = (r.Left + r.Right) / 2 - width / 2;
        canvas.DrawTextAt(x, r.Top + 1 + line * lineHeight, text);
    }
}

void TLegendTitle::Assign(const TPersistent* source) {
    if (auto* s = dynamic_cast<const TLegendTitle*>(source)) {
        FText->Assign(*s->FText);
        FTextAlignment = s->FTextAlignment;
    }
    TTeeShape::Assign(source);
}

void TLegendTitle::Publish(TPublisher<TLegendTitle>& p) {
    using T = TLegendTitle;
    p.Strings("Text", [](const T& t) -> TStrings* { return &t.Text(); });
    p.Enumeration("TextAlignment", AlignmentNames(), &T::TextAlignment, &T::SetTextAlignment)
        .Default(taLeftJustify);
}

// --- Legend settings.

TChartLegend::TChartLegend(TCustomAxisPanel* panel, ILegendChart* chart)
    : TTeeCustomShapePosition(panel),
      FChart(panel),
      FChartHooks(chart),
      FDividingLines(std::make_unique<TChartHiddenPen>([this](TObject*) { Repaint(); })),
      FSymbol(std::make_unique<TLegendSymbol>(panel, [this] { return ItemHeight(); })),
      FTitle(std::make_unique<TLegendTitle>(panel)) {
    SetParentChart(panel);
}

TChartLegend::~TChartLegend() = default;

TClass TChartLegend::GradientClassToCreate() const { return &TChartLegendGradient::StaticClass(); }

void TChartLegend::SetCheckBoxesStyle(TCheckBoxesStyle value) {
    if (FCheckBoxesStyle == value) return;
    FCheckBoxesStyle = value;
    if (value == cbsRadio && FChart) {
        bool first = true;
        for (TChartSeries* s : FChart->SeriesList())
            if (s->ShowInLegend() && s->Active()) {
                if (!first) s->SetActive(false);
                first = false;
            }
    }
    Repaint();
}

int TChartLegend::ColorWidth() const { return FSymbol->Width(); }
void TChartLegend::SetColorWidth(int value) { FSymbol->SetWidth(value); }

void TChartLegend::SetDividingLines(const TChartHiddenPen* value) { FDividingLines->Assign(value); }

void TChartLegend::SetFirstValue(int value) {
    if (value < 0) throw LegendException("First Legend Value must be > 0");
    Change(FFirstValue, value);
}

void TChartLegend::SetLegendStyle(TLegendStyle value) {
    if (FLegendStyle == value) return;
    FLegendStyle = value;
    ResolveStyle();
    Repaint();
}

void TChartLegend::SetSeries(TChartSeries* value) {
    FSeries = value;
    Repaint();
}

void TChartLegend::SetSymbol(const TLegendSymbol* value) { FSymbol->Assign(value); }
void TChartLegend::SetTitle(const TLegendTitle* value) { FTitle->Assign(value); }

void TChartLegend::Assign(const TPersistent* source) {
    if (auto* s = dynamic_cast<const TChartLegend*>(source)) {
        FAlignment = s->FAlignment;
        FCheckBoxes = s->FCheckBoxes;
        FCheckBoxesStyle = s->FCheckBoxesStyle;
        FCurrentPage = s->FCurrentPage;
        FDividingLines->Assign(s->FDividingLines.get());
        FFirstValue = s->FFirstValue;
        FFontSeriesColor = s->FFontSeriesColor;
        FHorizMargin = s->FHorizMargin;
        FInverted = s->FInverted;
        FLeftPercent = s->FLeftPercent;
        FLegendStyle = s->FLegendStyle;
        FMaxNumRows = s->FMaxNumRows;
        FPositionUnits = s->FPositionUnits;
        FResizeChart = s->FResizeChart;
        FSymbol->Assign(s->FSymbol.get());
        FTextStyle = s->FTextStyle;
        FTitle->Assign(s->FTitle.get());
        FTopPos = s->FTopPos;
        FTopPercent = s->FTopPercent;
        FVertMargin = s->FVertMargin;
        FVertSpacing = s->FVertSpacing;
    }
    TTeeCustomShapePosition::Assign(source);
}

void TChartLegend::Publish(TPublisher<TChartLegend>& p) {
    using T = TChartLegend;
    p.Enumeration("Alignment", LegendAlignmentNames(), &T::Alignment, &T::SetAlignment)
        .Default(laRight);
    p.Enumeration("Bevel", BevelCutNames(), &T::Bevel, &T::SetBevel).Default(bvNone);
    p.Integer("BevelWidth", &T::BevelWidth, &T::SetBevelWidth).Default(2);
    p.Boolean("CheckBoxes", &T::CheckBoxes, &T::SetCheckBoxes).Default(false);
    p.Enumeration("CheckBoxesStyle", CheckBoxesStyleNames(), &T::CheckBoxesStyle,
                  &T::SetCheckBoxesStyle)
        .Default(cbsCheck);
    p.Color("Color", &T::Color, &T::SetColor).Default(clWhite);
    p.Integer("ColorWidth", &T::ColorWidth, &T::SetColorWidth).Default(20);
    p.Boolean("CurrentPage", &T::CurrentPage, &T::SetCurrentPage).Default(true);
    p.Boolean("CustomPosition", &T::CustomPosition, &T::SetCustomPosition).Default(false);
    p.Object("DividingLines", &T::DividingLines, &T::SetDividingLines);
    p.Integer("FirstValue", &T::FirstValue, &T::SetFirstValue).Default(0);
    p.Object("Font", &T::Font, &T::SetFont);
    p.Boolean("FontSeriesColor", &T::FontSeriesColor, &T::SetFontSeriesColor).Default(false);
    p.Object("Frame", &T::Pen, &T::SetPen);
    p.Object("Gradient", &T::Gradient, &T::SetGradient).Stored([](const T& t) {
        return t.GradientIfAny() != nullptr;
    });
    p.Integer("HorizMargin", &T::HorizMargin, &T::SetHorizMargin).Default(0);
    p.Boolean("Inverted", &T::Inverted, &T::SetInverted).Default(false);
    p.Integer("Left", &T::Left, &T::SetLeft).Stored([](const T& t) { return t.CustomPosition(); });
    p.Integer("LeftPercent", &T::LeftPercent, &T::SetLeftPercent).Default(0);
    p.Enumeration("LegendStyle", LegendStyleNames(), &T::LegendStyle, &T::SetLegendStyle)
        .Default(lsAuto);
    p.Integer("MaxNumRows", &T::MaxNumRows, &T::SetMaxNumRows).Default(10);
    p.Enumeration("PositionUnits", UnitsNames(), &T::PositionUnits, &T::SetPositionUnits)
        .Default(muPixels);
    p.Boolean("ResizeChart", &T::ResizeChart, &T::SetResizeChart).Default(true);
    p.Object("Shadow", &T::Shadow, &T::SetShadow);
    p.Enumeration("ShapeStyle", ShapeStyleNames(), &T::ShapeStyle, &T::SetShapeStyle)
        .Default(fosRectangle);
    p.Object("Symbol", &T::Symbol, &T::SetSymbol);
    p.Enumeration("TextStyle", LegendTextStyleNames(), &T::TextStyle, &T::SetTextStyle)
        .Default(ltsLeftValue);
    p.Object("Title", &T::Title, &T::SetTitle);
    p.Integer("Top", &T::Top, &T::SetTop).Stored([](const T& t) { return t.CustomPosition(); });
    p.Integer("TopPercent", &T::TopPercent, &T::SetTopPercent).Default(0);
    p.Integer("TopPos", &T::TopPos, &T::SetTopPos).Default(10);
    p.Integer("Transparency", &T::Transparency, &T::SetTransparency).Default(0);
    p.Boolean("Transparent", &T::Transparent, &T::SetTransparent).Default(false);
    p.Integer("VertMargin", &T::VertMargin, &T::SetVertMargin).Default(0);
    p.Integer("VertSpacing", &T::VertSpacing, &T::SetVertSpacing).Default(0);
    p.Boolean("Visible", &T::Visible, &T::SetVisible).Default(true);
}

// --- Queries.

bool TChartLegend::ShouldDraw() const {
    return Visible() && FChart && (FCheckBoxes || FChart->ActiveSeriesCount() > 0);
}

void TChartLegend::ResolveStyle() {
    FEffectiveStyle = FLegendStyle;
    if (FLegendStyle == lsAuto)
        FEffectiveStyle =
            FCheckBoxes || (FChart && FChart->ActiveSeriesCount() > 1) ? lsSeries : lsValues;
}

TChartSeries* TChartLegend::LegendSeries() const {
    if (!FChart) return nullptr;
    TChartSeriesList& list = FChart->SeriesList();
    // A bound series counts only while it is in the chart: one freed since is never touched.
    if (FSeries && list.IndexOf(FSeries) >= 0) return FSeries;
    TChartSeries* firstActive = nullptr;
    for (TChartSeries* s : list) {
        if (!s->Active()) continue;
        if (s->ShowInLegend()) return s;
        if (!firstActive) firstActive = s;
    }
    return firstActive;
}

TChartSeries* TChartLegend::SeriesOfItem(int index) const {
    return FChart ? FChart->SeriesInLegend(index, !FCheckBoxes) : nullptr;
}

int TChartLegend::ItemCount() const {
    if (!FChart) return 0;
    int count = 0;
    switch (FEffectiveStyle) {
        case lsSeriesGroups:
            return FChart->SeriesGroups()->Count();
        case lsSeries:
        case lsLastValues:
            for (TChartSeries* s : FChart->SeriesList())
                if (s->ShowInLegend() && (FCheckBoxes || s->Active())) ++count;
            break;
        default:
            if (TChartSeries* s = LegendSeries(); s && s->ShowInLegend())
                count = s->CountLegendItems();
            else
                return 0;
    }
    return std::max(0, count - FFirstValue);
}

std::string TChartLegend::ItemText(int index) const {
    if (!FChart) return {};
    std::string text;
    switch (FEffectiveStyle) {
        case lsSeries: {
            const TChartSeries* s = SeriesOfItem(index);
            return s ? FChart->SeriesTitleText(s) : std::string();
        }
        case lsLastValues:
            if (const TChartSeries* s = SeriesOfItem(index))
                FChart->FormattedLegendText(s, s->CountLegendItems() - 1, text);
            return text;
        case lsSeriesGroups: {
            const TSeriesGroups& groups = *FChart->SeriesGroups();
            return index >= 0 && index < groups.Count() ? groups.GetGroup(index)->Name()
                                                        : std::string();
        }
        default:
            if (const TChartSeries* s = LegendSeries()) FChart->FormattedLegendText(s, index, text);
            return text;
    }
}

std::string TChartLegend::FormattedItemText(int index) {
    std::string text = ItemText(index);
    if (FChartHooks) FChartHooks->LegendTextHook(*this, index, text);
    return text;
}

int TChartLegend::ItemHeight() const {
    TCanvas3D* canvas = FChart ? FChart->Canvas3D() : nullptr;
    if (!canvas) return 0;
    canvas->UseFont(Font());
    int height = canvas->MeasureLineHeight();
    if (HasCheckBoxes()) height = std::max(height, 17);
    height += FVertSpacing;
    if (IsVertical() && FDividingLines->Visible()) height += FDividingLines->Width();
    return height;
}

bool TChartLegend::TitleShown() const { return FTitle->Visible() && FTitle->Text().Count() > 0; }

int TChartLegend::ItemsTop() const {
    int top = ShapeBounds().Top;
    if (FTitleDrawn) {
        top += FTitleHeight + 2;
        top += FTitle->VisibleShadowHeight();
    }
    return top;
}

int TChartLegend::SizeHookAmount() const {
    if (!OnSize) return 0;
    int size = 0;
    OnSize(const_cast<TChartLegend&>(*this), size);
    return size;
}

int TChartLegend::ItemAtPoint(int x, int y) const {
    TRect r = ShapeBounds();
    r.Right -= SizeHookAmount();
    if (x < r.Left || x > r.Right || y < r.Top || y > r.Bottom) return -1;
    const int height = ItemHeight();
    const int top = ItemsTop();
    int row = -1;
    for (int r0 = 0; r0 < FRows; ++r0) {
        const int rowTop = top + r0 * height + 1;
        if (y >= rowTop && y <= rowTop + height) {
            row = FInverted ? FRows - 1 - r0 : r0;
            break;
        }
    }
    if (row < 0) return -1;
    if (IsVertical()) return row + FFirstValue;
    if (FColumns <= 0) return -1;
    const int width = (r.Right - r.Left) / FColumns;
    for (int c = 0; c < FColumns; ++c) {
        const int left = r.Left + c * width + 1;
        if (x < left || x > left + width) continue;
        int index = row * FColumns + (FInverted ? FColumns - c - 1 : c);
        if (FInverted) {
            const int shown = FLastValue - FFirstValue + 1;
            if (const int m = shown % FColumns; m > 0) index -= FColumns - m;
        }
        // The empty cells of an inverted partial row lie before the first item shown.
        if (index < 0 || index > FTotalItems - 1) return -1;
        return index + FFirstValue;
    }
    return -1;
}

bool TChartLegend::ClickItem(int index) {
    if (!HasCheckBoxes() || index == -1 || !FChart) return false;
    if (FEffectiveStyle == lsSeriesGroups) {
        TSeriesGroups& groups = *FChart->SeriesGroups();
        if (FCheckBoxesStyle == cbsRadio) {
            for (int i = 0; i < groups.Count(); ++i)
                groups.GetGroup(i)->SetActive(i == index ? gaYes : gaNo);
        } else if (index < groups.Count()) {
            TSeriesGroup* g = groups.GetGroup(index);
            g->SetActive(g->Active() == gaNo ? gaYes : gaNo);
        }
        return true;
    }
    int n = 0;
    for (TChartSeries* s : FChart->SeriesList()) {
        if (!s->ShowInLegend()) continue;
        if (FCheckBoxesStyle == cbsRadio)
            s->SetActive(n == index);
        else if (n == index)
            s->SetActive(!s->Active());
        ++n;
    }
    return true;
}

void TChartLegend::PrepareSymbolPen() const {
    if (FChart) FChart->LegendSymbolPen = FSymbol->DefaultPen() ? nullptr : FSymbol->Pen();
}

void TChartLegend::PaintCheckGlyph(int x, int y, bool checked, bool isCheckBox) {
    TCanvas3D* canvas = FChart ? FChart->Canvas3D() : nullptr;
    if (TCanvas* device = canvas ? canvas->GetDeviceHandle() : nullptr)
        PaintCheckBox(x, y, *device, checked, isCheckBox);
}
