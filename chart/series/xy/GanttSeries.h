#pragma once
// One horizontal bar a task: the pointer stretched along the horizontal axis from the task's
// start (X) to its end ("End"), at its row (Y), half Pointer.VertSize high; and, when the
// connecting pen shows, an elbow from the end of a task to the start of the task named in its
// "NextTask" value (-1: none). Clicking anywhere on a bar finds the task.
#include "chart/engine/PointSeries.h"

class TGanttSeries : public TPointSeries {
    KV_DECLARE_CLASS(TGanttSeries, TPointSeries)
public:
    explicit TGanttSeries(TComponent* owner);
    ~TGanttSeries() override;
    static std::string EditorClassName() { return "TGanttSeriesEditor"; }

    TChartValueList& StartValues() { return XValues(); }
    TChartValueList& EndValues() { return *FEnd; }
    const TChartValueList& EndValues() const { return *FEnd; }
    TChartValueList& NextTask() { return *FNextTask; }
    const TChartValueList& NextTask() const { return *FNextTask; }
    void SetStartValues(const TChartValueList* value) { SetXValues(value); }
    void SetEndValues(const TChartValueList* value) { AssignValueList(*FEnd, value); }
    void SetNextTask(const TChartValueList* value) { AssignValueList(*FNextTask, value); }
    // The same pen as the line pen.
    TChartPen* ConnectingPen() const { return LinePen(); }
    void SetConnectingPen(const TChartPen* value) { SetLinePen(value); }

    // The new task's index, -1 when refused. The end stays pending for the next append.
    int AddTaskColor(double start, double end, double y, const std::string& label, TColor color);
    int AddTask(double start, double end, double y, const std::string& label = {}) {
        return AddTaskColor(start, end, y, label, clDefault);
    }
    // Every new task starts without a successor.
    int AddXYPoint(double x, double y, const std::string& label = {},
                   TColor color = clDefault) override;

    void DrawValue(int valueIndex) override;
    void DrawMark(int valueIndex, const std::string& text, TSeriesMarkPosition& position) override;
    bool PointerContains(int valueIndex, int x, int y, int mouseX, int mouseY) override;
    double GetMaxXValue() override;
    bool CanCopyFrom(const TChartSeries& source) const override;
    void PrepareForGallery(bool enabled) override;
    void AddRandomValues(int numValues, bool onlyMandatory) override;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TGanttSeries>& p);

private:
    void DrawConnection(int valueIndex, int endX, int y);

    TChartValueList* FEnd;
    TChartValueList* FNextTask;
};
