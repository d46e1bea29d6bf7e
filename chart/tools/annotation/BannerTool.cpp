#include "chart/tools/annotation/BannerTool.h"

#include "platform/classes/Publisher.h"
#include "platform/ui/Timer.h"

namespace {

// Pixels the text moves at each scroll step.
constexpr int ScrollStep = 5;

}  // namespace

const TEnumInfo& ScrollDirectionNames() {
    static const TEnumInfo names{"sdRightLeft", "sdLeftRight"};
    return names;
}

TBannerTool::TBannerTool(TComponent* owner)
    : TAnnotationTool(owner),
      FBlinkTimer(std::make_unique<TTimer>(nullptr)),
      FScrollTimer(std::make_unique<TTimer>(nullptr)) {
    FBlinkTimer->SetEnabled(false);
    FBlinkTimer->SetInterval(FBlinkDelayOn);
    FBlinkTimer->OnTimer = [this](TObject*) { BlinkTick(); };
    FScrollTimer->SetInterval(50);
    FScrollTimer->OnTimer = [this](TObject*) { ScrollTick(); };
}

TBannerTool::~TBannerTool() = default;

bool TBannerTool::Blink() const { return FBlinkTimer->Enabled(); }
bool TBannerTool::Scroll() const { return FScrollTimer->Enabled(); }
int TBannerTool::ScrollDelay() const { return FScrollTimer->Interval(); }

void TBannerTool::SetBlink(bool value) {
    FBlinkTimer->SetEnabled(value);
    Refresh();
}

void TBannerTool::SetScroll(bool value) {
    FScrollTimer->SetEnabled(value);
    Refresh();
}

void TBannerTool::SetScrollDelay(int value) { FScrollTimer->SetInterval(value); }
void TBannerTool::SetBlinkDelayOff(int value) { ChangeField(FBlinkDelayOff, value); }
void TBannerTool::SetBlinkDelayOn(int value) { ChangeField(FBlinkDelayOn, value); }

void TBannerTool::SetScrollDirection(TScrollDirection value) {
    if (value == FScrollDirection) return;
    FScrollDirection = value;
    FOffset = 0;
    Refresh();
}

void TBannerTool::BlinkTick() {
    FBlinkTimer->SetEnabled(false);
    FShown = !FShown;
    FBlinkTimer->SetInterval(FShown ? FBlinkDelayOn : FBlinkDelayOff);
    Repaint();
    FBlinkTimer->SetEnabled(true);
}

void TBannerTool::ScrollTick() {
    FScrollTimer->SetEnabled(false);
    const int limit = 2 * Width();
    if (FScrollDirection == sdLeftRight) {
        FOffset += ScrollStep;
        if (FOffset > limit) FOffset = 0;
    } else {
        FOffset -= ScrollStep;
        if (FOffset < -limit) FOffset = 0;
    }
    Repaint();
    FScrollTimer->SetEnabled(true);
}

int TBannerTool::TextHorizOffset() {
    if (!FScrollTimer->Enabled()) return 0;
    return FScrollDirection == sdLeftRight ? FOffset - Width() : FOffset + Width();
}

void TBannerTool::ChartDrawEvent(TChartToolEvent event) {
    if (FShown)
        TAnnotationTool::ChartDrawEvent(event);
    else
        TTeeCustomTool::ChartDrawEvent(event);
}

void TBannerTool::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TBannerTool*>(source)) {
        FBlinkDelayOff = other->FBlinkDelayOff;
        FBlinkDelayOn = other->FBlinkDelayOn;
        FScrollDirection = other->FScrollDirection;
        FBlinkTimer->SetEnabled(other->Blink());
        FScrollTimer->SetEnabled(other->Scroll());
        FScrollTimer->SetInterval(other->ScrollDelay());
    }
    TAnnotationTool::Assign(source);
}

void TBannerTool::Publish(TPublisher<TBannerTool>& p) {
    using T = TBannerTool;
    p.Boolean("Blink", &T::Blink, &T::SetBlink).Default(false);
    p.Integer("BlinkDelayOff", &T::BlinkDelayOff, &T::SetBlinkDelayOff).Default(1000);
    p.Integer("BlinkDelayOn", &T::BlinkDelayOn, &T::SetBlinkDelayOn).Default(1000);
    p.Boolean("Scroll", &T::Scroll, &T::SetScroll).Default(true);
    p.Integer("ScrollDelay", &T::ScrollDelay, &T::SetScrollDelay).Default(50);
    p.Enumeration("ScrollDirection", ScrollDirectionNames(), &T::ScrollDirection,
                  &T::SetScrollDirection)
        .Default(sdRightLeft);
}
