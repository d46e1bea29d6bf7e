#pragma once
// The grid 3-D page of the series page: how a 3-D palette series colours its cells (one colour,
// a start-middle-end colour range, or a palette of up-to values and colours shown in a grid)
// and, for grid series, the grid's size. It always sits next to the series' own editor. It
// follows the series' chart so that a recoloured series repaints its colour button.
#include "chart/editors/EditorForm.h"
#include "chart/foundation/TeePanel.h"

class TButton;
class TButtonColor;
class TChartGrid;
class TChartSeries;
class TCheckBox;
class TComboBox;
class TCustom3DPaletteSeries;
class TCustomTeePanel;
class TEdit;
class TGroupBox;
class TMenuItem;
class TPageControl;
class TPanel;
class TPopupMenu;
class TTabSheet;
class TTeeGradient;
class TUpDown;
class TWinControl;

class TGrid3DSeriesEditor : public TEditorForm, public IPanelListener {
    KV_DECLARE_CLASS(TGrid3DSeriesEditor, TEditorForm)
public:
    explicit TGrid3DSeriesEditor(TComponent* owner);
    ~TGrid3DSeriesEditor() override;

    // Loads the controls from series, which the page then edits.
    void LoadSeries(TCustom3DPaletteSeries* series);
    TCustom3DPaletteSeries* Series() const { return FSeries; }
    // The grid of the palette's rows mirrors this series (value list "Up to Value").
    TChartSeries* PaletteSeries() const { return FPaletteSeries; }

    void HandleTeeEvent(TTeeEvent* event) override;

    TPanel* PanelRight;
    TGroupBox* GBGrid;
    TEdit* SEXGrid;
    TUpDown* UDXGrid;
    TEdit* SEZGrid;
    TUpDown* UDZGrid;
    TEdit* EDepth;
    TUpDown* UDDepth;
    TCheckBox* CBIrreg;
    TPageControl* PageControl1;
    TTabSheet* TabSingle;
    TTabSheet* TabRange;
    TTabSheet* TabPalette;
    TButtonColor* BColor;
    TButton* BRemove;
    TButtonColor* BFromColor;
    TButtonColor* BMidColor;
    TButtonColor* BToColor;
    TCheckBox* CheckBox1;
    TButton* Button1;
    TButton* Button2;
    TPageControl* PageControl2;
    TTabSheet* TabSteps;
    TTabSheet* TabColors;
    TEdit* SEPalette;
    TUpDown* UDPalette;
    TCheckBox* CBUseMin;
    TEdit* EPaletteMin;
    TEdit* EPaletteStep;
    TEdit* Edit1;
    TUpDown* UDLegendEvery;
    TComboBox* CBPalStyle;
    TComboBox* CBPalettes;
    TButton* Button3;
    TButton* Button4;
    TPopupMenu* PopupMenu1;
    TMenuItem* Invert1;
    TChartGrid* ChartGrid1;

protected:
    void DoShow() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void BuildRightPanel();
    void BuildRangePages();
    void BuildPalettePages();
    void BindProperties();
    void ConnectHandlers();
    void ConnectPaletteHandlers();
    void LoadMiddleBox();
    // The palette's rows into the grid, the custom palettes and the grid editable only for the
    // custom style; a palette of another style is built when empty.
    void UpdatePaletteView();
    void PageChanged();
    void GridSizeChanged();
    void PaletteChosen();
    void MakeCustom();
    // The gradient dialog on gradient with its presets only, or also its colours; true on OK.
    bool ChooseGradientColors(TTeeGradient& gradient, bool withColorsPage);
    // "Gallery...": the range colours from a gradient preset.
    void RangeFromGallery();
    // "New...": a custom palette coloured by a range of three chosen colours.
    void NewPalette();
    void GridColorChanged();
    void Listen(TCustomTeePanel* chart);

    TCustom3DPaletteSeries* FSeries = nullptr;
    TCustomTeePanel* FChart = nullptr;
    TChartSeries* FPaletteSeries;
};

// The grid 3-D page for series: on the series page that owns parent, a new tab "Grid 3D" second
// among its tabs; on no series page, an editor owned by parent, not embedded.
TGrid3DSeriesEditor* EmbedGrid3DEditor(TWinControl* parent, TCustom3DPaletteSeries* series);
