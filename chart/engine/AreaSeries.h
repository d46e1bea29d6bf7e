#pragma once
// The area series and its horizontal form: the line family with the area under the line filled,
// stacked in groups, optionally down to an origin value of its own.
#include "chart/engine/CustomSeries.h"

enum TMultiArea { maNone, maStacked, maStacked100 };
const TEnumInfo& MultiAreaNames();

class TAreaSeries : public TCustomSeries {
    KV_DECLARE_CLASS(TAreaSeries, TCustomSeries)
public:
    explicit TAreaSeries(TComponent* owner);
    ~TAreaSeries() override;
    static std::string EditorClassName() { return "TAreaSeriesEditor"; }

    // A view of Stacked: cssStack and cssStack100 read as maStacked and maStacked100.
    TMultiArea MultiArea() const;
    void SetMultiArea(TMultiArea value);
    // Only areas of the same kind and group stack together.
    int StackGroup() const { return FStackGroup; }
    void SetStackGroup(int value) { ChangeField(FStackGroup, value); }
    // With UseYOrigin the area is filled down to YOrigin instead of the axis edge.
    bool UseYOrigin() const { return FUseYOrigin; }
    void SetUseYOrigin(bool value) { ChangeField(FUseYOrigin, value); }
    double YOrigin() const { return FYOrigin; }
    void SetYOrigin(double value) { ChangeField(FYOrigin, value); }

    bool StacksWith(const TChartSeries& series) const override;
    void AssignZOrder() override;
    bool DrawsSeriesForward(int valueIndex) const override;
    int OriginPosition(int valueIndex) const override;
    double GetMaxXValue() override;
    double GetMinXValue() override;
    double GetMaxYValue() override;
    double GetMinYValue() override;
    void PrepareLegendCanvas(int valueIndex, TColor& backColor, TBrushStyle& style) override;
    void DrawLegendShape(int valueIndex, const TRect& rect) override;
    void Apply3DFromGallery(bool enabled) override;
    void PrepareForGallery(bool enabled) override;
    void ListGalleryVariants(const std::function<void(const std::string&)>& addVariant) override;
    void ApplyGalleryVariant(TChartSeries* series, int index) override;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TAreaSeries>& p);

private:
    void SetGalleryLook();
    double WithOrigin(double extreme, bool isMax) const;

    int FStackGroup = 0;
    bool FUseYOrigin = false;
    double FYOrigin = 0;
};

class THorizAreaSeries : public TAreaSeries {
    KV_DECLARE_CLASS(THorizAreaSeries, TAreaSeries)
public:
    explicit THorizAreaSeries(TComponent* owner);
    ~THorizAreaSeries() override;

    int DefaultSampleCount() const override { return 10; }
    void DrawMark(int valueIndex, const std::string& text, TSeriesMarkPosition& position) override;
};
