#pragma once
// What a value list asks of the series that owns it. The series base implements it; a value list
// without an owner (a function's scratch list, a test) needs none of it.
class TChartValueLists;

// Kinds of change a series passes on to the series that take their points from it.
enum TLinkedSeriesChange {
    lscCleared = 0,
    lscAdded = 1,
    lscDeleted = 2,
    lscFull = 3,
    lscModified = 4
};

class TValueListOwner {
public:
    virtual ~TValueListOwner();
    // The lists of the owner, in creation order; a new list appends itself.
    virtual TChartValueLists& ValueLists() = 0;
    // Swaps two whole points: every value list, colour and label.
    virtual void ExchangePoints(int indexA, int indexB) = 0;
    virtual void NotifyLinkedSeries(TLinkedSeriesChange kind, int index) = 0;
    // Refills the points from the data source (a value list's source field changed).
    virtual void RefreshFromSource() = 0;
    // Repaints the chart the owner belongs to, if any.
    virtual void RepaintChart() = 0;
};
