// The legend's items: texts in one or two columns, symbols, check boxes and dividing lines, at
// the positions the layout found. Each drawn item leaves a record of where it went.
#include <algorithm>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/SeriesGroups.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "chart/foundation/TeeFont.h"

namespace {

bool RightAligned(TLegendStyle style, TLegendTextStyle textStyle, int column) {
    if (style == lsSeries) return false;
    if (column == 0)
        return textStyle == ltsLeftValue || textStyle == ltsLeftPercent || textStyle == ltsXValue ||
               textStyle == ltsValue || textStyle == ltsPercent || textStyle == ltsXAndValue ||
               textStyle == ltsXAndPercent;
    return textStyle == ltsRightValue || textStyle == ltsRightPercent ||
           textStyle == ltsXAndValue || textStyle == ltsXAndPercent;
}

}  // namespace

void TChartLegend::DrawItems(TTeeCanvas& canvas, const TLayout& layout) {
    TChartSeries* legendSeries = LegendSeries();
    if (!FItems.Custom) FItems.Release();
    const bool checkBoxes = HasCheckBoxes();
    const int columnStep = layout.TextWidth + FSymbolWidth + 8 + (checkBoxes ? 15 : 0);
    const int count = FLastValue - FFirstValue + 1;
    for (int position = 0; position < count; ++position) {
        const int value = FInverted ? FLastValue - position : FFirstValue + position;
        canvas.Brush()->SetColor(Color());
        canvas.Brush()->SetStyle(bsClear);
        canvas.SetBackgroundMode(TRANSPARENT);
        PrepareSymbolPen();

        int y = ItemsTop() + 1 + layout.Margin;
        int textX = layout.TextX;
        int symbolX = layout.SymbolX;
        int row = position;
        int columnOffset = 0;
        if (!IsVertical()) {
            row = position / FColumns;
            columnOffset = (position % FColumns) * columnStep;
            textX += columnOffset;
            symbolX += columnOffset;
        }
        y += layout.ItemHeight * row + FVertSpacing / 2;
        if (FChartHooks) FChartHooks->GetLegendPos(*this, value, textX, y, symbolX);

        if (FFontSeriesColor) {
            TColor color = clBlack;
            if (FEffectiveStyle == lsSeries || FEffectiveStyle == lsLastValues) {
                if (const TChartSeries* s = SeriesOfItem(value)) color = s->SeriesColor();
            } else if (legendSeries) {
                color = legendSeries->LegendItemColor(value);
            }
            canvas.Font()->SetColor(color);
        }
        DrawItemTexts(canvas, layout, value, position, textX, y);

        TRect symbolRect;
        if (FItems.Custom) {
            if (const TLegendItem* item = FItems.Find(value)) symbolRect = item->SymbolRect();
        } else {
            const bool continuous = FSymbol->Continuous();
            symbolRect = TRect{symbolX, y + 2, symbolX + FSymbolWidth,
                               y + layout.ItemHeight + 1 - (FVertSpacing + 3)};
            if (continuous && position > 0) symbolRect.Top = y;
            if (continuous && position < count - 1) symbolRect.Bottom = y + layout.ItemHeight + 1;
            FItems.GetItem(value).FSymbolRect = symbolRect;
        }
        DrawItemSymbol(canvas, layout, value, position, symbolRect, layout.CheckBoxX + columnOffset,
                       y);

        if (FDividingLines->Visible() && position > 0 && (IsVertical() || row == 0)) {
            canvas.UsePen(FDividingLines.get());
            canvas.SetBackgroundMode(TRANSPARENT);
            const int inset = Pen()->Visible() ? (Pen()->Width() + 1) / 2 : 0;
            const TRect& r = ShapeBounds();
            if (IsVertical())
                canvas.DrawHorizontalLine(r.Left + inset, r.Right - inset, y - FVertSpacing / 2);
            else
                canvas.DrawVerticalLine(r.Left + columnOffset + 2, r.Top + inset, r.Bottom - inset);
        }
    }
}

void TChartLegend::DrawItemTexts(TTeeCanvas& canvas, const TLayout& layout, int value, int position,
                                 int x, int y) {
    const TItemText& built = layout.Texts[size_t(position)];
    TLegendItem* custom = FItems.Custom ? FItems.Find(value) : nullptr;
    x -= 2;
    for (int column = 0; column < 2; ++column) {
        const bool right = RightAligned(FEffectiveStyle, FTextStyle, column);
        if (right) x += layout.ColumnWidths[column];
        int drawX = x;
        int drawY = HasCheckBoxes() ? y + 1 : y;
        unsigned align = right ? TA_RIGHT : TA_LEFT;
        std::string text = built.Columns[column];
        if (custom) {
            text = column == 0 ? custom->Text() : custom->Text2();
            if (column == 0) {
                drawX = custom->Left();
                drawY = custom->Top();
                align = unsigned(custom->Align());
            }
        } else if (column == 0 && !FItems.Custom) {
            TLegendItem& item = FItems.GetItem(value);
            item.FLeft = drawX;
            item.FTop = drawY;
            item.FText = built.Columns[0];
            item.FText2 = built.Columns[1];
            item.FAlign = int(align);
        }
        if (!built.Columns[column].empty()) {
            canvas.SetTextAlignment(align);
            canvas.DrawTextOrMarkup(drawX, drawY, TextFormat() == ttfHtml, text);
        }
        if (!right) x += layout.ColumnWidths[column];
        x += layout.SpaceWidth;
    }
}

void TChartLegend::DrawItemSymbol(TTeeCanvas&, const TLayout& layout, int value, int,
                                  const TRect& symbolRect, int checkX, int y) {
    const int checkY = y + (layout.ItemHeight - FVertSpacing - 11) / 2 - 1;
    const bool checkBoxes = HasCheckBoxes();
    const bool isCheckBox = FCheckBoxesStyle == cbsCheck;
    if (FEffectiveStyle == lsSeriesGroups) {
        const TSeriesGroups& groups = *FChart->SeriesGroups();
        if (checkBoxes && value < groups.Count())
            PaintCheckGlyph(checkX, checkY, groups.GetGroup(value)->Active() != gaNo, isCheckBox);
        return;
    }
    TChartSeries* series = nullptr;
    int index = -1;
    if (FEffectiveStyle == lsValues) {
        series = LegendSeries();
        if (series) index = series->LegendToValueIndex(value);
    } else {
        series = FChart->SeriesInLegend(value, !checkBoxes);
        if (series && checkBoxes) PaintCheckGlyph(checkX, checkY, series->Active(), isCheckBox);
    }
    if (FSymbol->OnDraw) {
        FSymbol->OnDraw(this, series, index, symbolRect);
    } else if (FSymbolWidth > 0) {
        if (series)
            series->DrawLegendSymbol(index, symbolRect);
        else
            FSymbol->DrawSymbol(clWhite, symbolRect);
    }
}
