#pragma once
// Clickable arrows at the ends of an axis, on the axis line: a click on one scrolls the axis
// range by a percentage of it, towards the arrow's end or, inverted, away from it.
#include <functional>
#include <string>

#include "chart/engine/ChartTools.h"
#include "platform/classes/PropInfo.h"

enum TAxisArrowToolPosition { aaStart, aaEnd, aaBoth };
const TEnumInfo& AxisArrowToolPositionNames();

class TAxisArrowTool;
using TAxisArrowClickEvent = std::function<void(TAxisArrowTool* sender, bool atStart)>;

class TAxisArrowTool : public TTeeCustomToolAxis {
    KV_DECLARE_CLASS(TAxisArrowTool, TTeeCustomToolAxis)
public:
    // What ArrowAtPoint finds.
    enum TArrow { arNone = -1, arStart = 0, arEnd = 1 };

    explicit TAxisArrowTool(TComponent* owner);
    ~TAxisArrowTool() override;

    int HeadWidth() const { return FHeadWidth; }
    void SetHeadWidth(int value) { ChangeField(FHeadWidth, value); }
    int Length() const { return FLength; }
    void SetLength(int value) { ChangeField(FLength, value); }
    TAxisArrowToolPosition Position() const { return FPosition; }
    void SetPosition(TAxisArrowToolPosition value) { ChangeField(FPosition, value); }
    bool ScrollInverted() const { return FScrollInverted; }
    void SetScrollInverted(bool value) { FScrollInverted = value; }
    int ScrollPercent() const { return FScrollPercent; }
    void SetScrollPercent(int value) { FScrollPercent = value; }
    int SizePercent() const { return FSizePercent; }
    void SetSizePercent(int value) { ChangeField(FSizePercent, value); }

    // The arrow under a point: within 3 pixels of the axis line across it, strictly inside an
    // arrow's length along it.
    TArrow ArrowAtPoint(int x, int y) const;
    // Scrolls the axis by delta (and the opposite axis when a series spans both), unless the
    // chart's OnAllowScroll refuses; then OnScroll.
    void ScrollAxisBy(double delta);

    void ChartDrawEvent(TChartToolEvent event) override;
    void ChartMouseEvent(TChartMouseEvent kind, TMouseButton button, TShiftState shift, int x,
                         int y) override;

    TAxisArrowClickEvent OnClick;

    static std::string KindName() { return "Axis Arrows"; }
    static std::string KindDescription() {
        return "Displays clickable arrows at axis start and ending points, to scroll axis.";
    }
    static std::string EditorClassName() { return "TAxisArrowToolEditor"; }

    static void Publish(TPublisher<TAxisArrowTool>& p);

private:
    int FHeadWidth = 8;
    int FLength = 16;
    TAxisArrowToolPosition FPosition = aaBoth;
    bool FScrollInverted = false;
    int FScrollPercent = 10;
    int FSizePercent = 50;
};
