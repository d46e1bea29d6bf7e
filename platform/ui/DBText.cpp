#include "platform/ui/DBText.h"

TDBText::TDBText(TComponent* owner) : TLabel(owner) {
    FLink.OnDataChange = [this] { SetCaption(FLink.Field() ? FLink.Field()->DisplayText() : ""); };
}

TDBText::~TDBText() {
    FLink.OnDataChange = nullptr;
    FLink.SetDataSource(nullptr);
}
