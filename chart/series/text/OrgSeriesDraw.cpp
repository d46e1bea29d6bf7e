// The organisation chart's drawing: every box sized to its text, then the rows laid out from the
// top, each group of children centred under its parent, with the connectors to the parents.
#include <algorithm>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartEngineStartup.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartPen.h"
#include "chart/series/text/OrgSeries.h"

namespace {

int CentreX(const TRect& r) { return r.Left + (r.Right - r.Left) / 2; }

// The lines of a text as the box draws them.
int TextLineCount(const std::string& text) {
    return 1 + int(std::count(text.begin(), text.end(), LineSeparator));
}

}  // namespace

void TOrgSeries::GatherChildren() {
    const int n = std::min(FItems->Count(), Count());
    // Slot 0 holds the top row (parent -1), slot p + 1 the children of p.
    FChildStart.assign(size_t(n) + 2, 0);
    FChildren.clear();
    const auto slotOf = [this, n](int i) {
        if (!FItems->Item(i)->Format()->Visible()) return -1;
        const int parent = ParentOf(i);
        return parent >= -1 && parent < n ? parent + 1 : -1;
    };
    for (int i = 0; i < n; ++i)
        if (const int slot = slotOf(i); slot >= 0) ++FChildStart[size_t(slot) + 1];
    for (size_t s = 1; s < FChildStart.size(); ++s) FChildStart[s] += FChildStart[s - 1];
    FChildren.resize(size_t(FChildStart.back()));
    // Filled in index order, so each group keeps its points' order.
    std::vector<int>& next = FChildNext;
    next.assign(FChildStart.begin(), FChildStart.end() - 1);
    for (int i = 0; i < n; ++i)
        if (const int slot = slotOf(i); slot >= 0) FChildren[size_t(next[size_t(slot)]++)] = i;
}

int TOrgSeries::ChildCount(int parent) const {
    return FChildStart[size_t(parent) + 2] - FChildStart[size_t(parent) + 1];
}

void TOrgSeries::DrawAllValues() {
    TCustomAxisPanel& chart = *FParentChart;
    const int n = std::min(FItems->Count(), Count());
    for (int i = 0; i < n; ++i) {
        TOrgShape& format = *FItems->Item(i)->Format();
        format.SetText(Labels().Label(i));
        if (format.AutoSize()) format.CalcAutoBounds(&chart);
    }
    FLaidOut.assign(size_t(Count()), false);
    GatherChildren();
    const TRect& area = chart.ChartRect();
    LayoutRow(-1, (area.Left + area.Right) / 2, area.Top);
}

void TOrgSeries::LayoutRow(int parent, int centreX, int top) {
    TCustomAxisPanel& chart = *FParentChart;
    TCanvas3D& canvas = *chart.Canvas3D();
    const int first = FChildStart[size_t(parent) + 1];
    const int last = FChildStart[size_t(parent) + 2];
    const int count = last - first;
    if (count == 0) return;
    const int horizontal = FSpacing->Horizontal();
    const int halfVertical = FSpacing->Vertical() / 2;
    const bool squared = FLineStyle == lsSquared;
    const auto connect = [&](int x0, int y0, int x1, int y1) {
        if (!Pen()->Visible()) return;
        canvas.UsePen(Pen());
        canvas.DrawLine(x0, y0, x1, y1);
    };
    const auto boxOf = [this](int i) -> const TRect& {
        return FItems->Item(i)->Format()->ShapeBounds();
    };

    int groupWidth = horizontal * (count - 1);
    for (int k = first; k < last; ++k) {
        const TRect& r = boxOf(FChildren[size_t(k)]);
        groupWidth += std::max(r.Right - r.Left + 1, 0);
    }
    // The drawn row sits at the chart's 3-D offset; the layout's own centres stay without it,
    // so that the rows below do not drift by one offset more at each level.
    const int rowTop = top + chart.Height3D();
    const int level = rowTop - halfVertical;  // where a group's connectors meet
    const TRect& origin = chart.DrawingRect();
    int x = centreX + chart.Width3D() - groupWidth / 2;
    int rowHeight = 0;
    int firstCentre = 0, lastCentre = 0;
    for (int k = first; k < last; ++k) {
        const int i = FChildren[size_t(k)];
        TOrgShape& format = *FItems->Item(i)->Format();
        const TRect old = format.ShapeBounds();
        const TRect box{x, rowTop, x + old.Right - old.Left, rowTop + old.Bottom - old.Top};
        format.SetShapeBounds(box);
        const int centre = CentreX(box);
        if (k == first) firstCentre = centre;
        lastCentre = centre;
        if (parent != -1) {
            const TRect& above = boxOf(parent);
            if (!squared)
                connect(count == 1 ? CentreX(above) : centre, box.Top, CentreX(above),
                        above.Bottom);
            else
                connect(centre, count == 1 ? above.Bottom : level, centre, box.Top);
        }
        const TRect drawn{box.Left - origin.Left, box.Top - origin.Top, box.Right - origin.Left,
                          box.Bottom - origin.Top};
        format.DrawShapeAndText(
            chart, drawn, format.AutoSize() ? format.LineCount() : TextLineCount(format.Text()), 0);
        FLaidOut[size_t(i)] = true;
        rowHeight = std::max(rowHeight, box.Bottom - box.Top + 1);
        x += box.Right - box.Left + 1 + horizontal;
    }
    if (squared && count > 1 && parent != -1) connect(firstCentre, level, lastCentre, level);

    const int nextTop = top + rowHeight + FSpacing->Vertical();
    for (int k = first; k < last; ++k) {
        const int i = FChildren[size_t(k)];
        const int children = ChildCount(i);
        if (children == 0) continue;
        const TRect& box = boxOf(i);
        const int centre = CentreX(box);
        // Down to the level where the children's connectors meet.
        if (children > 1 && squared)
            connect(centre, box.Bottom, centre, nextTop + chart.Height3D() - halfVertical);
        LayoutRow(i, centre - chart.Width3D(), nextTop);
    }
}
