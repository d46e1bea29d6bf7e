// Where the legend goes and how big it is: rows of a left or right legend, columns and rows of a
// top or bottom one, its rectangle, and the part of the chart rectangle it takes away.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartEngineStartup.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/NamedPartGuard.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "chart/foundation/TeeHtml.h"
#include "chart/foundation/TeeShadow.h"

namespace {

int RoundHalfEven(double value) { return int(std::nearbyint(value)); }

int VisibleVertSize(const TTeeShadow* shadow) {
    return shadow && shadow->Visible() ? shadow->VertSize() : 0;
}

int VisibleHorizSize(const TTeeShadow* shadow) {
    return shadow && shadow->Visible() ? shadow->HorizSize() : 0;
}

// A custom-positioned legend is placed relative to the panel rectangle for one drawing.
class TPanelOffsetGuard {
public:
    TPanelOffsetGuard(TTeeCustomShape& shape, bool active, TPoint offset)
        : FShape(shape), FOffset(active ? offset : TPoint{0, 0}) {
        Move(FOffset.X, FOffset.Y);
    }
    ~TPanelOffsetGuard() { Move(-FOffset.X, -FOffset.Y); }
    TPanelOffsetGuard(const TPanelOffsetGuard&) = delete;
    TPanelOffsetGuard& operator=(const TPanelOffsetGuard&) = delete;

private:
    void Move(int dx, int dy) {
        TRect r = FShape.ShapeBounds();
        r.Left += dx;
        r.Right += dx;
        r.Top += dy;
        r.Bottom += dy;
        FShape.SetShapeBounds(r);
    }
    TTeeCustomShape& FShape;
    TPoint FOffset;
};

}  // namespace

void TChartLegend::BuildTexts(TLayout& layout) {
    layout.Texts.clear();
    if (FLastValue < FFirstValue) return;
    layout.Texts.reserve(size_t(FLastValue - FFirstValue + 1));
    for (int k = 0; k <= FLastValue - FFirstValue; ++k) {
        const int value = FInverted ? FLastValue - k : FFirstValue + k;
        const std::string text = FormattedItemText(value);
        TItemText& item = layout.Texts.emplace_back();
        const size_t first = text.find(ColumnSeparator);
        item.Columns[0] = text.substr(0, first);
        if (first == std::string::npos) continue;
        // Whatever follows a second separator is dropped.
        const size_t second = text.find(ColumnSeparator, first + 1);
        item.Columns[1] = text.substr(
            first + 1, second == std::string::npos ? std::string::npos : second - first - 1);
    }
}

void TChartLegend::MeasureColumns(TTeeCanvas& canvas, TLayout& layout) {
    const bool markup = TextFormat() == ttfHtml;
    for (int column = 0; column < 2; ++column) {
        int widest = 0;
        for (size_t k = 0; k < layout.Texts.size(); ++k) {
            const int value = FInverted ? FLastValue - int(k) : FFirstValue + int(k);
            const TLegendItem* item = FItems.Custom ? FItems.Find(value) : nullptr;
            const std::string& text = item ? (column == 0 ? item->Text() : item->Text2())
                                           : layout.Texts[k].Columns[column];
            widest = std::max(widest, markup ? MeasureMarkupText(canvas, text).cx
                                             : canvas.MeasureTextWidth(text));
        }
        layout.ColumnWidths[column] = widest;
    }
    layout.TextWidth = 0;
    for (int width : layout.ColumnWidths)
        if (width > 0) layout.TextWidth += width + layout.SpaceWidth - 1;
}

void TChartLegend::PlaceVertical(TTeeCanvas& canvas, TLayout& layout, int total) {
    const TRect chartRect = FChart->ChartRect();
    TRect r = ShapeBounds();
    if (!CustomPosition()) {
        const int chartShadow = VisibleVertSize(FChart->Shadow());
        const int s = chartShadow < 0 ? 2 * -chartShadow : 0;
        const int top = RoundHalfEven(FTopPos * (chartRect.Bottom - chartRect.Top - s) * 0.01) + s +
                        chartRect.Top;
        r.Bottom += top - r.Top;
        r.Top = top;
        SetShapeBounds(r);
    }
    FColumns = 1;
    const int itemsTop = ItemsTop();
    FRows = chartRect.Bottom <= itemsTop
                ? 0
                : std::min((chartRect.Bottom - 2 * layout.FrameWidth - itemsTop) /
                               std::max(1, layout.ItemHeight),
                           total);
    FLastValue = FFirstValue + std::min(total, FRows) - 1;
    BuildTexts(layout);
    MeasureColumns(canvas, layout);
}

void TChartLegend::PlaceHorizontal(TTeeCanvas& canvas, TLayout& layout, int total) {
    const TRect chartRect = FChart->ChartRect();
    FLastValue = FFirstValue + total - 1;
    BuildTexts(layout);
    MeasureColumns(canvas, layout);
    FSymbolWidth = FSymbol->WidthInPixels(layout.TextWidth);
    if (!CustomPosition()) {
        TRect r = ShapeBounds();
        if (FAlignment == laBottom) {
            int margin = layout.FrameWidth + 1 + VisibleVertSize(Shadow());
            if (OnSize) OnSize(*this, margin);
            r.Bottom = chartRect.Bottom - margin;
        } else {
            r.Top = chartRect.Top + layout.FrameWidth + 1;
        }
        SetShapeBounds(r);
    }
    const int itemWidth = FSymbolWidth + layout.TextWidth + 8 + (HasCheckBoxes() ? 27 : 0);
    const int chartWidth = chartRect.Right - chartRect.Left;
    FColumns = chartRect.Right <= 8
                   ? 0
                   : std::min((chartWidth - 2 * layout.FrameWidth - 8) / itemWidth, total);
    FColumns = std::max(0, FColumns);
    FRows = FColumns < 1 ? 0 : std::min(total / FColumns + (total % FColumns ? 1 : 0), FMaxNumRows);
    FLastValue = FFirstValue + std::min(total, FColumns * FRows) - 1;
    // Keep the texts of the items that fit, in the order they are drawn: the first ones, or
    // with Inverted the last entries (which run down to FirstValue).
    const size_t shown = size_t(std::max(0, FLastValue - FFirstValue + 1));
    if (layout.Texts.size() > shown) {
        if (FInverted)
            layout.Texts.erase(layout.Texts.begin(),
                               layout.Texts.begin() + std::ptrdiff_t(layout.Texts.size() - shown));
        else
            layout.Texts.resize(shown);
    }
}

void TChartLegend::PlaceContent(TLayout& layout, int width) {
    TRect r = ShapeBounds();
    int x = r.Left;
    if (HasCheckBoxes()) {
        layout.CheckBoxX = r.Left + 4;
        x = r.Left + 15;
    }
    if (width >= 0) r.Right = x + width;
    SetShapeBounds(r);
    const int shadowX = FSymbol->Shadow()->Visible() ? FSymbol->Shadow()->HorizSize() : 0;
    if (FSymbol->Visible() && FSymbol->Position() == spLeft) {
        layout.SymbolX = x + 6;
        layout.TextX = x + FSymbolWidth + 12;
        if (shadowX != 0) {
            layout.TextX += std::abs(shadowX);
            if (shadowX < 0) layout.SymbolX += -shadowX;
        }
    } else {
        layout.TextX = x + (FSymbol->Visible() ? 6 : 8);
        layout.SymbolX = layout.TextX + layout.TextWidth;
    }
}

void TChartLegend::ResizeChartRect() {
    if (!FResizeChart || CustomPosition()) return;
    TRect chartRect = FChart->ChartRect();
    const int width = chartRect.Right - chartRect.Left;
    const int height = chartRect.Bottom - chartRect.Top;
    const int horizGap = FHorizMargin != 0 ? FHorizMargin : 3 * width / 100;
    const int vertGap = FVertMargin != 0 ? FVertMargin : 4 * height / 100;
    const TRect& r = ShapeBounds();
    switch (FAlignment) {
        case laLeft:
            chartRect.Left = r.Right + horizGap;
            break;
        case laRight:
            chartRect.Right = r.Left - horizGap;
            break;
        case laTop:
            chartRect.Top = r.Bottom + VisibleVertSize(FChart->Shadow()) + vertGap;
            break;
        case laBottom:
            chartRect.Bottom = r.Top - vertGap;
            break;
    }
    FChart->SetChartRect(chartRect);
    FChart->RecomputeChartSize();
}

void TChartLegend::DrawLegend() {
    TCanvas3D* canvas = FChart ? FChart->Canvas3D() : nullptr;
    if (!canvas) return;
    TNamedPartGuard part(*canvas, "Legend");
    ResolveStyle();
    TLayout layout;
    layout.FrameWidth = Bevel() != bvNone ? BevelWidth() : (Pen()->Visible() ? Pen()->Width() : 0);

    const TRect panelRect = FChart->GetPanelRect();
    if (CustomPosition() && FPositionUnits == muPercent) {
        TRect r = ShapeBounds();
        const int left = RoundHalfEven(FLeftPercent * (panelRect.Right - panelRect.Left) * 0.01);
        const int top = RoundHalfEven(FTopPercent * (panelRect.Bottom - panelRect.Top) * 0.01);
        r = TRect{left, top, left + r.Right - r.Left, top + r.Bottom - r.Top};
        SetShapeBounds(r);
    }
    TPanelOffsetGuard offset(*this, CustomPosition(), TPoint{panelRect.Left, panelRect.Top});

    // A value legend of a paged chart follows the current page.
    const int perPage = FChart->MaxPointsPerPage();
    const bool paged = FEffectiveStyle == lsValues && FCurrentPage && perPage > 0;
    if (paged)
        FFirstValue = (FChart->CurrentPage() - 1) * perPage;
    else if (perPage > 0)
        FFirstValue = 0;
    int total = ItemCount();
    if (paged) total = std::min(total, perPage);
    FTotalItems = total;

    FChart->LegendBackColor = Color();
    canvas->UseFont(Font());
    layout.SpaceWidth = canvas->MeasureTextWidth(" ");
    layout.ItemHeight = ItemHeight();
    FTitleDrawn = TitleShown();
    FTitleHeight = 0;
    if (FTitleDrawn) {
        FTitleHeight = FTitle->CalcHeight(*canvas);
        canvas->UseFont(Font());
    }
    FSymbolWidth = 0;
    if (IsVertical())
        PlaceVertical(*canvas, layout, total);
    else
        PlaceHorizontal(*canvas, layout, total);
    if (FLastValue < FFirstValue) return;

    // Height: a bottom legend in its place grows upward, every other one downward.
    const int ih = layout.ItemHeight;
    layout.Margin = RoundHalfEven(ih * 0.1);
    int height = ih * FRows + 2 + 2 * layout.Margin;
    if (FTitleDrawn) height += FTitleHeight + 4 + FTitle->VisibleShadowHeight();
    if (FSymbol->Visible() && FSymbol->Shadow()->Visible() &&
        FSymbol->Shadow()->VertSize() > ih / 6)
        height += FSymbol->Shadow()->VertSize() - ih / 6;
    TRect r = ShapeBounds();
    if (FAlignment == laBottom && !CustomPosition())
        r.Top = r.Bottom - height;
    else
        r.Bottom = r.Top + height;
    SetShapeBounds(r);

    const TRect chartRect = FChart->ChartRect();
    const int titleWidth = FTitleDrawn ? FTitle->TotalWidth(*canvas) : 0;
    canvas->UseFont(Font());
    if (IsVertical()) {
        int width = layout.TextWidth + 12;
        FSymbolWidth = FEffectiveStyle == lsSeriesGroups ? 0 : FSymbol->WidthInPixels(width);
        width += FSymbolWidth;
        if (FSymbol->Visible()) width += 2 + std::abs(VisibleHorizSize(FSymbol->Shadow()));
        if (OnSize) OnSize(*this, width);
        width = std::max(width, titleWidth);
        r = ShapeBounds();
        if (FAlignment == laRight && !CustomPosition()) {
            r.Right = chartRect.Right - VisibleHorizSize(Shadow()) - layout.FrameWidth - 1;
            r.Left = r.Right - width - (HasCheckBoxes() ? 15 : 0);
        } else if (!CustomPosition()) {
            r.Left = chartRect.Left + layout.FrameWidth + 1;
        }
        SetShapeBounds(r);
        PlaceContent(layout, width);
    } else {
        int width = FColumns * (layout.TextWidth + FSymbolWidth + 6) + 6 + 2 * FColumns;
        if (HasCheckBoxes()) width += 15 * FColumns + 4;
        width = std::max(width, titleWidth);
        const int half = std::min(chartRect.Right - chartRect.Left, width) / 2;
        r = ShapeBounds();
        if (!CustomPosition())
            r.Left = RoundHalfEven(FTopPos * (panelRect.Right - panelRect.Left - 2 * half) * 0.01) +
                     (chartRect.Left + chartRect.Right) / 2 - half;
        r.Right = r.Left + 2 * half;
        SetShapeBounds(r);
        PlaceContent(layout, -1);
    }

    if (FChartHooks) {
        TRect custom = ShapeBounds();
        FChartHooks->GetLegendRect(*this, custom);
        SetShapeBounds(custom);
    }
    Draw();
    if (FTitleDrawn) {
        FTitle->PlaceIn(ShapeBounds(), FTitleHeight);
        FTitle->Draw();
        FTitle->DrawText(*canvas);
        canvas->UseFont(Font());
    }
    DrawItems(*canvas, layout);
    ResizeChartRect();
}
