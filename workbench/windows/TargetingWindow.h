#pragma once
// `TFTargeting`, the targeting view: where the rays of one viewing condition of the current
// dataset first strike the cavity wall, drawn as segments from their start to their first hit on
// the YZ and the XZ projection of the cavity, both at equal scales. It works on the engine's
// shared area as the Targeting command left it (name, kind, outline, viewing conditions, a run
// prepared) and stores nothing. Every draw of a chart traces new rays for that chart, on the
// engine's single-thread path, and draws them over it.
#include <array>
#include <string>

#include "platform/ui/Form.h"

class TBitBtn;
class TButton;
class TChart;
class TChartEditor;
class TLabel;
class TLabeledEdit;
class TPageControl;
class TPanel;
class TPoint3DSeries;
class TSpinEdit;

class TFTargeting : public TForm {
    KV_DECLARE_CLASS(TFTargeting, TForm)
public:
    explicit TFTargeting(TComponent* owner);
    ~TFTargeting() override;

    TPageControl* PageControl1;
    TChart *chYZ, *chXZ;
    TChartEditor* ce;
    TPoint3DSeries *seUpper, *seLower, *Point3DSeries1, *Point3DSeries2;
    TPanel* pRight;
    TLabeledEdit* edNR;
    TPanel* pVC;
    TLabel* Label1;
    TSpinEdit* seiVC;
    TButton* btnTrace;
    TBitBtn* btnClose;

    // The number of rays each draw traces (1..100000).
    int RayCount() const { return FRayCount; }

    // Takes the viewing condition and the typed ray count, then rebuilds the view; a count that
    // is not a whole number from 1 to 100000 is refused with a message and changes nothing.
    void seiVCChange();
    void btnTraceClick() { seiVCChange(); }
    // Outline, ranges, equal scales and titles of both charts for the current condition.
    void RebuildView();
    // The rays of one draw of the chart: the detector of the Integrated kind, then the traced
    // rays in red; the first ray that fails writes its text at the chart's top and ends them.
    void DrawRays(TChart& chart);

private:
    void FormShow();
    void FormResize();

    int FRayCount = 1000;
    std::array<TChart*, 2> FCharts{};
};

// Makes the main window's Targeting command show the view modally over it.
class TFMainDB;
void ConnectTargetingView(TFMainDB& main);
