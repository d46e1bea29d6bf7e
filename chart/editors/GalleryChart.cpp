// The sample chart of the gallery grid: its fixed look, the disabled look, the smoothed drawing,
// the sub-gallery arrow of the focused sample and the frame under the mouse.
#include <array>

#include "chart/editors/GalleryPanel.h"
#include "chart/engine/AxisGridPen.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartTitle.h"
#include "chart/engine/ChartWalls.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeFilter.h"
#include "chart/foundation/TeeFont.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeeShadow.h"
#include "chart/foundation/TeeZoom.h"
#include "chart/foundation/View3DOptions.h"
#include "platform/classes/Cursors.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/ValueGuard.h"

namespace {

void StyleWall(TCustomChartWall& wall) {
    wall.SetColor(clWhite);
    wall.SetSize(4);
    wall.Pen()->SetColor(clGray);
    TTeeGradient* gradient = wall.Gradient();
    gradient->SetStartColor(clGray);
    gradient->SetEndColor(clSilver);
    gradient->SetVisible(true);
}

}  // namespace

TGalleryChart::TGalleryChart(TComponent* owner)
    : TCustomChart(owner),
      FLarge(std::make_unique<TBitmap>()),
      FShrunk(std::make_unique<TBitmap>()) {
    Legend()->SetVisible(false);
    for (TChartAxis* axis : {LeftAxis(), BottomAxis()}) {
        axis->LabelsFont()->SetColor(clGray);
        axis->LabelsFont()->SetSize(7);
        axis->Grid()->SetSmallDots(true);
        axis->Grid()->SetSmallSpace(3);
    }
    Title()->Font()->SetColor(clNavy);
    Zoom()->SetAnimated(true);
    TView3DOptions* view = View3DOptions();
    view->SetOrthogonal(false);
    view->SetZoom(90);
    view->SetPerspective(55);
    if (TChartGalleryPanel* panel = GalleryPanel(); panel && panel->FocusRotation) {
        view->SetRotation(335);
        view->SetElevation(350);
    }
    SetChart3DPercent(100);
    SetClipPoints(false);
    Frame()->SetVisible(false);
    SetBevelWidth(2);
    SetBevelOuter(bvNone);
    StyleWall(*LeftWall());
    StyleWall(*BottomWall());
    OnAfterDraw = [this](TObject*) { AfterDraw(); };
}

TGalleryChart::~TGalleryChart() = default;

TChartGalleryPanel* TGalleryChart::GalleryPanel() const {
    return dynamic_cast<TChartGalleryPanel*>(Owner());
}

bool TGalleryChart::Lit() const { return Gradient()->Visible(); }

void TGalleryChart::SetDisabled() {
    FDisabled = true;
    SetCursor(crNo);
    OnClick = nullptr;
    OnDblClick = nullptr;
    OnEnter = nullptr;
    Title()->Font()->SetColor(clGray);
    for (TCustomChartWall* wall :
         {static_cast<TCustomChartWall*>(LeftWall()), static_cast<TCustomChartWall*>(BottomWall())})
        wall->Pen()->SetColor(clGray);
    for (TChartAxis* axis : {LeftAxis(), BottomAxis()}) {
        axis->Axis()->SetWidth(1);
        axis->Axis()->SetColor(clWhite);
    }
}

void TGalleryChart::KeyDown(int& key, TShiftState shift) {
    if (TChartGalleryPanel* panel = GalleryPanel()) panel->HandleKey(key, shift);
    if (key) TCustomChart::KeyDown(key, shift);
}

void TGalleryChart::MouseEnter() {
    TCustomChart::MouseEnter();
    if (FDisabled) return;
    FHover = true;
    Invalidate();
}

void TGalleryChart::MouseLeave() {
    TCustomChart::MouseLeave();
    if (!FHover) return;
    FHover = false;
    Invalidate();
}

void TGalleryChart::Draw(TCanvas* TargetCanvas, const TRect& Rect) {
    if (!SmoothDraw || FSmoothing || Rect.Width() < 2 || Rect.Height() < 2) {
        TCustomChart::Draw(TargetCanvas, Rect);
        return;
    }
    DrawSmooth(*TargetCanvas, Rect);
}

void TGalleryChart::DrawSmooth(TCanvas& target, const TRect& rect) {
    {
        TValueGuard<bool> smoothing(FSmoothing, true);
        // The settings of the large pass change nothing on the screen: no repaint follows them,
        // and they are back whatever happens.
        struct TRestore {
            TGalleryChart& chart;
            bool autoRepaint = chart.AutoRepaint();
            bool titleVisible = chart.Title()->Visible();
            int marginTop = chart.MarginTop();
            bool leftLabels = chart.LeftAxis()->Labels();
            bool bottomLabels = chart.BottomAxis()->Labels();
            ~TRestore() {
                chart.Title()->SetVisible(titleVisible);
                chart.SetMarginTop(marginTop);
                chart.LeftAxis()->SetLabels(leftLabels);
                chart.BottomAxis()->SetLabels(bottomLabels);
                chart.SetAutoRepaint(autoRepaint);
            }
        } restore{*this};
        SetAutoRepaint(false);
        Title()->SetVisible(false);
        SetMarginTop(30);  // room for the title, drawn afterwards at the sample's own size
        LeftAxis()->SetLabels(true);
        BottomAxis()->SetLabels(true);
        FLarge->SetSize(rect.Width() * 2, rect.Height() * 2);
        DrawUnbuffered(FLarge->Canvas(), TRect{0, 0, FLarge->Width(), FLarge->Height()});
    }
    FShrunk->SetSize(rect.Width(), rect.Height());
    ResampleBitmap(*FLarge, *FShrunk, true);
    target.Draw(rect.Left, rect.Top, FShrunk.get());
    if (Title()->Visible()) DrawTitleLines(target, rect);
    const TChartGalleryPanel* panel = GalleryPanel();
    if (Lit() && panel && panel->DisplaySub) DrawSubArrow(target);
    if (FHover) DrawHoverFrame(target);
}

void TGalleryChart::DrawTitleLines(TCanvas& target, const TRect& rect) {
    target.SetFont(Title()->Font());
    target.Brush()->SetStyle(bsClear);
    const TStrings& lines = *Title()->Text();
    const int lineHeight = target.TextHeight("Wj");
    for (int i = 0; i < lines.Count(); ++i) {
        const std::string line = lines.Get(i);
        const int x = rect.Left + (rect.Width() - target.TextWidth(line)) / 2;
        target.TextOut(x, rect.Top + 4 + i * lineHeight, line);
    }
}

void TGalleryChart::AfterDraw() {
    // The large pass of a smoothed drawing gets its marks once it is shrunk.
    if (FSmoothing) return;
    TCanvas* canvas = Canvas3D() ? Canvas3D()->GetDeviceHandle() : nullptr;
    if (!canvas) return;
    const TChartGalleryPanel* panel = GalleryPanel();
    if (Lit() && panel && panel->DisplaySub) DrawSubArrow(*canvas);
    if (FHover) DrawHoverFrame(*canvas);
}

void TGalleryChart::DrawSubArrow(TCanvas& canvas) {
    const int x = 4 + Border()->Width();
    const int y = Height() - BorderWidth() - Shadow()->VertSize();
    const std::array<TPoint, 3> corners{{{x, y - 8}, {x + 7, y - 8}, {x + 3, y - 4}}};
    TPen* pen = canvas.Pen();
    const TPenMode mode = pen->Mode();
    pen->SetStyle(psSolid);
    pen->SetColor(clBlack);
    pen->SetMode(pmNotXor);
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(clBlack);
    canvas.Polygon(corners);
    pen->SetMode(mode);
}

void TGalleryChart::DrawHoverFrame(TCanvas& canvas) {
    // A one-pixel raised frame around the client area.
    const int right = Width() - 1;
    const int bottom = Height() - 1;
    TPen* pen = canvas.Pen();
    pen->SetStyle(psSolid);
    pen->SetWidth(1);
    pen->SetMode(pmCopy);
    pen->SetColor(clWhite);
    canvas.MoveTo(0, bottom);
    canvas.LineTo(0, 0);
    canvas.LineTo(right, 0);
    pen->SetColor(clGray);
    canvas.LineTo(right, bottom);
    canvas.LineTo(0, bottom);
}
