#include "chart/editors/ChartGridModel.h"

#include <algorithm>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/BarSeries.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/ChartValueList.h"
#include "chart/engine/SeriesDataStream.h"
#include "platform/classes/PropInfo.h"
#include "platform/rtl/DateTimeFormat.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/StrUtils.h"

const TEnumInfo& ChartGridShowNames() {
    static const TEnumInfo names{"cgsAuto", "cgsNo", "cgsYes"};
    return names;
}

void TChartGridModel::Bind(TCustomAxisPanel* chart, TChartSeries* series) {
    FChart = series ? nullptr : chart;
    FSeries = series;
    Recalc();
}

void TChartGridModel::AddListed(TChartSeries* series) {
    TListedSeries s;
    s.Series = series;
    s.ShowsX =
        ShowXValues == cgsYes || (ShowXValues == cgsAuto && SeriesHasExplicitXValues(*series));
    // Every value list, less the positions when they are not shown.
    s.Columns = series->ValueLists().Count() - (s.ShowsX ? 0 : 1);
    FListed.push_back(s);
}

void TChartGridModel::Recalc() {
    FListed.clear();
    if (FSeries) {
        AddListed(FSeries);
    } else if (FChart) {
        for (int i = 0; i < FChart->SeriesCount(); ++i) {
            TChartSeries* s = FChart->GetSeries(i);
            if (!s->ComponentState().Contains(csDestroying)) AddListed(s);
        }
    }
    if (Grid3DMode) {
        Recalc3D();
        return;
    }
    FZSeries = nullptr;
    FColCount = 1 + (ShowLabels ? 1 : 0) + (ShowColors ? 1 : 0);
    int points = 0;
    for (const auto& s : FListed) {
        FColCount += s.Columns;
        points = std::max(points, s.Series->Count());
    }
    const int f = FirstDataRow();
    FRowCount = std::max(f + 1, f + points);
}

TChartSeries* TChartGridModel::SeriesOfColumn(int col, TChartValueList** list,
                                              bool* firstColumn) const {
    if (list) *list = nullptr;
    if (firstColumn) *firstColumn = false;
    if (col < 1) return nullptr;
    if (Grid3DMode) {
        if (firstColumn) *firstColumn = col == 1;
        return FZSeries;
    }
    int k = col - (ShowLabels ? 1 : 0) - (ShowColors ? 1 : 0);
    if (k < 0) return nullptr;
    for (const auto& s : FListed) {
        if (s.Columns >= k) {
            if (list) {
                // k = 0 is the labels column: no value list of its own.
                int index = -1;
                if (k >= 1) {
                    if (s.ShowsX)
                        index = k - 1;
                    else
                        index = s.Series->YMandatory() ? k : k - 1;
                }
                if (index >= 0) *list = s.Series->ValueLists().ValueList(index);
            }
            if (firstColumn) *firstColumn = k == 1;
            return s.Series;
        }
        k -= s.Columns;
    }
    return nullptr;
}

void TChartGridModel::ValueText(const TChartSeries& series, const TChartValueList& list, int index,
                                std::string& out) const {
    const double v = list[index];
    if (list.DateTime())
        out = v >= 1 ? DateTimeToStr(v) : TimeToStr(v);
    else
        out = FormatFloat(series.ValueFormat(), v);
}

void TChartGridModel::CellText(int col, int row, std::string& out) const {
    out.clear();
    if (Grid3DMode) {
        CellText3D(col, row, out);
        return;
    }
    const int f = FirstDataRow();
    if (col == 0) {
        if (row >= f)
            out = std::to_string(row - f);
        else if (row == f - 1)
            out = "#";
        return;
    }
    if (row < f) {
        if (row != f - 1) return;  // row 0 above two header rows: the series header is drawn
        if (col == LabelsColumn())
            out = "Text";
        else if (col == ColorsColumn())
            out = "Colors";
        else if (TwoHeaderRows) {
            TChartValueList* list = nullptr;
            if (SeriesOfColumn(col, &list) && list) out = list->Name();
        }
        return;
    }
    const int index = row - f;
    if (col == ColorsColumn()) return;
    if (col == LabelsColumn()) {
        if (FSeries) {
            out = FSeries->Labels().Label(index);
            return;
        }
        for (const auto& s : FListed)
            if (s.Series->Labels().Count() > index) {
                out = s.Series->Labels().Label(index);
                return;
            }
        return;
    }
    TChartValueList* list = nullptr;
    TChartSeries* series = SeriesOfColumn(col, &list);
    if (series && list && index < series->Count()) ValueText(*series, *list, index, out);
}

TChartSeries* TChartGridModel::ColorOfCell(int col, int row, TColor& color) const {
    color = clNone;
    if (!ShowColors || Grid3DMode || col != ColorsColumn() || row < FirstDataRow()) return nullptr;
    TChartSeries* series = SeriesOfColumn(col + 1);
    const int index = row - FirstDataRow();
    if (!series || index >= series->Count()) return nullptr;
    color = series->StoredPointColor(index);
    return series;
}

bool TChartGridModel::HasPoints() const {
    return std::any_of(FListed.begin(), FListed.end(),
                       [](const TListedSeries& s) { return s.Series->Count() > 0; });
}

void TChartGridModel::PadTo(TChartSeries& series, int index) {
    while (series.Count() <= index) series.AddNullPoint();
}

void TChartGridModel::AddFirstSeriesIfEmpty() {
    if (!FChart || FChart->SeriesCount() > 0 || !AllowInsertSeries) return;
    FChart->AddSeriesOfClass(&TBarSeries::StaticClass());
    Recalc();
}

bool TChartGridModel::ParseValue(const TChartValueList& list, const std::string& trimmed,
                                 double& value) {
    if (!list.DateTime()) return TryStrToFloat(trimmed, value);
    TDateTime dt = 0;
    if (!TryStrToDateTime(trimmed, dt)) return false;
    value = dt;
    return true;
}

TChartGridModel::TStoreResult TChartGridModel::StoreText(int col, int row, const std::string& text,
                                                         bool editorClosed) {
    if (!HasData() || row < FirstDataRow()) return srNoSeries;
    if (Grid3DMode) return StoreText3D(col, row, text);
    AddFirstSeriesIfEmpty();
    const int index = row - FirstDataRow();
    if (col == LabelsColumn()) {
        if (FListed.empty()) return srNoSeries;
        ForEachSeries([&](TChartSeries& s) {
            s.DataEnteredByHand = true;
            PadTo(s, index);
            s.SetPointLabel(index, text);
        });
        return srStored;
    }
    TChartValueList* list = nullptr;
    TChartSeries* series = SeriesOfColumn(col, &list);
    if (!series || !list || col == ColorsColumn()) return srNoSeries;
    // Convert first: a rejected text leaves the series exactly as it was.
    const std::string trimmed = Trim(text);
    double value = 0;
    if (!trimmed.empty() && !ParseValue(*list, trimmed, value)) return srRejected;
    ForEachSeries([](TChartSeries& s) { s.DataEnteredByHand = true; });
    PadTo(*series, index);
    if (!trimmed.empty()) {
        const bool wasNull = series->StoredPointColor(index) == clNone;
        list->SetValue(index, value);
        list->SetModified();
        if (wasNull) series->SetPointColor(index, clDefault);
    } else if (editorClosed) {
        series->SetPointColor(index, clNone);
    }
    series->SignalDataChanged();
    return srStored;
}

void TChartGridModel::InsertRow() {
    ForEachSeries([](TChartSeries& s) { s.AddNullXYPoint(s.Count(), 0); });
    Recalc();
}

void TChartGridModel::DeleteRow(int row) {
    const int index = row - FirstDataRow();
    if (index < 0) return;
    for (const auto& s : FListed) {
        if (index >= s.Series->Count()) continue;
        s.Series->Delete(index);
        if (!s.ShowsX) s.Series->NotMandatoryValueList().FillSequence();
    }
    Recalc();
}

bool TChartGridModel::AppendRow(int col) {
    if (Grid3DMode) return false;
    TChartSeries* series = SeriesOfColumn(col == ColorsColumn() ? col + 1 : col);
    if (!series) return false;
    series->AddNullPoint();
    Recalc();
    return true;
}

void TChartGridModel::SetPointColor(TChartSeries* series, int row, TColor color) {
    const int index = row - FirstDataRow();
    if (!series || index < 0) return;
    PadTo(*series, index);
    series->SetPointColor(index, color);
    series->DataEnteredByHand = true;
}
