#pragma once
// The grid band's editor (TGridBandToolEdit), below the axis chooser (the band has no pen): a tab
// for each of the two brushes, with a preview of the brush (a click on it picks the brush's
// colour), its pattern, background colour, transparency and gradient. It opens on "Band 1".
// Tag holds the tool.
#include "chart/editors/AxisToolEditor.h"

class TButton;
class TButtonColor;
class TButtonGradient;
class TEdit;
class TGridBandBrush;
class TGridBandTool;
class TPaintBox;
class TTabControl;
class TUpDown;

class TGridBandToolEdit : public TAxisToolEditor {
    KV_DECLARE_CLASS(TGridBandToolEdit, TAxisToolEditor)
public:
    explicit TGridBandToolEdit(TComponent* owner);
    ~TGridBandToolEdit() override;

    TGridBandTool* GridBand() const;
    // The brush of the selected tab, none without a tool.
    TGridBandBrush* Brush() const;

    TTabControl* TabControl1;
    TPaintBox* Preview;
    TButton* BPattern;
    TButtonColor* BBack;
    TEdit* ETransparency;
    TUpDown* UDTransparency;
    TButtonGradient* BGradient;

    // The selected tab's brush into the controls.
    void LoadBrush();
    // A click on the preview: the brush's colour from the colour dialog.
    void PreviewClick();

protected:
    void DoShow() override;

private:
    void PaintPreview();
};
