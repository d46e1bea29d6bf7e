#pragma once
// The rectangle the user drags to zoom or scroll a chart, and the pen and brush the zoom
// rectangle is drawn with.
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "platform/classes/Persistent.h"

class TZoomPanning : public TPersistent {
    KV_DECLARE_CLASS(TZoomPanning, TPersistent)
public:
    TZoomPanning();
    ~TZoomPanning() override;

    // Both corners at (X, Y), and the drag active.
    void Start(int X, int Y);
    // Swaps coordinates so that X0 <= X1 and Y0 <= Y1.
    void OrderCorners();

    bool Active = false;
    int X0 = 0;
    int Y0 = 0;
    int X1 = 0;
    int Y1 = 0;
};

// White, and its colour stored only where it differs from white.
class TTeeZoomPen : public TChartPen {
    KV_DECLARE_CLASS(TTeeZoomPen, TChartPen)
public:
    explicit TTeeZoomPen(TNotifyEvent onChange = nullptr);
    static void Publish(TPublisher<TTeeZoomPen>& p);

private:
    TColor FDefaultColor = clWhite;
};

// White and clear: only the frame of the zoom rectangle shows.
class TTeeZoomBrush : public TChartBrush {
    KV_DECLARE_CLASS(TTeeZoomBrush, TChartBrush)
public:
    explicit TTeeZoomBrush(TNotifyEvent onChange = nullptr);
    static void Publish(TPublisher<TTeeZoomBrush>& p);
};
