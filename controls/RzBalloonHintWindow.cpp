#include "controls/RzBalloonHintWindow.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "controls/RzBalloonHints.h"
#include "controls/RzWrappedText.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Region.h"
#include "platform/ui/Application.h"
#include "platform/ui/Control.h"
#include "platform/ui/Screen.h"

namespace {
std::vector<TRzBalloonHints*>& LivingHints() {
    static std::vector<TRzBalloonHints*> hints;
    return hints;
}

// The balloon's window region, row by row.
TRegion BalloonRegion(TRzHintCorner corner, int w, int h) {
    TRegion region;
    for (int y = 0; y < h; ++y) {
        int x = 0;
        while (x < w) {
            while (x < w && !BalloonRegionContains(corner, w, h, x, y)) ++x;
            const int start = x;
            while (x < w && BalloonRegionContains(corner, w, h, x, y)) ++x;
            if (x > start)
                region.Combine(region, TRegion::FromRect(Rect(start, y, x, y + 1)), RGN_OR);
        }
    }
    return region;
}
}  // namespace

void RegisterBalloonHints(TRzBalloonHints* hints) { LivingHints().push_back(hints); }

void UnregisterBalloonHints(TRzBalloonHints* hints) { std::erase(LivingHints(), hints); }

TRzBalloonHints* LatestBalloonHints() {
    return LivingHints().empty() ? nullptr : LivingHints().back();
}

TRzBalloonHintWindow::TRzBalloonHintWindow()
    : FHints(LatestBalloonHints()), FSelf(std::make_shared<TRzBalloonHintWindow*>(this)) {
    if (FHints) FHints->LinkHintWindow(&FWindow);
    FShaped.OnMouse = [this](const TMouseMessage& message) {
        WindowMouse(message);
        return true;
    };
    if (Application) {
        std::weak_ptr<TRzBalloonHintWindow*> self = FSelf;
        Application->OnShowHint = [self](std::string& text, bool& canShow, THintInfo& info) {
            if (auto window = self.lock()) (*window)->ApplicationShowHint(text, canShow, info);
        };
    }
}

TRzBalloonHintWindow::~TRzBalloonHintWindow() {
    if (FHints && FHints->HintWindow() == &FWindow) FHints->LinkHintWindow(nullptr);
}

void TRzBalloonHintWindow::ApplicationShowHint(std::string& hintStr, bool& canShow,
                                               THintInfo& info) {
    if (FHints) info.HintColor = FHints->Color();
    canShow = true;
    info.HintMaxWidth = FWindow.CaptionWidth();
    if (FHints && FHints->OnShowHint) FHints->OnShowHint(hintStr, canShow, info);
    FWindow.SetColor(info.HintColor);
}

void TRzBalloonHintWindow::ActivateHint(const THintInfo& info) {
    // The text's rectangle just below the cursor, wrapped to the caption width.
    TBitmap measure(1, 1);
    TCanvas& canvas = *measure.Canvas();
    canvas.SetFont(FWindow.Font());
    const TSize extent = WrapText(canvas, info.HintStr, info.HintMaxWidth).Extent;
    const TPoint cursor = info.CursorScreen();
    const TRect text = Bounds(cursor.X, cursor.Y + 16, extent.cx, extent.cy);
    const TPoint tip = FWindow.HintTip(info.ControlScreenRect, cursor);
    // The work area of the monitor the window starts on, else the primary one's.
    FWindow.ActivateHint(text, info.HintStr, tip, [](TPoint p) {
        const int monitor = MonitorAtPoint(p);
        return monitor >= 0 ? MonitorWorkRect(monitor) : Screen()->WorkAreaRect();
    });

    const TRect bounds = FWindow.BoundsRect();
    TBitmap picture(bounds.Width(), bounds.Height());
    FWindow.Paint(*picture.Canvas());
    const TRzHintCorner corner = FWindow.ShowBalloon() ? FWindow.EffectiveCorner() : hcNone;
    FShaped.SetBoundsRect(bounds);
    FShaped.SetShape(FWindow.ShowBalloon() ? BalloonRegion(corner, bounds.Width(), bounds.Height())
                                           : TRegion());
    FShaped.SetPicture(picture);
    FShaped.Show();
    FInfo = info;
    FTracking = true;
}

void TRzBalloonHintWindow::HideHint() {
    FTracking = false;
    FShaped.Hide();
}

void TRzBalloonHintWindow::WindowMouse(const TMouseMessage& message) {
    // Asked first: cancelling forgets the control (and it may have gone).
    TControl* control = Application ? Application->HintControl() : nullptr;
    const TRect bounds = FWindow.BoundsRect();
    const TPoint screen = Point(bounds.Left + message.Pos.X, bounds.Top + message.Pos.Y);
    if (message.Kind == mmMove && FTracking) {
        const TPoint spot = FInfo.CursorScreen();
        if (std::abs(screen.X - spot.X) > 2 || std::abs(screen.Y - spot.Y) > 2) {
            FTracking = false;
            if (Application) Application->CancelHint();
        }
    }
    if (!control) return;
    TMouseMessage passed = message;
    passed.Pos = control->ScreenToClient(screen);
    SendMouseMessage(*control, passed);
}
