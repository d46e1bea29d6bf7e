#pragma once
// The grid drawn as contour lines: for each level the lines where the height crosses it, in the
// X-Z plane, drawn at a fixed Y (or at the level's own value); optionally filled as coloured
// bands, smoothed by a B-spline, labelled by marks along the lines, with pointers at their
// vertices. In a 2-D chart Z is drawn on the vertical axis. Levels are spread evenly over the
// Y range automatically, or edited by hand.
#include <functional>
#include <memory>
#include <vector>

#include "chart/engine/grid3d/ContourLevels.h"
#include "chart/engine/grid3d/Custom3DGridSeries.h"
#include "platform/graphics/Geometry.h"

class TChartHiddenPen;
class TChartPen;
class TSeriesPointer;

using TOnBeforeDrawLevelEvent = std::function<void(TContourSeries& sender, int levelIndex)>;
using TOnGetLevelEvent =
    std::function<void(TContourSeries& sender, int levelIndex, double& value, TColor& color)>;

class TContourSeries : public TCustom3DGridSeries {
    KV_DECLARE_CLASS(TContourSeries, TCustom3DGridSeries)
public:
    explicit TContourSeries(TComponent* owner);
    ~TContourSeries() override;
    static std::string EditorClassName() { return "TContourSeriesEditor"; }

    // On: the levels are spread over the Y range before each drawing. Turning it on empties
    // the levels.
    bool AutomaticLevels() const { return FAutomaticLevels; }
    void SetAutomaticLevels(bool value);
    // Stores the setting alone: no repaint, the levels kept (a level edited by hand).
    void SetAutomaticLevelsQuietly(bool value) { FAutomaticLevels = value; }
    TContourMarks* ContourMarks() const { return FContourMarks.get(); }
    void SetContourMarks(const TContourMarks* value) { FContourMarks->Assign(value); }
    TChartHiddenPen* Frame() const { return FFrame.get(); }
    void SetFrame(const TChartHiddenPen* value);
    // The legend shows lines instead of boxes (with a clear brush).
    bool LegendLines() const { return FLegendLines; }
    void SetLegendLines(bool value) { ChangeField(FLegendLines, value); }
    TContourLevels* Levels() const { return FLevels.get(); }
    void SetLevels(const TContourLevels* value) { FLevels->Assign(value); }
    // The colour of every line when the brush fills bands; clDefault: the level colours.
    TColor LinesColor() const { return FLinesColor; }
    void SetLinesColor(TColor value) { ChangeField(FLinesColor, value); }
    // The stored number with automatic levels, else the levels' count.
    int NumLevels() const;
    void SetNumLevels(int value);
    TSeriesPointer* Pointer() const { return FPointer.get(); }
    void SetPointer(const TSeriesPointer* value);
    TSmoothPoints* Smoothing() const { return FSmoothing.get(); }
    void SetSmoothing(const TSmoothPoints* value) { FSmoothing->Assign(value); }
    int Transparency() const { return FTransparency; }
    void SetTransparency(int value) { ChangeField(FTransparency, value); }
    double YPosition() const { return FYPosition; }
    void SetYPosition(double value) { ChangeField(FYPosition, value); }
    // Each level's lines at the level's own value.
    bool YPositionLevel() const { return FYPositionLevel; }
    void SetYPositionLevel(bool value) { ChangeField(FYPositionLevel, value); }
    TOnBeforeDrawLevelEvent OnBeforeDrawLevel;
    TOnGetLevelEvent OnGetLevel;

    // Set while the series rewrites its own levels.
    bool UpdatingLevels = false;
    void CreateAutoLevels();
    void EnsureAutoLevels();
    // Finds every level's polylines in the grid (the index must be current).
    void TraceLevels();

    void SetParentChart(TCustomAxisPanel* value) override;
    void PrepareForChartDraw() override;
    void DrawAllValues() override;
    void DrawMarks() override;
    // In 2-D a point stands at its Z on the vertical axis.
    int PointYPixel(int index) const override;
    double GetMaxYValue() override;
    double GetMinYValue() override;
    // The level whose line passes through (x, y), -1 for none.
    int ValueIndexAt(int x, int y) override;
    int CountLegendItems() const override;
    TColor LegendItemColor(int legendIndex) const override;
    std::string LegendItemText(int legendIndex, TLegendTextStyle style) override;
    void DrawLegendShape(int valueIndex, const TRect& rect) override;
    void AddRandomValues(int numValues, bool onlyMandatory) override;
    void PrepareForGallery(bool enabled) override;
    void ListGalleryVariants(const std::function<void(const std::string&)>& addVariant) override;
    void ApplyGalleryVariant(TChartSeries* series, int index) override;
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TContourSeries>& p);

private:
    friend class TContourLevels;
    // The level's index of legend row k.
    int LegendLevelIndex(int legendIndex) const;
    void FillBands();
    void DrawLevelLines();
    // The polyline's screen points: X, and Z on the depth axis (3-D) or the vertical axis.
    void ScreenPoints(const TLevelSegment& line);
    // FScreen replaced by its B-spline curve.
    void Smooth();
    void DrawLevelPointers(TColor color, TColor lineColor);
    void DrawLevelPoints(TColor color, double value);
    bool LinesHaveMarks() const;
    // The text of the marks along a level's lines.
    std::string LevelMarkText(int levelIndex);
    // FScreen as a line cut by marks every Density-th stretch longer than a mark (in 3-D at the
    // lines' vertical pixel, with the screen Z as depth).
    void DrawLineWithMarks(TColor lineColor, TColor levelColor, const std::string& text, int width,
                           int height);
    void DrawMarkAtLine(int x, int y, int angle, TColor lineColor, TColor levelColor,
                        const std::string& text, int width, int height);
    void LineMoveTo(const TPoint& p);
    void LineTo(const TPoint& p);

    bool FAutomaticLevels = true;
    std::unique_ptr<TContourMarks> FContourMarks;
    bool FLegendLines = false;
    std::unique_ptr<TContourLevels> FLevels;
    TColor FLinesColor = clBlack;
    int FNumLevels = 10;
    std::unique_ptr<TSeriesPointer> FPointer;
    std::unique_ptr<TSmoothPoints> FSmoothing;
    int FTransparency = 0;
    double FYPosition = 0;
    bool FYPositionLevel = false;
    std::unique_ptr<TChartHiddenPen> FFrame;

    // The drawing pass: the vertical pixel of the lines, the screen points of a polyline
    // (reused from line to line).
    int FYPixel = 0;
    std::vector<TPoint> FScreen;
    std::vector<int> FScreenDepth;
    // The boxes of the marks drawn along lines in this pass (for AntiOverlap).
    std::vector<TRect> FMarkRects;
};
