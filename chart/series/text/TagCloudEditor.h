#pragma once
// The tag cloud's options: page "Options" with the filter, the separation between words, the
// chart's point clipping, the border pen and the background pattern; page "Font" with the
// largest word's font and page "Gradient" with the background gradient. On a series page the
// palette settings come as a grid 3-D page beside it. The series comes in Tag; each change is
// written at once.
#include "chart/editors/EditorForm.h"
#include "chart/editors/Grid3DPageSlot.h"

class TButton;
class TButtonPen;
class TCheckBox;
class TEdit;
class TPageControl;
class TTabSheet;
class TTagCloudSeries;
class TTeeFontEditor;
class TTeeGradientEditor;
class TUpDown;

class TTagCloudEditor : public TEditorForm {
    KV_DECLARE_CLASS(TTagCloudEditor, TEditorForm)
public:
    explicit TTagCloudEditor(TComponent* owner);
    ~TTagCloudEditor() override;

    TTagCloudSeries* Series() const { return FSeries; }
    TGrid3DSeriesEditor* PalettePage() const { return FGrid3D.Page(); }

    TPageControl* PageControl1;
    TTabSheet* TabOptions;
    TTabSheet* TabFont;
    TTabSheet* TabGradient;
    TEdit* EFilter;
    TEdit* ESeparation;
    TUpDown* UDSeparation;
    TCheckBox* CBClip;
    TButtonPen* BBorder;
    TButton* BPattern;
    TTeeFontEditor* FontEditor = nullptr;
    TTeeGradientEditor* GradientEditor = nullptr;

protected:
    void DoShow() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    TTagCloudSeries* FSeries = nullptr;
    TGrid3DPageSlot FGrid3D{this};
};
