#pragma once
// The base of everything a chart keeps in its own lists, the series and the tools: whether it
// takes part in drawing, its brush and pen, the chart it belongs to and whether editors list it.
//
// An element joins and leaves a chart only through SetParentChart. It does not own its chart and
// the chart does not own it: its owner frees it, and on the way out it leaves the chart, so no
// list of the chart keeps a freed element. A subclass whose leaving does more than clear the
// field (the series and the tools) leaves the chart in its own destructor, while it is whole.
#include <memory>
#include <string>

#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "platform/classes/Component.h"

class TCustomAxisPanel;

// Class-level facts of chart elements: the name of the editor form of the element's class.
class TChartElementClass : public TClassInfo {
public:
    using TClassInfo::TClassInfo;
    virtual std::string EditorClassName() const = 0;
};

template <class T, class TBase = TChartElementClass>
class TChartElementClassOf : public TClassInfoOf<T, TBase> {
public:
    using TClassInfoOf<T, TBase>::TClassInfoOf;
    std::string EditorClassName() const override { return T::EditorClassName(); }
};

class TCustomChartElement : public TComponent {
public:
    template <class T>
    using TMetaOf = TChartElementClassOf<T>;
    KV_DECLARE_CLASS(TCustomChartElement, TComponent)
public:
    explicit TCustomChartElement(TComponent* owner);
    ~TCustomChartElement() override;

    bool Active() const { return FActive; }
    virtual void SetActive(bool value);
    TChartBrush* Brush() const { return FBrush.get(); }
    void SetBrush(const TChartBrush* value) { FBrush->Assign(value); }
    TChartPen* Pen() const { return FPen.get(); }
    virtual void SetPen(const TChartPen* value) { FPen->Assign(value); }
    TCustomAxisPanel* ParentChart() const { return FParentChart; }
    virtual void SetParentChart(TCustomAxisPanel* value) { FParentChart = value; }
    // Listed by editors at run time.
    bool ShowInEditor() const { return FShowInEditor; }
    void SetShowInEditor(bool value) { FShowInEditor = value; }
    // Made by the system for its own use: design lists skip it and the chart does not store it.
    bool InternalElement = false;

    // The editor form of this class; none in the base.
    static std::string EditorClassName() { return {}; }
    // The same for a class value of this family.
    static std::string EditorClassNameOf(TClass cls);

    // The notification of the element's pens and brush: repaints the chart.
    virtual void StyleChanged();
    // Invalidates the parent chart, if any.
    void Repaint();
    // A further pen for a descendant, reporting its changes as the element's own do.
    std::unique_ptr<TChartPen> CreateLinkedPen();

    // The element's parent component is its chart; any other parent is ignored.
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* value) override;

    // Active, Brush, Pen and Tag from another element.
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TCustomChartElement>& p);

protected:
    // Store a value and repaint only when it changed; true when it changed.
    template <class V>
    bool ChangeField(V& field, const V& value) {
        if (field == value) return false;
        field = value;
        Repaint();
        return true;
    }
    TNotifyEvent StyleChangedEvent();

    TCustomAxisPanel* FParentChart = nullptr;

private:
    bool FActive = true;
    bool FShowInEditor = true;
    std::unique_ptr<TChartBrush> FBrush;
    std::unique_ptr<TChartPen> FPen;
};
