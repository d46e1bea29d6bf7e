#pragma once
// What an axis draws with: the pen of its line, the pens and lengths of its ticks, the minor grid,
// the title, and the event that may move, change or cancel each text. Owned by the axis.
#include <functional>
#include <optional>
#include <string>

#include "chart/engine/AxisTitle.h"
#include "chart/foundation/ChartPen.h"

class TCanvas3D;
class TChartAxis;

// How the axis line is drawn: a line, or a cylinder or box as thick as the pen.
enum TPenLineMode { lmLine, lmCylinder, lmRectangle };

class TChartAxisPen : public TChartPen {
    KV_DECLARE_CLASS(TChartAxisPen, TChartPen)
public:
    explicit TChartAxisPen(TNotifyEvent onChange = nullptr);
    TPenLineMode LineMode() const { return FLineMode; }
    void SetLineMode(TPenLineMode value);
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TChartAxisPen>& p);

private:
    TPenLineMode FLineMode = lmLine;
};

// Called before each label or title text: may move it (x, y, z), change it, or set draw to false.
using TAxisDrawLabelEvent =
    std::function<void(TChartAxis& sender, int& x, int& y, int& z, std::string& text, bool& draw)>;

struct TAxisDrawParts {
    TAxisDrawParts(const TNotifyEvent& changed, TCustomTeePanel* chart);
    void Assign(const TAxisDrawParts& source);

    TChartAxisPen Axis;
    TDarkGrayPen Ticks;
    TDarkGrayPen TicksInner;
    TDarkGrayPen MinorTicks;
    TChartHiddenPen MinorGrid;
    TChartAxisTitle Title;
    int TickLength = 4;
    int TickInnerLength = 0;
    int MinorTickLength = 2;
    int MinorTickCount = 3;
    // Fixed depth of the title band; 0 means measured.
    int TitleSize = 0;
    // The grid shown or hidden for one call of DrawAtPositions; not a setting, never copied.
    std::optional<bool> GridVisibleOverride;
};
