#pragma once
// An organisation chart: a tree of text boxes drawn without axes. Each point is one box: its
// label is the box's text and its Y value the index of its parent point (-1 for a box at the
// top). Every point has an item (Items) with the format of its box. The boxes are laid out row
// by row from the top of the chart rectangle, each group of children centred under its parent,
// and joined to the parent by squared or diagonal connector lines drawn with the series' pen.
// Deleting a box deletes the boxes below it and renumbers the parent indexes of the others.
#include <memory>
#include <vector>

#include "chart/engine/ChartSeries.h"
#include "chart/series/text/OrgItem.h"
#include "chart/series/text/Spacing.h"

enum TOrgLineStyle { lsSquared, lsDiagonal };
const TEnumInfo& OrgLineStyleNames();

class TOrgSeries : public TChartSeries {
    KV_DECLARE_CLASS(TOrgSeries, TChartSeries)
public:
    explicit TOrgSeries(TComponent* owner);
    ~TOrgSeries() override;
    static std::string EditorClassName() { return "TOrgSeriesEditor"; }

    // The box every new item's format is copied from.
    TOrgShape* Format() const { return FFormat.get(); }
    void SetFormat(const TOrgShape* value);
    TOrgLineStyle LineStyle() const { return FLineStyle; }
    void SetLineStyle(TOrgLineStyle value) { ChangeField(FLineStyle, value); }
    TOrgItemCollection* Items() const { return FItems.get(); }
    void SetItems(const TOrgItemCollection* value);
    TSpacing* Spacing() const { return FSpacing.get(); }
    void SetSpacing(const TSpacing* value);

    // Adds a box under parentIndex (-1: at the top); its index.
    int Add(const std::string& text, int parentIndex);
    // The parent index of point index (its Y value, rounded).
    int ParentOf(int index) const;
    // The points, in index order, whose parent is parent, among those that have an item; only
    // those whose box is visible when onlyVisible.
    void Children(int parent, bool onlyVisible, std::vector<int>& result) const;
    // Whether the last drawing laid out the point's box.
    bool WasLaidOut(int index) const;

    int AddXYPoint(double x, double y, const std::string& label = {},
                   TColor color = clDefault) override;
    // Deletes the box with every box below it.
    void Delete(int valueIndex) override;
    void ExchangePoints(int indexA, int indexB) override;
    void DrawAllValues() override;
    bool UsesAxes() const override { return false; }
    // The centre x and the bottom of the point's box.
    int PointXPixel(int index) const override;
    int PointYPixel(int index) const override;
    int ValueIndexAt(int x, int y) override;
    void AddRandomValues(int numValues, bool onlyMandatory) override;
    bool AcceptsAsSource(TComponent* component) const override;
    void SetParentChart(TCustomAxisPanel* value) override;
    void DetachedFromChart() override;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TOrgSeries>& p);

protected:
    void ClearValueStorage() override;
    void Loaded() override;

private:
    // Appends items, each a copy of Format with the point's label, until there are count.
    void AppendItems(int count, bool withLabels);
    // Gives every box's format the chart (or none).
    void AttachFormats(TCustomAxisPanel* chart);
    // One row: the boxes of row centred on centreX with their tops at top, their connectors to
    // the parent, then the rows below them.
    void LayoutRow(int parent, int centreX, int top);
    // The visible children of every box with an item, gathered once a drawing: those of parent
    // p (-1 for the top row) are FChildren[FChildStart[p + 1] .. FChildStart[p + 2]).
    void GatherChildren();
    int ChildCount(int parent) const;

    std::unique_ptr<TOrgShape> FFormat;
    TOrgLineStyle FLineStyle = lsSquared;
    std::unique_ptr<TOrgItemCollection> FItems;
    std::unique_ptr<TSpacing> FSpacing;
    // The boxes the last drawing laid out, by point index.
    std::vector<bool> FLaidOut;
    std::vector<int> FChildStart;
    std::vector<int> FChildren;
    std::vector<int> FChildNext;
};
