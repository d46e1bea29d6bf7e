#include "chart/editors/ChartEditorTypes.h"

#include <algorithm>

int FindDefaultSubPage(int requested, const std::array<bool, ChartSubPageCount>& tabVisible) {
    requested = std::clamp(requested, 0, ChartSubPageCount - 1);
    for (int i = requested; i < ChartSubPageCount; ++i)
        if (tabVisible[size_t(i)]) return i;
    for (int i = requested; i >= 0; --i)
        if (tabVisible[size_t(i)]) return i;
    return -1;
}

TSeriesButtonsState SeriesButtonsFor(TChartEditorOptions options, bool selected, int selCount,
                                     int index, int count, TSeriesStyleFlags style) {
    TSeriesButtonsState s;
    const bool single = selCount < 2;
    s.Add = options.Contains(ceAdd);
    s.Delete = selected && options.Contains(ceDelete) && !style.Contains(tssIsTemplate) &&
               !style.Contains(tssDenyDelete);
    s.Rename = selected && single && options.Contains(ceTitle);
    s.ChangeType = selected && options.Contains(ceChange) && !style.Contains(tssDenyChangeType);
    s.Clone = selected && single && options.Contains(ceClone) && !style.Contains(tssIsTemplate) &&
              !style.Contains(tssDenyClone);
    s.MoveDown = selected && selCount <= 1 && index < count - 1;
    s.MoveUp = selected && selCount <= 1 && index > 0;
    s.MoveVisible = options.Contains(ceOrderSeries);
    return s;
}

TEditorBounds PlaceStoredEditor(TEditorBounds b, const TStoredEditorPlacement& stored,
                                bool rememberPosition, bool rememberSize, int screenWidth,
                                int screenHeight) {
    if (rememberPosition && stored.Left) {
        b.Designed = true;
        b.Left = std::max(0, *stored.Left);
        // A store holding Left without Top keeps the top as it is.
        if (stored.Top) b.Top = std::max(0, *stored.Top);
    }
    if (rememberSize) {
        if (stored.Width) b.Width = std::max(100, *stored.Width);
        if (stored.Height) b.Height = std::max(100, *stored.Height);
        if (stored.TreeWidth) b.TreeWidth = std::max(10, *stored.TreeWidth);
    }
    if (b.Left > screenWidth) b.Left = std::max(0, screenWidth - b.Width);
    if (b.Top > screenHeight) b.Top = std::max(0, screenHeight - b.Height);
    return b;
}
