#include "chart/editors/PreviewGradient.h"

TPreviewGradient::TPreviewGradient(TComponent* owner) : TCustomTeePanelExtended(owner) {}

TPreviewGradient::~TPreviewGradient() = default;

void TPreviewGradient::InternalDraw(const TRect& Rect) { DrawPanel(Rect); }
