#include "platform/graphics/Pen.h"

#include "platform/classes/PropAccess.h"
#include "platform/classes/Publisher.h"

const TEnumInfo& PenStyleNames() {
    static const TEnumInfo names{"psSolid",      "psDash",  "psDot",        "psDashDot",
                                 "psDashDotDot", "psClear", "psInsideFrame"};
    return names;
}

const TEnumInfo& PenModeNames() {
    static const TEnumInfo names{"pmBlack",       "pmWhite",      "pmNop",         "pmNot",
                                 "pmCopy",        "pmNotCopy",    "pmMergePenNot", "pmMaskPenNot",
                                 "pmMergeNotPen", "pmMaskNotPen", "pmMerge",       "pmNotMerge",
                                 "pmMask",        "pmNotMask",    "pmXor",         "pmNotXor"};
    return names;
}

TPen::TPen() = default;
TPen::~TPen() = default;

void TPen::Publish(TPublisher<TPen>& p) {
    p.Color("Color", &TPen::Color, &TPen::SetColor).Default(clBlack);
    p.Enumeration("Mode", PenModeNames(), &TPen::Mode, &TPen::SetMode).Default(pmCopy);
    p.Enumeration("Style", PenStyleNames(), &TPen::Style, &TPen::SetStyle).Default(psSolid);
    p.Integer("Width", &TPen::Width, &TPen::SetWidth).Default(1);
}

void TPen::SetColor(TColor value) {
    if (value == FColor) return;
    FColor = value;
    Changed();
}

void TPen::SetWidth(int value) {
    if (value == FWidth) return;
    FWidth = value;
    Changed();
}

void TPen::SetStyle(TPenStyle value) {
    if (value == FStyle) return;
    FStyle = value;
    Changed();
}

void TPen::SetMode(TPenMode value) {
    if (value == FMode) return;
    FMode = value;
    Changed();
}

void TPen::SetEndCap(TPenEndCap value) {
    if (value == FEndCap) return;
    FEndCap = value;
    Changed();
}

void TPen::SetJoin(TPenJoin value) {
    if (value == FJoin) return;
    FJoin = value;
    Changed();
}

void TPen::SetDotted(bool dotted, int space) {
    if (dotted == FDotted && space == FDotSpace) return;
    FDotted = dotted;
    FDotSpace = space;
    Changed();
}

void TPen::Assign(const TPersistent* source) {
    const TPen* pen = dynamic_cast<const TPen*>(source);
    if (!pen) return TPersistent::Assign(source);
    // One change notice for the whole copy.
    TNotifyEvent saved = std::move(OnChange);
    OnChange = nullptr;
    AssignPublished(this, pen);
    FEndCap = pen->FEndCap;
    FJoin = pen->FJoin;
    FDotted = pen->FDotted;
    FDotSpace = pen->FDotSpace;
    OnChange = std::move(saved);
    Changed();
}

void TPen::Changed() {
    if (OnChange) OnChange(this);
}
