#pragma once
// The print preview panel: a sheet of paper in the proportions of the printer's page, the chart
// panel drawn on it where its print margins put it, margins the user drags with the mouse (or
// the whole chart moved on the paper), and printing.
//
// Geometry, in the preview's client pixels: the paper is fitted into the client area with a
// tenth of the area left on each side along the tighter direction; the chart rectangle is the
// paper less the margins (percent of the paper width for left and right, of its height for top
// and bottom). Margin lines are drawn in not-xor, so drawing them twice erases them.
#include <functional>
#include <memory>
#include <string>

#include "chart/foundation/TeePanelExtended.h"

class TChartPen;
class TTeeShadow;

enum TTeePreviewPanelOrientation { ppoDefault, ppoPortrait, ppoLandscape };

// What lies under a point of the preview, which is what a drag there changes.
enum TPreviewDragKind {
    pdNone,
    pdLeft,
    pdTop,
    pdRight,
    pdBottom,
    pdMove,
    pdTopLeft,
    pdTopRight,
    pdBottomLeft,
    pdBottomRight
};

// The paper rectangle for a client area and a page size (see above); a page of no width or
// height takes the client's.
TRect FitPaperRect(int clientWidth, int clientHeight, int pageWidth, int pageHeight);
// The chart rectangle on paper for margins in percent.
TRect MarginsOnPaper(const TRect& paper, const TRect& margins);
// The margins in percent that rect leaves on paper.
TRect PercentMargins(const TRect& paper, const TRect& rect);

class TTeePreviewPanel : public TCustomTeePanelExtended {
    KV_DECLARE_CLASS(TTeePreviewPanel, TCustomTeePanelExtended)
public:
    explicit TTeePreviewPanel(TComponent* owner);
    ~TTeePreviewPanel() override;

    bool AllowMove() const { return FAllowMove; }
    void SetAllowMove(bool value) { FAllowMove = value; }
    bool AllowResize() const { return FAllowResize; }
    void SetAllowResize(bool value) { FAllowResize = value; }
    // While dragging, repaint everything at each move instead of moving a dotted outline.
    bool DragImage() const { return FDragImage; }
    void SetDragImage(bool value) { FDragImage = value; }
    // Print job title; empty takes the chart's name.
    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& value) { FTitle = value; }
    bool AsBitmap() const { return FAsBitmap; }
    void SetAsBitmap(bool value);
    TColor PaperColor() const { return FPaperColor; }
    void SetPaperColor(TColor value);
    bool ShowImage() const { return FShowImage; }
    void SetShowImage(bool value);
    bool SmoothBitmap() const { return FSmoothBitmap; }
    void SetSmoothBitmap(bool value);
    TTeePreviewPanelOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TTeePreviewPanelOrientation value);
    // The pen of the margin lines; not visible: no lines.
    TChartPen* Margins() const { return FMarginsPen.get(); }
    void SetMargins(const TChartPen* value);
    TTeeShadow* PaperShadow() const { return FPaperShadow.get(); }
    void SetPaperShadow(const TTeeShadow* value);

    TCustomTeePanel* Panel() const { return FPanel; }
    // Follows the panel until it is freed; the preview repaints.
    void SetPanel(TCustomTeePanel* value);

    // The paper and the chart rectangle of the last layout (CalcPaperRect).
    const TRect& PaperRect() const { return FPaperRect; }
    const TRect& MarginsRect() const { return FMarginsRect; }
    // Lays the paper and the chart rectangle out for the current size, printer and margins.
    void CalcPaperRect();
    TPreviewDragKind HitTest(int x, int y) const;
    // Prints the panel on the printer, one page; nothing without a panel.
    void Print();

    // Each mouse move that changes the margins: the sender, true (proportional printing is
    // off) and the new margins in percent.
    std::function<void(TObject* sender, bool disableProportional, const TRect& margins)>
        OnChangeMargins;
    // May change the paper rectangle before drawing.
    std::function<void(TObject* sender, TRect& paperRect)> OnGetPaperRect;

    static void Publish(TPublisher<TTeePreviewPanel>& p);

protected:
    void InternalDraw(const TRect& rect) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void ApplyOrientation();
    TSize PageSize();
    void DrawPanelImage(TCanvas& canvas);
    // The panel's logical print extent for target, from (0, 0): what it is drawn into before
    // being scaled onto target.
    TRect PrintExtentRect(const TRect& target) const;
    void DrawMarginLines(TCanvas& canvas);
    // The rectangle a drag of the current kind to (x, y) gives; unchanged when refused.
    TRect DraggedRect(int x, int y) const;

    TCustomTeePanel* FPanel = nullptr;
    bool FAllowMove = true;
    bool FAllowResize = true;
    bool FDragImage = false;
    std::string FTitle;
    bool FAsBitmap = false;
    TColor FPaperColor = clWhite;
    bool FShowImage = true;
    bool FSmoothBitmap = true;
    TTeePreviewPanelOrientation FOrientation = ppoDefault;
    std::unique_ptr<TChartPen> FMarginsPen;
    std::unique_ptr<TTeeShadow> FPaperShadow;
    TPreviewDragKind FDrag = pdNone;
    TPoint FDragStart{};
    TRect FDragStartRect{};
    TRect FMarginsRect{};
    TRect FPaperRect{};
};
