#pragma once
// The levels of a contour series (value, colour and an optional pen of their own, with the
// polylines the last drawing found), the settings of the marks along the lines, and of the
// smoothing of the lines.
#include <memory>

#include "chart/engine/grid3d/ContourTracing.h"
#include "platform/classes/Collection.h"
#include "platform/graphics/Colors.h"

class TChartPen;
class TContourSeries;

class TContourLevel : public TCollectionItem {
    KV_DECLARE_CLASS(TContourLevel, TCollectionItem)
public:
    explicit TContourLevel(TCollection* collection);
    ~TContourLevel() override;

    // clDefault: the chart's palette colour of the level's index.
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TColor ActualColor() const;
    // Created on first read, in the level's actual colour.
    TChartPen* Pen();
    // None releases the level's own pen: its lines are then drawn in the series pen.
    void SetPen(const TChartPen* value);
    bool UsesDefaultPen() const { return !FPen; }
    // The level's own pen, else the series pen.
    TChartPen* LinePen() const;
    double UpToValue() const { return FUpToValue; }
    void SetUpToValue(double value);

    TContourSeries* Series() const;
    // The polylines of the level found by the last drawing.
    TLevelSegments Segments;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TContourLevel>& p);

private:
    void Repaint() const;

    TColor FColor = clDefault;
    std::unique_ptr<TChartPen> FPen;
    double FUpToValue = 0;
};

class TContourLevels : public TOwnedCollection {
    KV_DECLARE_CLASS(TContourLevels, TOwnedCollection)
public:
    explicit TContourLevels(TContourSeries* series);
    TContourLevel* GetLevel(int index) const { return static_cast<TContourLevel*>(Items(index)); }
    TContourSeries* Series() const { return FSeries; }

protected:
    // A level added or deleted by hand turns the series' automatic levels off.
    void Notify(TCollectionItem* item, TCollectionNotification action) override;

private:
    TContourSeries* FSeries;
};

class TContourMarks : public TPersistent {
    KV_DECLARE_CLASS(TContourMarks, TPersistent)
public:
    explicit TContourMarks(TContourSeries* series = nullptr);
    ~TContourMarks() override;

    bool AntiOverlap() const { return FAntiOverlap; }
    void SetAntiOverlap(bool value) { Change(FAntiOverlap, value); }
    // Marks along the lines instead of at the points.
    bool AtSegments() const { return FAtSegments; }
    void SetAtSegments(bool value) { Change(FAtSegments, value); }
    bool ColorLevel() const { return FColorLevel; }
    void SetColorLevel(bool value) { Change(FColorLevel, value); }
    // A mark every Density-th stretch of a line; never below 1.
    int Density() const { return FDensity; }
    void SetDensity(int value);
    int Margin() const { return FMargin; }
    void SetMargin(int value) { Change(FMargin, value); }
    // The series' marks' visibility.
    bool Visible() const;
    void SetVisible(bool value);

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TContourMarks>& p);

private:
    template <class V>
    void Change(V& field, V value) {
        field = value;
        Changed();
    }
    // Repaints the series.
    void Changed();

    TContourSeries* FSeries;
    bool FAntiOverlap = false;
    bool FAtSegments = true;
    bool FColorLevel = false;
    int FDensity = 4;
    int FMargin = 0;
};

class TSmoothPoints : public TPersistent {
    KV_DECLARE_CLASS(TSmoothPoints, TPersistent)
public:
    explicit TSmoothPoints(TContourSeries* series = nullptr);
    ~TSmoothPoints() override;

    bool Active() const { return FActive; }
    void SetActive(bool value);
    bool Interpolate() const { return FInterpolate; }
    void SetInterpolate(bool value);
    // Curve segments per line point.
    int Factor() const { return FFactor; }

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TSmoothPoints>& p);

private:
    TContourSeries* FSeries;
    bool FActive = false;
    bool FInterpolate = false;
    int FFactor = 4;
};
