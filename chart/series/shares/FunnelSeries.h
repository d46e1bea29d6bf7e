#pragma once
// A sales funnel: a horizontal funnel shape cut into one segment per point, the points kept in
// descending order of their quote. Each segment is filled up to the level its opportunity
// reaches against its quote, in the colour of how far it lies from the quote: above it, within
// DifferenceLimit percent below it, or further below. The legend explains the three colours.
#include <memory>
#include <vector>

#include "chart/engine/ChartSeries.h"
#include "chart/series/algo/FunnelSegments.h"

class TFunnelSeries : public TChartSeries {
    KV_DECLARE_CLASS(TFunnelSeries, TChartSeries)
public:
    explicit TFunnelSeries(TComponent* owner);
    ~TFunnelSeries() override;
    static std::string EditorClassName() { return "TFunnelSeriesEditor"; }

    TColor AboveColor() const { return FAboveColor; }
    void SetAboveColor(TColor value) { ChangeField(FAboveColor, value); }
    TColor WithinColor() const { return FWithinColor; }
    void SetWithinColor(TColor value) { ChangeField(FWithinColor, value); }
    TColor BelowColor() const { return FBelowColor; }
    void SetBelowColor(TColor value) { ChangeField(FBelowColor, value); }
    bool AutoUpdate() const { return FAutoUpdate; }
    // Turning it on recomputes the funnel at once.
    void SetAutoUpdate(bool value);
    double DifferenceLimit() const { return FDifferenceLimit; }
    void SetDifferenceLimit(double value);
    TChartPen* LinesPen() const { return FLinesPen.get(); }
    void SetLinesPen(const TChartPen* value) { FLinesPen->Assign(value); }
    bool QuotesSorted() const { return FQuotesSorted; }
    // Also tells whether the points are in order now; no repaint.
    void SetQuotesSorted(bool value) { FQuotesSorted = FSorted = value; }
    TChartValueList& OpportunityValues() { return *FOpportunity; }
    void SetOpportunityValues(const TChartValueList* value) {
        AssignValueList(*FOpportunity, value);
    }
    TChartValueList& QuoteValues() { return YValues(); }
    virtual void SetQuoteValues(const TChartValueList* value) { SetYValues(value); }

    // Appends a segment; unless QuotesSorted the points are reordered by quote (descending) and
    // renumbered. Answers the index the point was appended at.
    int AddSegment(double quote, double opportunity, const std::string& label = {},
                   TColor color = clDefault);
    // Orders the points when they are not, then the funnel's scale from the first and last
    // quotes.
    void RecalcFunnel();
    const TFunnelScale& Scale() const { return FScale; }
    // Segment i's fill in screen points, and its colour.
    std::vector<TPoint> FillPolygon(int valueIndex);
    TColor SegmentColor(int valueIndex) const;

    void DrawValue(int valueIndex) override;
    void DrawAllValues() override;
    // The opportunity in percent of the quote, in PercentFormat; OnGetMarkText has the last
    // word.
    std::string ValueMarkText(int valueIndex) override;
    void DrawMark(int valueIndex, const std::string& text, TSeriesMarkPosition& position) override;
    int ValueIndexAt(int x, int y) override;
    double GetMinYValue() override { return 0; }
    double GetMinXValue() override { return -0.5; }
    double GetMaxXValue() override { return Count() - 0.5; }
    void PrepareForChartDraw() override;
    int CountLegendItems() const override { return 3; }
    TColor LegendItemColor(int legendIndex) const override;
    std::string LegendItemText(int legendIndex, TLegendTextStyle style) override;
    void AddRandomValues(int numValues, bool onlyMandatory) override;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TFunnelSeries>& p);

private:
    void SortByQuote();
    double Ratio(int valueIndex) const;
    TPoint ToScreen(const TFunnelCorner& c) const;
    std::string MarkText(int valueIndex);

    TChartValueList* FOpportunity;
    TColor FAboveColor = clGreen;
    TColor FWithinColor = clYellow;
    TColor FBelowColor = clRed;
    bool FAutoUpdate = true;
    double FDifferenceLimit = 30;
    std::unique_ptr<TChartPen> FLinesPen;
    bool FQuotesSorted = false;
    bool FSorted = false;
    TFunnelScale FScale;
};
