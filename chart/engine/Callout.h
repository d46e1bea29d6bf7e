#pragma once
// A connecting line or arrow from a point to somewhere else, with the pointer's shape at the
// point: annotations and series marks draw their arrows with it.
#include <memory>

#include "chart/engine/SeriesPointer.h"

class TWhitePen;
struct TSeriesMarkPosition;

enum TArrowHeadStyle { ahNone, ahLine, ahSolid };
const TEnumInfo& ArrowHeadStyleNames();

class TCallout : public TSeriesPointer {
    KV_DECLARE_CLASS(TCallout, TSeriesPointer)
public:
    explicit TCallout(TChartSeries* series = nullptr);
    ~TCallout() override;

    TWhitePen* Arrow() const { return FArrow.get(); }
    void SetArrow(const TWhitePen* value);
    TArrowHeadStyle ArrowHead() const { return FArrowHead; }
    void SetArrowHead(TArrowHeadStyle value);
    int ArrowHeadSize() const { return FArrowHeadSize; }
    void SetArrowHeadSize(int value);
    int Distance() const { return FDistance; }
    void SetDistance(int value);

    // The arrow from start to tip (through the elbow when useElbow; a line carries no head),
    // then, for a plain line, the pointer at the tip. A clDefault arrow pen takes lineColor.
    void Draw(TColor lineColor, TPoint tip, TPoint elbow, TPoint start, int z, bool useElbow);

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TCallout>& p);

private:
    std::unique_ptr<TWhitePen> FArrow;
    TArrowHeadStyle FArrowHead = ahNone;
    int FArrowHeadSize = 8;
    int FDistance = 0;
};

// The callout of a series' marks, hidden by default; it sets the boxes Length + Distance away.
class TMarksCallout : public TCallout {
    KV_DECLARE_CLASS(TMarksCallout, TCallout)
public:
    explicit TMarksCallout(TChartSeries* series = nullptr);

    int Length() const { return FLength; }
    void SetLength(int value);
    // The length a stream leaves out; series types with other defaults set both.
    int DefaultLength = 8;
    // Moves the box and the arrow end up by Length + Distance, the arrow start by Distance.
    void OffsetPosition(TSeriesMarkPosition& position) const;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TMarksCallout>& p);

private:
    int FLength = 8;
};
