#include "controls/RzControlButton.h"

#include <utility>

#include "controls/RzSpinEdit.h"
#include "platform/classes/Publisher.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Canvas.h"
#include "platform/ui/Timer.h"

namespace {
const TEnumInfo& ControlButtonStyleNames() {
    static const TEnumInfo names{"cbsNone",  "cbsLeft", "cbsUp",
                                 "cbsRight", "cbsDown", "cbsDropDown"};
    return names;
}
}  // namespace

TRzControlButton::TRzControlButton(TComponent* owner)
    : TGraphicControl(owner), FGlyph(std::make_unique<TBitmap>()) {
    SetBounds(Left(), Top(), 17, 21);
    SetColor(clBtnFace);
    // A glyph read from a stream or drawn on in place counts the same as one assigned.
    FGlyph->OnChange = [this](TObject*) { GlyphModified(); };
}

TRzControlButton::~TRzControlButton() = default;

void TRzControlButton::Publish(TPublisher<TRzControlButton>& p) {
    p.Integer("Delay", &TRzControlButton::Delay, &TRzControlButton::SetDelay).Default(100);
    p.Boolean("Flat", &TRzControlButton::Flat, &TRzControlButton::SetFlat).Default(false);
    p.Object("Glyph", &TRzControlButton::Glyph, &TRzControlButton::SetGlyph);
    p.Integer("InitialDelay", &TRzControlButton::InitialDelay, &TRzControlButton::SetInitialDelay)
        .Default(400);
    p.Integer("NumGlyphs", &TRzControlButton::NumGlyphs, &TRzControlButton::SetNumGlyphs)
        .Default(1);
    p.Boolean("RepeatClicks", &TRzControlButton::RepeatClicks, &TRzControlButton::SetRepeatClicks)
        .Default(false);
    p.Enumeration("Style", ControlButtonStyleNames(), &TRzControlButton::Style,
                  &TRzControlButton::SetStyle)
        .Default(cbsNone);
}

void TRzControlButton::SetFlat(bool value) {
    if (value == FFlat) return;
    FFlat = value;
    Repaint();
}

void TRzControlButton::SetGlyph(const TBitmap* value) {
    FGlyph->Assign(value);  // OnChange runs GlyphModified
}

bool TRzControlButton::OwnedBySpinEdit() const {
    const TComponent* buttons = Owner();
    return buttons && buttons->Owner() &&
           buttons->Owner()->InheritsFrom(TRzSpinEdit::StaticClass());
}

void TRzControlButton::SetNumGlyphs(int value) {
    value = std::clamp(value, 1, 4);
    if (value == FNumGlyphs) return;
    FNumGlyphs = value;
    Invalidate();
}

void TRzControlButton::SetStyle(TRzControlButtonStyle value) {
    if (value == FStyle) return;
    FStyle = value;
    Invalidate();
}

TSize TRzControlButton::GetGlyphSize() const {
    return TSize{FGlyph->Width() / FNumGlyphs, FGlyph->Height()};
}

void TRzControlButton::GlyphModified() {
    const int w = FGlyph->Width(), h = FGlyph->Height();
    if (h != 0 && w % h == 0) {
        const int cells = w / h;
        FNumGlyphs = cells < 5 ? std::max(cells, 1) : 1;
    }
    Invalidate();
    if (OnGlyphChange) OnGlyphChange(this);
}

// --- Press, repeat and release.

void TRzControlButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    FPressAborted = false;
    TGraphicControl::MouseDown(button, shift, x, y);
    if (std::exchange(FPressAborted, false)) return;
    if (button == mbLeft && Enabled()) {
        if (!FPressed) {
            FPressed = true;
            Invalidate();
        }
        FDragging = true;
    }
    // Any button starts the timer; only a left press makes its ticks click.
    if (FRepeatClicks) {
        if (!FRepeatTimer) {
            FRepeatTimer = new TTimer(this);
            FRepeatTimer->OnTimer = [this](TObject*) { RepeatTick(); };
        }
        FRepeatTimer->SetEnabled(false);
        FRepeatTimer->SetInterval(FInitialDelay);
        FRepeatTimer->SetEnabled(true);
    }
}

void TRzControlButton::RepeatTick() {
    FRepeatTimer->SetInterval(FDelay);
    // The press in progress stands for holding the mouse capture.
    if (!FPressed || !FDragging) return;
    try {
        // Called directly, not through Click's own report, so that a failing click stops the
        // repeating before the error is shown once.
        if (OnClick) OnClick(this);
    } catch (...) {
        FRepeatTimer->SetEnabled(false);
        throw;
    }
}

void TRzControlButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl::MouseUp(button, shift, x, y);
    if (FDragging) {
        FDragging = false;
        FPressed = false;
        FMouseOver = false;
        Repaint();
        if (FRepeatTimer) FRepeatTimer->SetEnabled(false);
        if (x >= 0 && x < Width() && y >= 0 && y < Height()) Click();
        RefreshHotState(x, y);
    }
    if (FRepeatTimer) FRepeatTimer->SetEnabled(false);
}

// Without a query for the control under the cursor the release point stands for it.
void TRzControlButton::RefreshHotState(int x, int y) {
    if (!FFlat || !Enabled()) return;
    if (x >= 0 && x < Width() && y >= 0 && y < Height())
        MouseEnter();
    else
        MouseLeave();
}

void TRzControlButton::MouseEnter() {
    FMouseOver = true;
    TGraphicControl::MouseEnter();
    if (FFlat) Repaint();
}

void TRzControlButton::MouseLeave() {
    FMouseOver = false;
    TGraphicControl::MouseLeave();
    if (FFlat) Repaint();
}

// --- Painting (the classic look; themes are never active here).

void TRzControlButton::Paint() {
    TRect r = ClientRect();
    switch (FStyle) {
        case cbsNone: {
            DrawButtonFace(r);
            if (FGlyph->Empty()) break;
            r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
            const TSize cell = GetGlyphSize();
            TRect target = CenteredRect(r, cell.cx, cell.cy);
            const int shift = FPressed ? 2 : 1;
            target = Bounds(target.Left + shift, target.Top + shift, cell.cx, cell.cy);
            DrawGlyph(target);
            break;
        }
        case cbsDropDown:
            DrawDropDownButton(r);
            break;
        default:
            DrawArrowButton(r);
            break;
    }
}

void TRzControlButton::DrawButtonFace(TRect& r) {
    TCanvas& canvas = *Canvas();
    TColor face = clBtnFace;
    if (FFlat) {
        if (FPressed || (FMouseOver && Enabled()))
            r = PaintFrameStyle(canvas, r, FPressed ? fsStatus : fsPopup);
        face = Color();
    } else {
        r = FPressed ? PaintOutlineBox(canvas, r, clBtnShadow)
                     : PaintFrameStyle(canvas, r, fsRaised);
    }
    canvas.Brush()->SetColor(face);
    canvas.FillRect(r);
}

TColor TRzControlButton::DrawClassicArrowFrame(TRect& r) {
    TCanvas& canvas = *Canvas();
    if (FFlat) {
        if (FPressed || (FMouseOver && Enabled()))
            r = PaintFrameStyle(canvas, r, FPressed ? fsStatus : fsPopup);
        return Color();
    }
    r = FPressed ? PaintOutlineBox(canvas, r, clBtnShadow) : PaintFrameStyle(canvas, r, fsButtonUp);
    return OwnedBySpinEdit() ? clBtnFace : Color();
}

void TRzControlButton::DrawArrowButton(TRect& r) {
    TCanvas& canvas = *Canvas();
    canvas.Brush()->SetColor(DrawClassicArrowFrame(r));
    canvas.FillRect(r);
    static constexpr int directions[] = {sdirUp, sdirLeft, sdirUp, sdirRight, sdirDown, sdirDown};
    PaintSpinArrow(canvas, r, afClassic, directions[FStyle], Enabled());
}

void TRzControlButton::DrawDropDownButton(TRect& r) {
    TCanvas& canvas = *Canvas();
    const TColor face = DrawClassicArrowFrame(r);
    canvas.Brush()->SetColor(FFlat ? face : clBtnFace);
    canvas.FillRect(r);
    PaintDropArrow(canvas, r, afClassic, Enabled());
}

void TRzControlButton::DrawGlyph(const TRect& r) {
    const TSize cell = GetGlyphSize();
    if (cell.cx <= 0 || cell.cy <= 0) return;
    int index = 0;
    if (FNumGlyphs > 2 && FPressed)
        index = 2;
    else if (FNumGlyphs >= 2 && !Enabled())
        index = 1;
    // The cell goes over a copy of what is under it, so its transparent pixels show the face.
    TBitmap work(cell.cx, cell.cy);
    TCanvas& canvas = *Canvas();
    work.Canvas()->Brush()->SetColor(Color());
    work.Canvas()->CopyRect(Rect(0, 0, cell.cx, cell.cy), canvas,
                            Bounds(r.Left, r.Top, cell.cx, cell.cy));
    BlitThroughMask(*work.Canvas(), *FGlyph, Rect(0, 0, cell.cx, cell.cy),
                    FGlyph->TransparentColor(), Bounds(index * cell.cx, 0, cell.cx, cell.cy));
    canvas.Draw(r.Left, r.Top, &work);
}
