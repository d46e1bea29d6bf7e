#include "chart/tools/annotation/LinkTool.h"

#include "chart/engine/AxisPanel.h"
#include "chart/foundation/ResourceRoutines.h"
#include "chart/foundation/TeeFont.h"
#include "chart/foundation/TeeShadow.h"
#include "platform/classes/Cursors.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/StrUtils.h"
#include "platform/ui/Application.h"

namespace {

constexpr TColor LinkColor = 0x800000;

}  // namespace

TLinkTool::TLinkTool(TComponent* owner) : TAnnotationTool(owner) {
    SetCursor(crHandPoint);
    TTextShape& shape = *Shape();
    shape.SetTransparent(true);
    shape.Shadow()->SetVisible(false);
    shape.Font()->SetColor(LinkColor);
    shape.Font()->SetStyle({fsUnderline});
}

void TLinkTool::SetURL(const std::string& value) {
    if (value == FURL) return;
    FURL = value;
    if (Text().empty() && !FURL.empty()) SetText(FURL);
}

std::string TLinkTool::Target() const {
    std::string target = Trim(FURL);
    if (!target.empty()) return target;
    const std::string text = Trim(Text());
    const std::string upper = UpperCase(text);
    if (upper.starts_with("WWW.") || upper.starts_with("HTTP://")) return text;
    return {};
}

void TLinkTool::ChartMouseEvent(TChartMouseEvent kind, TMouseButton button, TShiftState shift,
                                int x, int y) {
    TAnnotationTool::ChartMouseEvent(kind, button, shift, x, y);
    TCustomAxisPanel* chart = ParentChart();
    if (!chart) return;
    if (kind == cmeDown && button == mbLeft && Clicked(x, y)) {
        if (std::string target = Target(); !target.empty()) {
            // The desktop's handler takes web addresses with their scheme only.
            if (UpperCase(target).starts_with("WWW.")) target.insert(0, "http://");
            ShellOpenDocument(target);
        }
        chart->SetCancelMouse(true);
    } else if (kind == cmeMove) {
        if (Clicked(x, y)) {
            if (FHint != chart->Hint()) ShowLinkHint(x, y);
        } else if (chart->Hint() == FHint) {
            HideLinkHint();
        }
    }
}

void TLinkTool::ShowLinkHint(int x, int y) {
    TCustomAxisPanel* chart = ParentChart();
    if (Application) Application->CancelHint();
    chart->SetShowHint(true);
    FSavedHint = chart->Hint();
    chart->SetHint(FHint);
    if (!Application) return;
    const TPoint origin = chart->ClientToScreen(TPoint{0, 0});
    Application->ActivateHint(
        chart, FHint, TPoint{x, y},
        TRect{origin.X, origin.Y, origin.X + chart->Width(), origin.Y + chart->Height()});
}

void TLinkTool::HideLinkHint() {
    if (Application) Application->CancelHint();
    ParentChart()->SetHint(FSavedHint);
}

void TLinkTool::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TLinkTool*>(source)) {
        FHint = other->FHint;
        FURL = other->FURL;
    }
    TAnnotationTool::Assign(source);
}

void TLinkTool::Publish(TPublisher<TLinkTool>& p) {
    using T = TLinkTool;
    p.Inherited("Cursor").Default(crHandPoint);
    p.String("Hint", &T::Hint, &T::SetHint);
    p.String("URL", &T::URL, &T::SetURL);
}
