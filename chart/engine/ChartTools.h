#pragma once
// Tools: chart elements that take part in drawing and in mouse and wheel handling without being
// series. The chart passes its drawing steps, mouse and wheel to every active tool in list
// order; a series passes its drawing to the active series tools working on it.
#include <string>

#include "chart/engine/ChartElement.h"
#include "platform/ui/ControlTypes.h"

class TChartAxis;
class TChartSeries;

// Kinds of the chart's drawing event.
enum TChartToolEvent {
    cteAfterDraw = 0,
    cteBeforeDrawSeries = 1,
    cteBeforeDraw = 2,
    cteBeforeDrawAxes = 3,
    cteAfterDrawSeries = 4,
    cteMouseLeave = 5
};
enum TChartMouseEvent { cmeDown = 0, cmeMove = 1, cmeUp = 2 };
// Kinds of a series' drawing event.
enum TChartSeriesToolEvent { csteBeforeDrawValues = 1, csteAfterDrawValues = 4 };

// Class-level facts of tools: their short name and description for the tools gallery.
class TToolClass : public TChartElementClass {
public:
    using TChartElementClass::TChartElementClass;
    virtual std::string KindName() const = 0;
    virtual std::string KindDescription() const = 0;
};

template <class T>
class TToolClassOf : public TChartElementClassOf<T, TToolClass> {
public:
    using TChartElementClassOf<T, TToolClass>::TChartElementClassOf;
    std::string KindName() const override { return T::KindName(); }
    std::string KindDescription() const override { return T::KindDescription(); }
};

class TTeeCustomTool : public TCustomChartElement {
public:
    template <class T>
    using TMetaOf = TToolClassOf<T>;
    KV_DECLARE_CLASS(TTeeCustomTool, TCustomChartElement)
public:
    explicit TTeeCustomTool(TComponent* owner);
    // Leaves its chart's tool list.
    ~TTeeCustomTool() override;

    // Leaves the old chart's list (repainting it when the tool goes nowhere) and joins the new
    // one's.
    void SetParentChart(TCustomAxisPanel* value) override;

    virtual void ChartDrawEvent(TChartToolEvent) {}
    virtual void ChartMouseEvent(TChartMouseEvent, TMouseButton, TShiftState, int /*x*/,
                                 int /*y*/) {}
    virtual void SeriesDrawEvent(TChartSeriesToolEvent) {}
    virtual void ChartWheelEvent(int /*kind*/, int /*delta*/, int /*x*/, int /*y*/) {}
    static std::string KindName() { return {}; }
    static std::string KindDescription() { return {}; }
};

// A tool working on one series; it lets go of the series when the series is freed.
class TTeeCustomToolSeries : public TTeeCustomTool {
    KV_DECLARE_CLASS(TTeeCustomToolSeries, TTeeCustomTool)
public:
    explicit TTeeCustomToolSeries(TComponent* owner);
    ~TTeeCustomToolSeries() override;

    TChartSeries* Series() const { return FSeries; }
    virtual void SetSeries(TChartSeries* value);
    // The series' axes; without a series the top (right) axis only when the active series use
    // it and not the bottom (left) one.
    TChartAxis* GetHorizAxis() const;
    TChartAxis* GetVertAxis() const;

    static std::string EditorClassName() { return "TSeriesToolEditor"; }
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TTeeCustomToolSeries>& p);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TChartSeries* FSeries = nullptr;
};

// A tool working on one axis. The chart clears the reference when it frees the axis.
class TTeeCustomToolAxis : public TTeeCustomTool {
    KV_DECLARE_CLASS(TTeeCustomToolAxis, TTeeCustomTool)
public:
    explicit TTeeCustomToolAxis(TComponent* owner);

    TChartAxis* Axis() const { return FAxis; }
    // Joins the axis' chart (none for no axis) and repaints.
    virtual void SetAxis(TChartAxis* value);
    // The chart is freeing the axis: forget it without repainting.
    void ForgetAxis() { FAxis = nullptr; }
    // A tool that moves to another chart lets go of its axis, which belongs to the first one.
    void SetParentChart(TCustomAxisPanel* value) override;

    static std::string EditorClassName() { return "TAxisToolEditor"; }
    void Assign(const TPersistent* source) override;

protected:
    // "AxisID": the axis' place in the chart's list of all axes.
    void DefineProperties(TFiler& filer) override;

private:
    TChartAxis* FAxis = nullptr;
};
