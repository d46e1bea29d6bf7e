#include "chart/series/xy/OwnDefaultEntry.h"

#include "chart/engine/CustomSeries.h"
#include "chart/engine/SeriesMarks.h"

void DefineMarksAndPointerEntries(TFiler& filer, TCustomSeries& series) {
    TSeriesPointer* pointer = series.Pointer();
    TSeriesMarks* marks = series.Marks();
    DefineOwnDefaultEntry(filer, "PointerInflateMargins", pointer->InflateMargins(),
                          [pointer] { pointer->SetInflateMargins(true); });
    DefineOwnDefaultEntry(filer, "MarksOpaque", !marks->Transparent(),
                          [marks] { marks->SetTransparent(false); });
}
