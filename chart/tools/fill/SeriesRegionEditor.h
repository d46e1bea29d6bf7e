#pragma once
// The series region tool's editor: the bounds and the base, the fill and its order, and the
// gradient.
#include <memory>

#include "chart/editors/EditorControls.h"
#include "chart/editors/SeriesToolEditor.h"

class TButton;
class TButtonColor;
class TButtonPen;
class TCheckBox;
class TEdit;
class TGroupBox;
class TPageControl;
class TSeriesRegionTool;
class TTabSheet;
class TTeeGradientEditor;
class TUpDown;

class TSeriesRegionEditor : public TSeriesToolEditor {
    KV_DECLARE_CLASS(TSeriesRegionEditor, TSeriesToolEditor)
public:
    explicit TSeriesRegionEditor(TComponent* owner);
    ~TSeriesRegionEditor() override;

    TSeriesRegionTool* RegionTool() const;

    TPageControl* PageControl1;
    TTabSheet* TabOptions;
    TGroupBox* GroupBounds;
    TCheckBox* CBAutoBounds;
    TEdit* ELower;
    TEdit* EUpper;
    TGroupBox* GroupOrigin;
    TCheckBox* CBUseOrigin;
    TEdit* EOrigin;
    TTabSheet* TabFormat;
    TButtonPen* ButtonPen1;
    TButtonColor* ButtonColor1;
    TButton* Button1;
    TCheckBox* CBBehind;
    TEdit* ETransp;
    TUpDown* UDTransp;
    TTabSheet* TabGradient;
    TTeeGradientEditor* GradientEditor = nullptr;

protected:
    void DoShow() override;

private:
    void BindNumber(TEdit* edit, double (TSeriesRegionTool::*get)() const,
                    void (TSeriesRegionTool::*set)(double));
    void EnableBounds();
};
