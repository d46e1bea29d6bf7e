#pragma once
// The editor form every gauge's editor builds on. Page "Options": the value (typed, or stepped
// by "+" and "-") and the palette (the gauge's own LCD and LED palettes, or one of the chart
// library's palettes, or "Current": the chart's colours); page "Markers" and the digital font
// choice serve the numeric read-out only and stay hidden for other gauges. Page "Frame": its
// visibility, width, pattern and gradient, each ring's brush and gradient, and the shadow. Page
// "Back": the face. The gauge comes in Tag; each change is written at once.
#include <array>

#include "chart/editors/EditorForm.h"

class TBrushDialog;
class TButton;
class TCheckBox;
class TComboBox;
class TCustomGauge;
class TEdit;
class TFormTeeShape;
class TFrameBrush;
class TLabel;
class TMarkersEditor;
class TNumericGauge;
class TPageControl;
class TRadioGroup;
class TSpeedButton;
class TTabSheet;
class TTeeShadowEditor;
class TUpDown;

class TNumericGaugeEditor : public TEditorForm {
    KV_DECLARE_CLASS(TNumericGaugeEditor, TEditorForm)
public:
    explicit TNumericGaugeEditor(TComponent* owner);
    ~TNumericGaugeEditor() override;

    TCustomGauge* Gauge() const { return FGauge; }
    // The palette combo's choice: 0 the chart's colours, 1 LCD, 2 LED, 3 + k the library's
    // palette k.
    void ApplyPaletteChoice(int index);

    TPageControl* PageControl1;
    TTabSheet* TabOptions;
    TTabSheet* TabMarkers;
    TTabSheet* TabFrame;
    TTabSheet* TabBack;
    TLabel* LValue;
    TEdit* EValue;
    TSpeedButton* SBPlus;
    TSpeedButton* SBMinus;
    TLabel* LPalette;
    TComboBox* CBPalette;
    TRadioGroup* RGDigitalFont;

    TPageControl* PageFrame;
    TTabSheet* TabFrameGeneral;
    TTabSheet* TabOuter;
    TTabSheet* TabMiddle;
    TTabSheet* TabInner;
    TTabSheet* TabFrameShadow;
    TCheckBox* CBFrameVisible;
    TEdit* EFrameWidth;
    TUpDown* UDFrameWidth;
    TButton* BFramePattern;
    TButton* BFrameGradient;

protected:
    void DoShow() override;

private:
    void BuildOptionsPage();
    void BuildFramePage();
    void BindProperties();
    void ConnectHandlers();
    void StepValue(double delta);
    // The sub-editors on the gauge's frame, face and shadow, built on the first show.
    void EmbedSubEditors();
    TBrushDialog* EmbedRingEditor(TTabSheet* sheet, TFrameBrush* brush);
    // For the numeric read-out: the markers page and the digital font choice.
    void EmbedMarkersEditor(TNumericGauge& gauge);

    TCustomGauge* FGauge = nullptr;
    std::array<TBrushDialog*, 3> FRingEditors{};
    TTeeShadowEditor* FShadowEditor = nullptr;
    TFormTeeShape* FFaceEditor = nullptr;
    TMarkersEditor* FMarkersEditor = nullptr;
};
