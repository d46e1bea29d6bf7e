#pragma once
// The walls page: the four walls that frame the plot area in 3-D, one at a time through its
// tabs, and the thickness of all four at once.
#include "chart/editors/ChartPageForm.h"

class TButton;
class TButtonColor;
class TButtonGradient;
class TButtonPen;
class TChartWall;
class TCheckBox;
class TEdit;
class TTabControl;
class TUpDown;

class TFormTeeWall : public TChartPageForm {
    KV_DECLARE_CLASS(TFormTeeWall, TChartPageForm)
public:
    // Edits wall, one of the four walls of its chart.
    TFormTeeWall(TComponent* owner, TChartWall* wall);
    ~TFormTeeWall() override;

    TChartWall* Wall() const { return FWall; }
    // Makes wall the edited one, selects its tab and loads the page.
    void SetWall(TChartWall* wall);

    TCheckBox* CBView3dWalls;
    TEdit* EAllSize;
    TUpDown* UDAllSize;
    TTabControl* TabSubWalls;
    TButtonColor* BWallColor;
    TButtonPen* BWallPen;
    TButton* BWallBrush;
    TEdit* SEWallSize;
    TUpDown* UDWallSize;
    TCheckBox* CBDark3D;
    TCheckBox* CBTransp;
    TEdit* Edit1;
    TUpDown* UDTransp;
    TCheckBox* CBVisible;
    TCheckBox* CBAutoHide;
    TEdit* Edit2;
    TUpDown* UDStart;
    TEdit* Edit3;
    TUpDown* UDEnd;
    TButtonGradient* BGradient;
    // The back-image editor is not part of this page yet: its button stays disabled.
    TButton* BImage;
    TButton* BShadow;

protected:
    void LoadControls() override;

private:
    void BuildControls();
    void BindProperties();
    void AllSizeChanged();
    void TabChanged();
    void GradientClicked();
    void SelectTab();

    TChartWall* FWall;
};
