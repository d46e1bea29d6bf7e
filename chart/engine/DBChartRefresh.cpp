// Refilling series from a dataset: one entry per series says which fields feed it and how its
// records group; the records are walked (or only the current one is taken) and each adds or
// accumulates a point.
#include <cmath>
#include <map>
#include <optional>

#include "chart/engine/ChartLists.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/DBChart.h"
#include "chart/foundation/FieldLists.h"
#include "platform/classes/Cursors.h"
#include "platform/rtl/DateTimeFormat.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/StrUtils.h"

namespace {

enum TGroupFunction { gfNone, gfSum, gfCount, gfHigh, gfLow, gfAvg };
constexpr int NoDateGrouping = 7;

struct TDBChartSeriesEntry {
    TChartSeries* Series = nullptr;
    TDataSet* DataSet = nullptr;
    bool YMandatory = true;
    TChartValueList* Mandatory = nullptr;
    TChartListOrder LabelSort = loNone;
    TField* LabelField = nullptr;
    TField* ColorField = nullptr;
    TField* MandatoryField = nullptr;
    int NumFields = 0;
    int DateGrouping = NoDateGrouping;
    TGroupFunction GroupFunction = gfNone;
    // Refilled from every record (bound to the dataset itself), else fed the current record.
    bool AllRecords = false;
    // An average fed the current record: the sums and counts of its points so far.
    TCustomDBChart::TRunningAverages* Running = nullptr;
};

TField* FieldNamed(TDataSet& dataSet, const std::string& name) {
    return name.empty() ? nullptr : dataSet.FieldByName(name);
}

double FieldNumber(const TField* field) {
    if (!field) return 0;
    if (field->FieldKind() == fkAggregate) return double(field->AsVariant().AsFloat());
    return field->AsFloat();
}

int IndexIn(std::initializer_list<const char*> names, const std::string& keyword) {
    int i = 0;
    for (const char* name : names) {
        if (keyword == name) return i;
        ++i;
    }
    return -1;
}

TDBChartSeriesEntry MakeEntry(TChartSeries& series, TDataSet& dataSet, bool allRecords) {
    TDBChartSeriesEntry e;
    e.Series = &series;
    e.DataSet = &dataSet;
    e.YMandatory = series.YMandatory();
    e.Mandatory = &series.MandatoryValueList();
    e.NumFields = CountFields(e.Mandatory->ValueSource());
    e.AllRecords = allRecords;

    std::string keyword, name;
    SplitFieldKeyword(series.XLabelsSource(), keyword, name);
    keyword = UpperCase(keyword);
    e.LabelField = FieldNamed(dataSet, name);
    if (keyword == "SORTASC")
        e.LabelSort = loAscending;
    else if (keyword == "SORTDES")
        e.LabelSort = loDescending;
    else if (const int g =
                 IndexIn({"HOUR", "DAY", "WEEK", "WEEKDAY", "MONTH", "QUARTER", "YEAR"}, keyword);
             g >= 0)
        e.DateGrouping = g;
    e.ColorField = FieldNamed(dataSet, series.ColorSource());

    SplitFieldKeyword(ExtractField(e.Mandatory->ValueSource(), 1), keyword, name);
    e.MandatoryField = FieldNamed(dataSet, name);
    const bool grouped = !keyword.empty();
    e.GroupFunction =
        TGroupFunction(IndexIn({"SUM", "COUNT", "HIGH", "LOW", "AVG"}, UpperCase(keyword)) + 1);
    // Grouped points carry no other values; a list keeps no field of an earlier refill.
    for (TChartValueList* list : series.ValueLists())
        if (list != e.Mandatory)
            list->BoundField = grouped ? nullptr : FieldNamed(dataSet, list->ValueSource());
    return e;
}

void AddPoint(const TDBChartSeriesEntry& e, const std::string& label, TColor color, double value,
              double other) {
    TChartSeries& s = *e.Series;
    if (e.GroupFunction != gfNone) {
        int found = -1;
        for (int i = 0; i < s.Count() && found < 0; ++i)
            if (s.PointLabel(i) == label) found = i;
        if (found < 0) {
            if (e.GroupFunction == gfCount) value = 1;
            if (e.Running) {
                (*e.Running)[label] = {value, 1};
                s.AddValue(value, label, color);
                return;
            }
            // An average's point keeps its count of records in its colour until the walk ends.
            s.AddValue(value, label, e.GroupFunction == gfAvg ? TColor(1) : color);
            return;
        }
        if (e.Running) {
            // A point this chart did not make (or no longer remembers) stands for one record.
            TCustomDBChart::TRunningAverage& a = (*e.Running)[label];
            if (a.Count == 0) a = {(*e.Mandatory)[found], 1};
            a.Sum += value;
            ++a.Count;
            e.Mandatory->SetValue(found, a.Sum / a.Count);
            return;
        }
        const double old = (*e.Mandatory)[found];
        switch (e.GroupFunction) {
            case gfSum:
                e.Mandatory->SetValue(found, old + value);
                break;
            case gfCount:
                e.Mandatory->SetValue(found, old + 1);
                break;
            case gfHigh:
                e.Mandatory->SetValue(found, std::max(old, value));
                break;
            case gfLow:
                e.Mandatory->SetValue(found, std::min(old, value));
                break;
            case gfAvg:
                e.Mandatory->SetValue(found, old + value);
                s.SetPointColor(found, s.StoredPointColor(found) + 1);
                break;
            case gfNone:
                break;
        }
        return;
    }
    for (int i = 2; i < s.ValueLists().Count(); ++i) {
        TChartValueList* list = s.ValueLists().ValueList(i);
        list->TempValue = FieldNumber(static_cast<TField*>(list->BoundField));
    }
    if (s.NotMandatoryValueList().ValueSource().empty())
        s.AddValue(value, label, color);
    else if (e.YMandatory)
        s.AddXYPoint(other, value, label, color);
    else
        s.AddXYPoint(value, other, label, color);
}

void AddRecord(const TDBChartSeriesEntry& e, bool currentOnly) {
    TChartSeries& s = *e.Series;
    std::string label;
    if (e.DateGrouping == NoDateGrouping) {
        if (e.LabelField) label = e.LabelField->DisplayText();
    } else if (e.LabelField) {
        label = DateGroupLabel(e.LabelField->AsDateTime(), e.DateGrouping);
    }
    TColor color = clDefault;
    if (e.GroupFunction == gfNone) {
        if (e.ColorField)
            color = TColor(e.ColorField->AsInteger());
        else if (e.NumFields == 1 && e.MandatoryField && e.MandatoryField->IsNull())
            color = clNone;
    }
    const double other = FieldNumber(static_cast<TField*>(s.NotMandatoryValueList().BoundField));
    if (e.NumFields == 1) {
        if (currentOnly && !e.LabelField) label = e.Mandatory->ValueSource();
        AddPoint(e, label, color, FieldNumber(e.MandatoryField), other);
        return;
    }
    // Several value fields: one point per field, named by it when no labels are bound.
    for (int n = 1; n <= e.NumFields; ++n) {
        std::string keyword, name;
        SplitFieldKeyword(ExtractField(e.Mandatory->ValueSource(), n), keyword, name);
        if (s.XLabelsSource().empty()) label = name;
        const TField* field = FieldNamed(*e.DataSet, name);
        AddPoint(e, label, field && field->IsNull() ? clNone : clDefault, FieldNumber(field),
                 other);
    }
}

// Returns the dataset to its record on every path: explicitly (raising) after a walk that ended
// well, quietly when an error is already on its way out.
class TBookmarkGuard {
public:
    explicit TBookmarkGuard(TDataSet& dataSet)
        : FDataSet(dataSet), FBookmark(dataSet.GetBookmark()) {}
    ~TBookmarkGuard() {
        if (FPending) try {
                Restore();
            } catch (...) {  // the error that unwinds the walk is the one to report
            }
    }
    TBookmarkGuard(const TBookmarkGuard&) = delete;
    TBookmarkGuard& operator=(const TBookmarkGuard&) = delete;
    void Restore() {
        FPending = false;
        if (FDataSet.BookmarkValid(FBookmark)) FDataSet.GotoBookmark(FBookmark);
        FDataSet.FreeBookmark(FBookmark);
    }

private:
    TDataSet& FDataSet;
    TBookmark FBookmark;
    bool FPending = true;
};

}  // namespace

void SplitFieldKeyword(const std::string& text, std::string& keyword, std::string& field) {
    const size_t close = text.size() > 1 && text[0] == '#' ? text.find('#', 1) : std::string::npos;
    if (close == std::string::npos || close == 1) {
        keyword.clear();
        field = text;
        return;
    }
    keyword = text.substr(1, close - 1);
    field = text.substr(close + 1);
}

void IsoWeekOfDate(TDateTime date, int& week, int& year) {
    const double day = std::trunc(date);
    // The Thursday of the date's week (Monday first) decides the week's year.
    const double thursday = day - (DayOfWeek(day) + 5) % 7 + 3;
    int month, dayOfMonth;
    DecodeDate(thursday, year, month, dayOfMonth);
    week = int(thursday - EncodeDate(year, 1, 1)) / 7 + 1;
}

std::string DateGroupLabel(TDateTime date, int grouping) {
    int year, month, day, hour, minute, second, msec;
    DecodeDateTime(date, year, month, day, hour, minute, second, msec);
    switch (grouping) {
        case 0:
            return FormatDateTime("dd hh:nn", EncodeDate(year, month, day) + hour / 24.0);
        case 1:
            return FormatDateTime("dd/MMM", EncodeDate(year, month, day));
        case 2: {
            int week, weekYear;
            IsoWeekOfDate(date, week, weekYear);
            return std::to_string(week) + "/" + std::to_string(weekYear);
        }
        case 3:
            return FormatSettings().ShortDayNames[size_t(DayOfWeek(date) - 1)];
        case 4:
            return FormatDateTime("MMM/yy", EncodeDate(year, month, 1));
        case 5:
            return std::to_string((month - 1) / 3 + 1) + "/" + std::to_string(year);
        case 6:
            return FormatDateTime("yyyy", EncodeDate(year, 1, 1));
        default:
            return {};
    }
}

void TCustomDBChart::RefreshDataSet(TDataSet* dataSet, TChartSeries* series) {
    if (FRefreshing || !dataSet || !dataSet->Active()) return;
    struct TRefreshingFlag {
        bool& Flag;
        ~TRefreshingFlag() { Flag = false; }
    } flag{FRefreshing};
    FRefreshing = true;

    // Each series decides for itself: bound to the dataset it is refilled from every record,
    // bound through a data source it gains the current record and keeps its earlier points.
    std::vector<TDBChartSeriesEntry> entries;
    if (series) {
        entries.push_back(MakeEntry(*series, *dataSet, series->DataSource() == dataSet));
    } else {
        for (int i = 0; i < SeriesCount(); ++i) {
            TChartSeries* s = GetSeries(i);
            if (DataSetOfSource(s->DataSource()) == dataSet &&
                !s->MandatoryValueList().ValueSource().empty())
                entries.push_back(MakeEntry(*s, *dataSet, s->DataSource() == dataSet));
        }
    }
    if (entries.empty()) return;
    std::erase_if(FRunningAverages,
                  [this](const auto& kept) { return SeriesList().IndexOf(kept.first) < 0; });
    for (TDBChartSeriesEntry& e : entries) {
        if (e.AllRecords)
            FRunningAverages.erase(e.Series);
        else if (e.GroupFunction == gfAvg)
            e.Running = &FRunningAverages[e.Series];
    }

    std::optional<TCursorGuard> hourglass;
    if (ShowGlassCursor) hourglass.emplace(crHourGlass);
    {
        TAutoRepaintGuard repaint(*this);
        bool anyAll = false, anyCurrent = false;
        for (const TDBChartSeriesEntry& e : entries) {
            if (e.AllRecords) e.Series->Clear();
            (e.AllRecords ? anyAll : anyCurrent) = true;
        }
        // An empty dataset has no current record to add.
        if (anyCurrent && !dataSet->IsEmpty()) {
            try {
                if (OnProcessRecord) OnProcessRecord(*this, dataSet);
                for (const TDBChartSeriesEntry& e : entries)
                    if (!e.AllRecords) AddRecord(e, true);
            } catch (const EAbort&) {  // ends the record quietly, as it ends a walk
            }
        }
        if (anyAll) {
            TDisableControlsGuard disabled(*dataSet);
            TBookmarkGuard bookmark(*dataSet);
            try {
                for (dataSet->First(); !dataSet->Eof(); dataSet->Next()) {
                    if (OnProcessRecord) OnProcessRecord(*this, dataSet);
                    for (const TDBChartSeriesEntry& e : entries)
                        if (e.AllRecords) AddRecord(e, false);
                }
            } catch (const EAbort&) {  // ends the walk quietly, keeping the points so far
            }
            for (const TDBChartSeriesEntry& e : entries) {
                if (!e.AllRecords) continue;
                TChartSeries& s = *e.Series;
                if (e.GroupFunction == gfAvg)
                    for (int i = 0; i < s.Count(); ++i) {
                        e.Mandatory->SetValue(i, (*e.Mandatory)[i] / s.StoredPointColor(i));
                        s.SetPointColor(i, clDefault);
                    }
                if (e.GroupFunction != gfNone && e.LabelSort != loNone) s.SortByLabels(e.LabelSort);
            }
            bookmark.Restore();
        }
        for (const TDBChartSeriesEntry& e : entries) {
            e.Series->ApplyValueOrder();
            e.Series->SignalDataChanged();
        }
    }
    Invalidate();
}
