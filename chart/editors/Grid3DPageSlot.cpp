#include "chart/editors/Grid3DPageSlot.h"

#include "chart/editors/Grid3DSeriesEditor.h"

TGrid3DPageSlot::~TGrid3DPageSlot() {
    if (FPage) {
        FPage->RemoveFreeNotification(FEditor);
        TObject::Free(FPage);
    }
}

void TGrid3DPageSlot::Load(TWinControl* parent, TCustom3DPaletteSeries* series) {
    if (!series) return;
    if (FPage) {
        FPage->LoadSeries(series);
    } else if (parent) {
        FPage = EmbedGrid3DEditor(parent, series);
        FPage->FreeNotification(FEditor);
    }
}

void TGrid3DPageSlot::Forget(const TComponent* component) {
    if (component == FPage) FPage = nullptr;
}
