#include "chart/foundation/ZoomPanning.h"

#include <utility>

#include "platform/classes/Publisher.h"

TZoomPanning::TZoomPanning() = default;
TZoomPanning::~TZoomPanning() = default;

void TZoomPanning::Start(int X, int Y) {
    X0 = X1 = X;
    Y0 = Y1 = Y;
    Active = true;
}

void TZoomPanning::OrderCorners() {
    if (X0 > X1) std::swap(X0, X1);
    if (Y0 > Y1) std::swap(Y0, Y1);
}

TTeeZoomPen::TTeeZoomPen(TNotifyEvent onChange) : TChartPen(std::move(onChange)) {
    TNotifyEvent quiet = std::move(OnChange);
    SetColor(clWhite);
    OnChange = std::move(quiet);
}

void TTeeZoomPen::Publish(TPublisher<TTeeZoomPen>& p) {
    p.Inherited("Color").NoDefault().Stored(
        [](const TTeeZoomPen& pen) { return pen.Color() != pen.FDefaultColor; });
}

TTeeZoomBrush::TTeeZoomBrush(TNotifyEvent onChange) : TChartBrush(std::move(onChange)) {
    TNotifyEvent quiet = std::move(OnChange);
    SetColor(clWhite);
    SetStyle(bsClear);
    OnChange = std::move(quiet);
}

void TTeeZoomBrush::Publish(TPublisher<TTeeZoomBrush>& p) {
    p.Inherited("Color").Default(clWhite);
    p.Inherited("Style").Default(bsClear);
}
