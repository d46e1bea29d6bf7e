#include "controls/RzBalloonHints.h"

#include "controls/RzBalloonHintWindow.h"
#include "controls/RzOldPropReader.h"
#include "platform/classes/Publisher.h"
#include "platform/graphics/Font.h"
#include "platform/ui/Application.h"

namespace {
const TEnumInfo& HintCornerNames() {
    static const TEnumInfo names{"hcLowerRight", "hcLowerLeft", "hcUpperLeft", "hcUpperRight",
                                 "hcNone"};
    return names;
}
}  // namespace

TRzBalloonHints::TRzBalloonHints(TComponent* owner)
    : TComponent(owner),
      FBitmaps(std::make_unique<TRzBalloonBitmaps>()),
      FFont(std::make_unique<TFont>()) {
    FFont->SetName("Tahoma");
    FFont->SetSize(8);
    FFont->SetColor(clInfoText);
    if (Application) {
        FHintPause = Application->HintPause();
        FHintShortPause = Application->HintShortPause();
    }
    // A change inside the font reaches the linked window as a whole new font.
    FFont->OnChange = [this](TObject*) {
        if (FHintWindow) FHintWindow->SetFont(FFont.get());
    };
    if (ComponentState().Contains(csDesigning) || !Application) return;
    RegisterBalloonHints(this);
    FFormerHintWindowClass = Application->HintWindowClass();
    InstallHintWindowClass([] { return std::make_unique<TRzBalloonHintWindow>(); });
    FInstalled = true;
}

TRzBalloonHints::~TRzBalloonHints() {
    if (FInstalled) {
        UnregisterBalloonHints(this);
        // With the application gone there is nothing to put back.
        if (Application) InstallHintWindowClass(std::move(FFormerHintWindowClass));
    }
    LinkHintWindow(nullptr);
}

void TRzBalloonHints::InstallHintWindowClass(THintWindowClass windowClass) {
    const bool show = Application->ShowHint();
    Application->SetShowHint(false);
    Application->SetHintWindowClass(std::move(windowClass));
    Application->SetShowHint(show);
}

void TRzBalloonHints::Publish(TPublisher<TRzBalloonHints>& p) {
    using B = TRzBalloonHints;
    p.Enumeration("Alignment", AlignmentNames(), &B::Alignment, &B::SetAlignment)
        .Default(taLeftJustify);
    p.Integer("CaptionWidth", &B::CaptionWidth, &B::SetCaptionWidth).Default(100);
    // The stored defaults differ from the initial values, so the initial ones are written.
    p.Integer("CenterThreshold", &B::CenterThreshold, &B::SetCenterThreshold).Default(80);
    p.Color("Color", &B::Color, &B::SetColor).Default(clInfoBk);
    p.Enumeration("Corner", HintCornerNames(), &B::Corner, &B::SetCorner).Default(hcUpperRight);
    p.Color("FrameColor", &B::FrameColor, &B::SetFrameColor).Default(clInfoText);
    p.Integer("HintPause", &B::GetHintPause, &B::SetHintPause).Default(500);
    p.Integer("HintShortPause", &B::GetHintShortPause, &B::SetHintShortPause).Default(0);
    p.Boolean("ShowBalloon", &B::ShowBalloon, &B::SetShowBalloon).Default(true);
}

void TRzBalloonHints::DefineProperties(TFiler& filer) {
    TComponent::DefineProperties(filer);
    DefineDroppedProperty(filer, "BalloonStyle", &TRzOldPropReader::SkipIdent);
    DefineDroppedProperty(filer, "Shadow", &TRzOldPropReader::SkipBoolean);
}

void TRzBalloonHints::LinkHintWindow(TRzCustomHintWindow* window) {
    if (FHintWindow) {
        FHintWindow->RemoveFreeNotification(this);
        FHintWindow->SetBitmaps(nullptr);
    }
    FHintWindow = window;
    if (!window) return;
    window->FreeNotification(this);
    window->SetCaptionWidth(FCaptionWidth);
    window->SetColor(FColor);
    window->SetCorner(FCorner);
    window->SetShowBalloon(FShowBalloon);
    window->SetAlignment(FAlignment);
    window->SetBitmaps(FBitmaps.get());
    window->OnSetHintWinSize = OnSetHintWinSize;
    window->OnSetHintRect = OnSetHintRect;
    window->SetFont(FFont.get());
}

void TRzBalloonHints::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == FHintWindow) FHintWindow = nullptr;
}

void TRzBalloonHints::SetAlignment(TAlignment value) {
    FAlignment = value;
    if (FHintWindow) FHintWindow->SetAlignment(value);
}

void TRzBalloonHints::SetCaptionWidth(int value) {
    FCaptionWidth = value;
    if (FHintWindow) FHintWindow->SetCaptionWidth(value);
}

void TRzBalloonHints::SetCenterThreshold(int value) {
    FCenterThreshold = value;
    if (FHintWindow) FHintWindow->SetCenterThreshold(value);
}

void TRzBalloonHints::SetColor(TColor value) {
    FColor = value;
    if (FHintWindow) FHintWindow->SetColor(value);
}

void TRzBalloonHints::SetCorner(TRzHintCorner value) {
    FCorner = value;
    if (FHintWindow) FHintWindow->SetCorner(value);
}

void TRzBalloonHints::SetFont(const TFont* value) { FFont->Assign(value); }

void TRzBalloonHints::SetFrameColor(TColor value) {
    FFrameColor = value;
    if (FHintWindow) FHintWindow->SetFrameColor(value);
}

void TRzBalloonHints::SetShowBalloon(bool value) {
    FShowBalloon = value;
    if (FHintWindow) FHintWindow->SetShowBalloon(value);
}

namespace {
// At run time the pauses are the application's, so a form that does not store them leaves
// the application's values alone.
bool UsesApplication(const TComponent& c) {
    return Application && !c.ComponentState().Contains(csDesigning);
}
}  // namespace

int TRzBalloonHints::GetHintPause() const {
    return UsesApplication(*this) ? Application->HintPause() : FHintPause;
}

void TRzBalloonHints::SetHintPause(int value) {
    if (UsesApplication(*this))
        Application->SetHintPause(value);
    else
        FHintPause = value;
}

int TRzBalloonHints::GetHintShortPause() const {
    return UsesApplication(*this) ? Application->HintShortPause() : FHintShortPause;
}

void TRzBalloonHints::SetHintShortPause(int value) {
    if (UsesApplication(*this))
        Application->SetHintShortPause(value);
    else
        FHintShortPause = value;
}
