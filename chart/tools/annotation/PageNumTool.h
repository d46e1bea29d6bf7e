#pragma once
// An annotation that reads the chart's current page and page count, with two triangular
// buttons inside its box that step to the previous and the next page.
#include <array>
#include <memory>
#include <string>

#include "chart/tools/annotation/AnnotationTool.h"

class TChartPen;
class TTeeGradient;

class TPageNumTool : public TAnnotationTool {
    KV_DECLARE_CLASS(TPageNumTool, TAnnotationTool)
public:
    explicit TPageNumTool(TComponent* owner);
    ~TPageNumTool() override;

    TChartPen* ButtonPen() const { return FButtonPen.get(); }
    void SetButtonPen(const TChartPen* value);
    bool ShowButtons() const { return FShowButtons; }
    void SetShowButtons(bool value);
    int ButtonWidth() const { return FButtonWidth; }
    void SetButtonWidth(int value);
    TTeeGradient* DisabledButton() const { return FDisabledButton.get(); }
    void SetDisabledButton(const TTeeGradient* value);
    TTeeGradient* EnabledButton() const { return FEnabledButton.get(); }
    void SetEnabledButton(const TTeeGradient* value);
    // Filled with the current page and the page count, in that order. A format that cannot
    // take two integers raises EConvertError here, so that a paint never meets one.
    const std::string& Format() const { return FFormat; }
    void SetFormat(const std::string& value);

    // The two buttons' triangles in a box: the first point is the tip.
    using TTriangle = std::array<TPoint, 3>;
    TTriangle PreviousButton(const TRect& box) const;
    TTriangle NextButton(const TRect& box) const;

    void ChartMouseEvent(TChartMouseEvent kind, TMouseButton button, TShiftState shift, int x,
                         int y) override;

    static std::string KindName() { return "Page Number"; }
    static std::string KindDescription() {
        return "Shows current chart Page number and total number of Pages in chart.";
    }
    static std::string EditorClassName() { return "TPageNumToolEdit"; }

    // The buttons' settings and the format, then the annotation's settings.
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TPageNumTool>& p);

protected:
    int TextHorizOffset() override;
    void DrawAnnotation() override;
    std::string GetText() override;
    TAnnotationLayout CalcShapeBounds() override;

private:
    int CurrentPage() const;
    int PageCount() const;

    std::unique_ptr<TChartPen> FButtonPen;
    std::unique_ptr<TTeeGradient> FDisabledButton;
    std::unique_ptr<TTeeGradient> FEnabledButton;
    bool FShowButtons = true;
    int FButtonWidth = 12;
    std::string FFormat;
};
