#pragma once
// Each point drawn as a 3-D segment (a vector) from its start (X, Y, Z) to its end (EndX, EndY,
// EndZ), with arrowheads at either end, coloured by value as every palette series.
#include <memory>

#include "chart/engine/grid3d/Custom3DPaletteSeries.h"

class TChartHiddenPen;
class TChartPen;

class TVector3DSeries : public TCustom3DPaletteSeries {
    KV_DECLARE_CLASS(TVector3DSeries, TCustom3DPaletteSeries)
public:
    explicit TVector3DSeries(TComponent* owner);
    ~TVector3DSeries() override;
    static std::string EditorClassName() { return "TVectorSeriesEditor"; }

    // The arrowheads' size in pixels: half their spread across the vector (height) and their
    // length back along it (width).
    int ArrowHeight() const { return FArrowHeight; }
    void SetArrowHeight(int value) { ChangeField(FArrowHeight, value); }
    int ArrowWidth() const { return FArrowWidth; }
    void SetArrowWidth(int value) { ChangeField(FArrowWidth, value); }
    // The heads' pens; a head in clDefault takes its vector's colour.
    TChartPen* EndArrow() const { return FEndArrow.get(); }
    void SetEndArrow(const TChartPen* value);
    TChartHiddenPen* StartArrow() const { return FStartArrow.get(); }
    void SetStartArrow(const TChartHiddenPen* value);
    TChartValueList& EndXValues() { return *FEndX; }
    TChartValueList& EndYValues() { return *FEndY; }
    TChartValueList& EndZValues() { return *FEndZ; }
    const TChartValueList& EndXValues() const { return *FEndX; }
    const TChartValueList& EndYValues() const { return *FEndY; }
    const TChartValueList& EndZValues() const { return *FEndZ; }
    void SetEndXValues(const TChartValueList* value) { AssignValueList(*FEndX, value); }
    void SetEndYValues(const TChartValueList* value) { AssignValueList(*FEndY, value); }
    void SetEndZValues(const TChartValueList* value) { AssignValueList(*FEndZ, value); }

    // The new vector's index, -1 when OnBeforeAdd refused it.
    int AddVector(double x0, double y0, double z0, double x1, double y1, double z1,
                  const std::string& label = {}, TColor color = clDefault);

    void DrawValue(int valueIndex) override;
    // The axes' ranges hold the ends as well as the starts.
    double GetMaxXValue() override;
    double GetMinXValue() override;
    double GetMaxYValue() override;
    double GetMinYValue() override;
    double GetMaxZValue() override;
    double GetMinZValue() override;
    int DefaultSampleCount() const override { return 250; }
    void AddRandomValues(int numValues, bool onlyMandatory) override;
    bool CanCopyFrom(const TChartSeries& source) const override;
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TVector3DSeries>& p);

private:
    // Two strokes meeting at (x, y) at depth z, opening backwards from the screen direction
    // whose sine and cosine are s and c.
    void DrawArrowHead(const TChartPen& pen, TColor color, int x, int y, int z, double s, double c);

    std::unique_ptr<TChartHiddenPen> FStartArrow;
    std::unique_ptr<TChartPen> FEndArrow;
    TChartValueList* FEndX;
    TChartValueList* FEndY;
    TChartValueList* FEndZ;
    int FArrowHeight = 4;
    int FArrowWidth = 4;
};
