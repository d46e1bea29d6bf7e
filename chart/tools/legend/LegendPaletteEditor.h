#pragma once
// The legend palette tool's editor: the series (the palette series of the chart), the pen,
// the axis side, transparency, smoothing, orientation and inversion, the border, the position
// and its units, the size, and the small chart's panel and axis pages. The tool comes in Tag.
#include "chart/editors/EditorControls.h"
#include "chart/editors/SeriesToolEditor.h"

class TButtonPen;
class TCheckBox;
class TComboBox;
class TEdit;
class TFormTeeAxis;
class TFormTeePanel;
class TLegendPaletteTool;
class TPageControl;
class TRadioGroup;
class TTabSheet;
class TUpDown;

class TLegendPaletteEditor : public TSeriesToolEditor {
    KV_DECLARE_CLASS(TLegendPaletteEditor, TSeriesToolEditor)
public:
    explicit TLegendPaletteEditor(TComponent* owner);
    ~TLegendPaletteEditor() override;

    TLegendPaletteTool* Palette() const;

    TPageControl* PageControl1;
    TTabSheet* TabOptions;
    TTabSheet* TabPosition;
    TTabSheet* TabSize;
    TTabSheet* TabPanel;
    TTabSheet* TabAxes;
    TButtonPen* ButtonPen1;
    TRadioGroup* RGAxis;
    TCheckBox* CBTransp;
    TCheckBox* CBSmooth;
    TCheckBox* CBVertical;
    TCheckBox* CBInverted;
    TButtonPen* BBorder;
    TEdit* ECustLeft;
    TUpDown* UDLeft;
    TEdit* ECustTop;
    TUpDown* UDTop;
    TComboBox* CBUnits;
    TEdit* ECustWidth;
    TUpDown* UDWidth;
    TEdit* ECustHeight;
    TUpDown* UDHeight;
    // Made on the first visit of their pages.
    TFormTeePanel* PanelPage() const { return FPanelPage; }
    TFormTeeAxis* AxisPage() const { return FAxisPage; }

protected:
    void DoShow() override;

private:
    void BuildControls();
    void BindProperties();
    void PageChanged();
    void UnitsChanged();

    TFormTeePanel* FPanelPage = nullptr;
    TFormTeeAxis* FAxisPage = nullptr;
};
