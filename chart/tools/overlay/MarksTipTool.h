#pragma once
// Shows the mark text of the series point under the mouse as the chart's hint, when the mouse
// moves over the point or clicks it. Its delays are the application's hint pauses, shared by
// every control of the program.
#include <functional>
#include <string>

#include "chart/engine/ChartTools.h"
#include "chart/engine/SeriesMarks.h"

class TMarksTipTool;

enum TMarkToolMouseAction { mtmMove, mtmClick };
const TEnumInfo& MarkToolMouseActionNames();

using TMarksTipGetText = std::function<void(TMarksTipTool* sender, std::string& text)>;

// A drawing surface that keeps a hint with each point it draws (an export that stores hints with
// the picture) offers this. On such a surface the marks tip tool shows no live hints: it hands
// the surface the tip of every visible point when the chart is drawn. No surface of the program
// offers it.
class ITeePointHints {
public:
    virtual ~ITeePointHints() = default;
    // name: the series' name (or "Series" and its number), "_" and the point's index.
    virtual void AddPointHint(const std::string& name, const std::string& text) = 0;
};

class TMarksTipTool : public TTeeCustomToolSeries {
    KV_DECLARE_CLASS(TMarksTipTool, TTeeCustomToolSeries)
public:
    explicit TMarksTipTool(TComponent* owner);

    // The application's hint hide pause and hint pause, in milliseconds.
    int HideDelay() const;
    void SetHideDelay(int value);
    int MouseDelay() const;
    void SetMouseDelay(int value);
    TMarkToolMouseAction MouseAction() const { return FMouseAction; }
    // Cancels the hint.
    void SetMouseAction(TMarkToolMouseAction value);
    TSeriesMarksStyle Style() const { return FStyle; }
    void SetStyle(TSeriesMarksStyle value) { FStyle = value; }

    // Switching the tool off cancels the hint.
    void SetActive(bool value) override;
    // The chart that shows the hint: the series' one, else the tool's.
    TCustomAxisPanel* HintChart() const;
    // Takes the hint away: OnCancelHint, the chart's hint cleared and the shown hint hidden.
    void CancelHint();
    // The text shown for a point: its mark text in the tool's Style, then OnGetText.
    std::string TipText(TChartSeries& series, int index);

    void ChartDrawEvent(TChartToolEvent event) override;
    void ChartMouseEvent(TChartMouseEvent kind, TMouseButton button, TShiftState shift, int x,
                         int y) override;

    static std::string KindName() { return "Mark Tips"; }
    static std::string KindDescription() {
        return "Displays \"tips\" or \"hints\" when the end-user moves or clicks the mouse over a "
               "series point.";
    }
    static std::string EditorClassName() { return "TMarksTipToolEdit"; }

    // MouseAction and Style, then the series tool's settings.
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TMarksTipTool>& p);

    TNotifyEvent OnCancelHint;
    TMarksTipGetText OnGetText;

private:
    // The series and point under (x, y); false when none.
    bool PointUnder(int x, int y, TChartSeries*& series, int& index) const;
    // Another marks tip tool works on the same chart.
    bool SharesChart() const;
    // The chart's drawing surface when it keeps hints of its own, else none.
    ITeePointHints* PointHints() const;
    void AddPointHints(ITeePointHints& hints, TChartSeries& series);

    TMarkToolMouseAction FMouseAction = mtmMove;
    TSeriesMarksStyle FStyle = smsLabel;
};
