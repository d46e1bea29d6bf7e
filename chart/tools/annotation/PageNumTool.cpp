#include "chart/tools/annotation/PageNumTool.h"

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartPage.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/PointRoutines.h"
#include "chart/foundation/TeeGradient.h"
#include "platform/classes/Cursors.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Format.h"

namespace {

constexpr const char* DefaultPageFormat = "Page %d of %d";

void SetButtonGradient(TTeeGradient& gradient, TColor start, TColor end) {
    gradient.SetVisible(true);
    gradient.SetStartColor(start);
    gradient.SetEndColor(end);
}

}  // namespace

TPageNumTool::TPageNumTool(TComponent* owner)
    : TAnnotationTool(owner),
      FButtonPen(std::make_unique<TChartPen>(StyleChangedEvent())),
      FDisabledButton(std::make_unique<TTeeGradient>(StyleChangedEvent())),
      FEnabledButton(std::make_unique<TTeeGradient>(StyleChangedEvent())),
      FFormat(DefaultPageFormat) {
    SetButtonGradient(*FDisabledButton, clWhite, clSilver);
    SetButtonGradient(*FEnabledButton, clBlack, clSilver);
}

TPageNumTool::~TPageNumTool() = default;

void TPageNumTool::SetButtonPen(const TChartPen* value) { FButtonPen->Assign(value); }
void TPageNumTool::SetDisabledButton(const TTeeGradient* value) { FDisabledButton->Assign(value); }
void TPageNumTool::SetEnabledButton(const TTeeGradient* value) { FEnabledButton->Assign(value); }

void TPageNumTool::SetShowButtons(bool value) {
    if (value == FShowButtons) return;
    FShowButtons = value;
    Refresh();
}

void TPageNumTool::SetButtonWidth(int value) {
    if (value == FButtonWidth) return;
    FButtonWidth = value;
    Refresh();
}

void TPageNumTool::SetFormat(const std::string& value) {
    if (value == FFormat) return;
    // Tried with two page numbers now: a format read from a stream is tried when it is shown.
    if (!ComponentState().Contains(csLoading)) (void)::Format(value, {1, 1});
    FFormat = value;
    Refresh();
}

int TPageNumTool::CurrentPage() const { return FParentChart ? FParentChart->CurrentPage() : 1; }
int TPageNumTool::PageCount() const { return FParentChart ? FParentChart->Pages()->Count() : 1; }

std::string TPageNumTool::GetText() {
    try {
        return ::Format(FFormat, {CurrentPage(), PageCount()});
    } catch (const EConvertError&) {
        // Only a format read from a stream gets here; the paint shows it as it is.
        return FFormat;
    }
}

TPageNumTool::TTriangle TPageNumTool::PreviousButton(const TRect& box) const {
    const int m = (box.Top + box.Bottom) / 2;
    const int x = box.Left + 3;
    return {TPoint{x, m}, TPoint{x + FButtonWidth, box.Top + 4},
            TPoint{x + FButtonWidth, box.Bottom - 4}};
}

TPageNumTool::TTriangle TPageNumTool::NextButton(const TRect& box) const {
    const int m = (box.Top + box.Bottom) / 2;
    const int x = box.Right - 4;
    return {TPoint{x, m}, TPoint{x - FButtonWidth, box.Top + 4},
            TPoint{x - FButtonWidth, box.Bottom - 4}};
}

TAnnotationLayout TPageNumTool::CalcShapeBounds() {
    TAnnotationLayout layout = TAnnotationTool::CalcShapeBounds();
    if (!FParentChart || !AutoSize() || !FShowButtons) return layout;
    const int grow = 2 * FButtonWidth + 8;
    if (Shape()->CustomPosition() || Position() == ppLeftTop || Position() == ppLeftBottom)
        layout.Box.Right += grow;
    else
        layout.Box.Left -= grow;
    return layout;
}

int TPageNumTool::TextHorizOffset() {
    const int offset = TAnnotationTool::TextHorizOffset();
    if (!FShowButtons) return offset;
    switch (TextAlignment()) {
        case taLeftJustify:
            return offset + FButtonWidth + 4;
        case taRightJustify:
            return offset - FButtonWidth - 4;
        default:
            return offset;
    }
}

void TPageNumTool::DrawAnnotation() {
    TAnnotationTool::DrawAnnotation();
    if (!FParentChart || !FShowButtons) return;
    const TRect box = CalcShapeBounds().Box;
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    canvas.UsePen(FButtonPen.get());
    const int page = CurrentPage();
    const TTriangle previous = PreviousButton(box);
    canvas.FillPolygonGradient(previous, 2, page < 2 ? *FDisabledButton : *FEnabledButton);
    const TTriangle next = NextButton(box);
    canvas.FillPolygonGradient(next, 2, page < PageCount() ? *FEnabledButton : *FDisabledButton);
}

void TPageNumTool::ChartMouseEvent(TChartMouseEvent kind, TMouseButton button, TShiftState shift,
                                   int x, int y) {
    if (FParentChart && FShowButtons && kind != cmeUp) {
        const TRect box = CalcShapeBounds().Box;
        const TPoint p{x, y};
        const bool onPrevious = PointInPolygon(p, PreviousButton(box));
        const bool onNext = PointInPolygon(p, NextButton(box));
        TChartPage& pages = *FParentChart->Pages();
        if (kind == cmeDown && button == mbLeft && (onPrevious || onNext)) {
            TTeeCustomTool::ChartMouseEvent(kind, button, shift, x, y);
            if (onPrevious)
                pages.Previous();
            else
                pages.Next();
            return;
        }
        if (kind == cmeMove &&
            ((onPrevious && pages.Current() > 1) || (onNext && pages.Current() < pages.Count()))) {
            TTeeCustomTool::ChartMouseEvent(kind, button, shift, x, y);
            FParentChart->SetCursor(crHandPoint);
            FParentChart->SetCancelMouse(true);
            return;
        }
    }
    TAnnotationTool::ChartMouseEvent(kind, button, shift, x, y);
}

void TPageNumTool::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TPageNumTool*>(source)) {
        FButtonWidth = other->FButtonWidth;
        FButtonPen->Assign(other->FButtonPen.get());
        FEnabledButton->Assign(other->FEnabledButton.get());
        FDisabledButton->Assign(other->FDisabledButton.get());
        FFormat = other->FFormat;
        FShowButtons = other->FShowButtons;
    }
    TAnnotationTool::Assign(source);
}

void TPageNumTool::Publish(TPublisher<TPageNumTool>& p) {
    using T = TPageNumTool;
    p.Object("ButtonPen", &T::ButtonPen, &T::SetButtonPen);
    p.Boolean("ShowButtons", &T::ShowButtons, &T::SetShowButtons).Default(true);
    p.Integer("ButtonWidth", &T::ButtonWidth, &T::SetButtonWidth).Default(12);
    p.Object("DisabledButton", &T::DisabledButton, &T::SetDisabledButton);
    p.Object("EnabledButton", &T::EnabledButton, &T::SetEnabledButton);
    p.String("Format", &T::Format, &T::SetFormat).Default(std::string(DefaultPageFormat));
}
