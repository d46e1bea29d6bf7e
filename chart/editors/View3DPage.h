#pragma once
// The 3-D page: whether the chart is drawn in 3-D, its depth, and the projection of the view
// (orthogonal or free, angles, zoom, offsets, perspective, text zoom) and clipping; and six
// ready-made views, as sample charts, in its Views tab.
#include "chart/editors/ChartPageForm.h"

class TChartGalleryPanel;
class TCheckBox;
class TCustomChart;
class TEdit;
class TLabel;
class TPageControl;
class TTabSheet;
class TTrackBar;
class TUpDown;

class TFormTee3D : public TChartPageForm {
    KV_DECLARE_CLASS(TFormTee3D, TChartPageForm)
public:
    TFormTee3D(TComponent* owner, TCustomChart* chart);
    ~TFormTee3D() override;

    // Enables the projection controls that apply to the chart as it is now: no free rotation of
    // a pie on a surface that cannot turn freely, elevation and rotation only in 3-D.
    void EnableControls();
    bool RotationAllowed() const { return FAllowRotation; }

    TPageControl* PageControl1;
    TTabSheet* TabOptions;
    TCheckBox* CBView3d;
    TEdit* SE3d;
    TUpDown* UD3D;
    TCheckBox* CBOrthogonal;
    TEdit* EOrthoAngle;
    TUpDown* UDOrthoAngle;
    TTrackBar* SBZoom;
    TLabel* LZoom;
    TTrackBar* SBRotation;
    TLabel* LRotation;
    TTrackBar* SBElevation;
    TLabel* LElevation;
    TTrackBar* SBHOffset;
    TLabel* LHOffset;
    TTrackBar* SBVOffset;
    TLabel* LVOffset;
    TTrackBar* SBPerspec;
    TLabel* LPerspec;
    TCheckBox* CBZoomText;
    TEdit* ETextSize;
    TUpDown* UDTextSize;
    TLabel* LTextSize;
    TCheckBox* CBClipPoints;
    TTabSheet* TabViews;
    TChartGalleryPanel* ChartGalleryPanel1;

protected:
    void LoadControls() override;

private:
    void BuildControls();
    void BindProperties();
    // The track bars: each writes its setting and shows its position in its label.
    void ConnectBars();
    // A track bar with its caption and the label that shows its position, on one row.
    TTrackBar* MakeBar(int top, const char* caption, int min, int max, TLabel*& value);
    // The bar's range grows to 1.5 times an offset beyond it, so that loading keeps the offset.
    static void FitOffset(TTrackBar& bar, int offset);
    // The Views tab: the samples made on its first visit, and on each visit the sample that
    // matches the chart focused (none when none matches).
    void BuildViews();
    void ShowViews();
    void MakeViewSamples();
    // The focused sample's view copied to the chart: only on the user's choice, never when the
    // page itself focuses a sample.
    void ViewChosen();

    TCustomChart* FChart;
    bool FAllowRotation = true;
    bool FSelectingView = false;
};
