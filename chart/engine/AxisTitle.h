#pragma once
// The title of an axis: a caption in a framed box (transparent unless asked otherwise), turned by
// an angle whose default depends on the axis (upright beside the left and right axes).
// Published with the framed shape's settings.
#include <string>

#include "chart/foundation/TeeShape.h"

class TChartAxisTitle : public TTeeShape {
    KV_DECLARE_CLASS(TChartAxisTitle, TTeeShape)
public:
    explicit TChartAxisTitle(TCustomTeePanel* chart = nullptr);

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& value);
    // Degrees, kept modulo 360.
    int Angle() const { return FAngle; }
    void SetAngle(int value);
    // Sets Angle and the value it is stored against (the chart's choice for each axis).
    void SetDefaultAngle(int value) { FAngle = FDefaultAngle = value % 360; }
    int DefaultAngle() const { return FDefaultAngle; }

    // Whether the point lies on the title as last drawn: within its box, turned with the text.
    // A hidden title, or one without caption, takes no room and is never hit.
    bool ContainsPoint(int x, int y) const;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TChartAxisTitle>& p);

private:
    std::string FCaption;
    int FAngle = 0;
    int FDefaultAngle = 0;
};
