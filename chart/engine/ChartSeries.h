#pragma once
// The base of every series: its points in value lists (X first, then Y, then the type's own),
// per-point labels, and per-point colours kept only once some point has a colour of its own.
//
// A point is one index across all lists. The X list decides where a new point goes (it is kept
// in ascending order by default); every other list inserts at that index. A null point is one
// whose colour is clNone: its values stay, line series skip or bridge it.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "chart/engine/ChartValueList.h"
#include "chart/engine/LabelsList.h"
#include "platform/classes/Component.h"
#include "platform/graphics/Colors.h"
#include "platform/rtl/Exceptions.h"

KV_EXCEPTION_CLASS(ChartException, Exception)

class TChartSeries;
using TSeriesNotifyEvent = std::function<void(TChartSeries& sender)>;
using TSeriesOnBeforeAdd = std::function<bool(TChartSeries& sender)>;
using TSeriesOnAfterAdd = std::function<void(TChartSeries& sender, int valueIndex)>;

class TChartSeries : public TComponent, public TValueListOwner {
    KV_DECLARE_CLASS(TChartSeries, TComponent)
public:
    explicit TChartSeries(TComponent* owner);
    ~TChartSeries() override;

    TChartValueList& XValues() { return *FX; }
    TChartValueList& YValues() { return *FY; }
    TLabelsList& Labels() { return FLabels; }
    TChartValueLists& ValueLists() override { return FValueLists; }
    int Count() const { return FX->Count(); }

    bool Active() const { return FActive; }
    void SetActive(bool value);
    TColor SeriesColor() const { return FColor; }
    void SetSeriesColor(TColor value);
    bool ColorEachPoint() const { return FColorEachPoint; }
    void SetColorEachPoint(bool value);
    double DefaultNullValue = 0;
    // A horizontal series: X holds the values and Y the positions.
    bool YMandatory() const { return FYMandatory; }
    void MakeXMandatory() { FYMandatory = false; }
    TChartValueList& MandatoryValueList() { return FYMandatory ? *FY : *FX; }
    TChartValueList& NotMandatoryValueList() { return FYMandatory ? *FX : *FY; }

    // --- Adding; each returns the new point's index, -1 when OnBeforeAdd refused it.
    int AddXYPoint(double x, double y, const std::string& label = {}, TColor color = clDefault);
    int AddValue(double value, const std::string& label = {}, TColor color = clDefault);
    int AddX(double value, const std::string& label = {}, TColor color = clDefault);
    int AddY(double value, const std::string& label = {}, TColor color = clDefault);
    int AddNullPoint(const std::string& label = {});
    int AddNullXYPoint(double x, double y, const std::string& label = {});
    int AddNullValue(double value);

    // --- Reading and changing.
    double XValueAt(int index) const { return (*FX)[index]; }
    double YValueAt(int index) const { return (*FY)[index]; }
    double MandatoryValue(int index) { return MandatoryValueList()[index]; }
    void SetXValueAt(int index, double value);
    void SetYValueAt(int index, double value);
    // clDefault when the point has no colour of its own.
    TColor StoredPointColor(int index) const;
    // The point's own colour, else the series colour, else (ColorEachPoint) a palette colour.
    TColor ValueColor(int index) const;
    // Creates the colour list only for a colour other than clDefault.
    void SetPointColor(int index, TColor color);
    bool HasPointColors() const { return FColors != nullptr; }
    bool IsNullValue(int index) const { return ValueColor(index) == clNone; }
    std::string PointLabel(int index) const { return FLabels.Label(index); }
    void SetPointLabel(int index, const std::string& text);

    // --- Deleting and clearing.
    // Raises for an index outside 0 .. Count-1.
    void Delete(int valueIndex);
    // Up to quantity points from start on (never past the end); with removeGap the positions are
    // renumbered 0, 1, 2 ...
    void DeleteRange(int start, int quantity, bool removeGap = false);
    void Clear();

    // --- Ordering.
    void ExchangePoints(int indexA, int indexB) override;
    void SortByLabels(TChartListOrder order);

    // --- Updates. While updating, added points are not announced and linked series not told;
    // the last EndUpdate tells them all at once.
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();
    bool Updating() const { return FUpdateCount > 0; }

    // Series that take their points from this one follow through this hook (data sources are
    // built on it); kinds as TLinkedSeriesChange.
    std::function<void(TChartSeries& sender, TLinkedSeriesChange kind, int index)> OnLinkedChange;
    void NotifyLinkedSeries(TLinkedSeriesChange kind, int index) override;
    void RefreshFromSource() override {}
    // The chart repaints; until the series joins a chart this only counts requests.
    void RepaintChart() override;
    int RepaintRequests() const { return FRepaintRequests; }

    TSeriesOnBeforeAdd OnBeforeAdd;
    TSeriesOnAfterAdd OnAfterAdd;
    TSeriesNotifyEvent OnClearValues;

    static void Publish(TPublisher<TChartSeries>& p);

protected:
    void NotifyValueAdded(int valueIndex);
    void ClearValueStorage();

private:
    TChartValueLists FValueLists;
    TChartValueList* FX;
    TChartValueList* FY;
    TLabelsList FLabels;
    std::unique_ptr<std::vector<TColor>> FColors;
    bool FActive = true;
    TColor FColor = clDefault;
    bool FColorEachPoint = false;
    bool FYMandatory = true;
    int FUpdateCount = 0;
    int FRepaintRequests = 0;
};
