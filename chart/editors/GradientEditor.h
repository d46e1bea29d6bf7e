#pragma once
// The gradient editor ("Gradient Editor") and the gradient button. The editor changes its
// gradient in place while the user works: named presets, the three colours, ten directions (also
// as live sample charts), balance, angle, the radial centre offset and a see-through second
// gradient painted over the first. As a dialog it keeps a copy of the gradient it loaded and
// Cancel puts it back; embedded in another editor it has no buttons. The gradient button paints
// its gradient and opens the editor on it.
#include <functional>
#include <memory>

#include "chart/editors/EditorForm.h"
#include "chart/foundation/TeeButtons.h"

class TButton;
class TButtonColor;
class TButtonGradient;
class TChartGalleryPanel;
class TCheckBox;
class TComboFlat;
class TCustomTeeGradient;
class TEdit;
class TGroupBox;
class TLabel;
class TListBox;
class TPageControl;
class TPanel;
class TPreviewGradient;
class TScrollBar;
class TSubGradient;
class TTabSheet;
class TTeeGradient;
class TTrackBar;
class TUpDown;

class TTeeGradientEditor : public TEditorForm {
    KV_DECLARE_CLASS(TTeeGradientEditor, TEditorForm)
public:
    explicit TTeeGradientEditor(TComponent* owner);
    ~TTeeGradientEditor() override;

    // An editor without buttons on gradient, for the caller to embed (EmbedEditorForm).
    static TTeeGradientEditor* CreateEmbedded(TComponent* owner, TCustomTeeGradient* gradient);

    TCustomTeeGradient* Gradient() const { return FGradient; }
    // Gradients of one colour: the end colour and the swap are hidden, the colours always open.
    bool SingleColor() const { return FSingleColor; }
    void SetSingleColor(bool value);
    bool Modified() const { return FModified; }
    TPreviewGradient* Preview() const { return FPreview; }

    // Every control from the gradient.
    virtual void LoadControls();
    // The preview panel and the direction samples take the gradient's colours.
    virtual void UpdatePreview();
    // Edits gradient from now on: a fresh backup of it, every control loaded.
    virtual void LoadGradient(TCustomTeeGradient* gradient);

    TPanel* PanelTop;
    TCheckBox* CBVisible;
    TComboFlat* CBDirection;
    TPageControl* PageControl1;
    TTabSheet* TabDefault;
    TTabSheet* TabColors;
    TTabSheet* TabOptions;
    TTabSheet* TabDirections;
    TTabSheet* TabSubGradient;
    TListBox* Gallery;
    TButtonColor* BStart;
    TButtonColor* BMid;
    TButtonColor* BEnd;
    TCheckBox* CBMid;
    TButton* BSwap;
    TScrollBar* SBBalance;
    TGroupBox* GroupBox1;
    TLabel* LabelBalance;
    TTrackBar* TrackBar1;
    TTrackBar* TrackBar2;
    TLabel* LRadialX;
    TLabel* LRadialY;
    TEdit* EAngle;
    TUpDown* UDAngle;
    TChartGalleryPanel* Directions;
    TButtonGradient* BSubEdit;
    TScrollBar* SBTransp;
    TCheckBox* CBSubVisible;
    TPanel* Panel1;
    TButton* BOk;
    TButton* BCancel;

protected:
    void DoShow() override;

private:
    void BuildPanels();
    void BuildPages();
    void BuildOptionsTab();
    void BuildDirectionSamples();
    void ConnectHandlers();
    void EnableControls();
    void SelectDirectionSample();
    // Direction := value, as the combo and the samples set it.
    void ChangeDirection(int value);
    void ShowBalance();
    void ShowRadial();
    // Runs change on the gradient and marks the editor modified, unless it loads.
    void ChangeGradient(const std::function<void()>& change);
    void VisibleClick();
    void ColorClick(TButtonColor* button);
    void AngleChanged();
    void SubEditClick();
    void PresetClick();
    void CBMidClick();
    void SwapClick();
    void Cancel();
    // The sub-gradient, made when the user first changes it.
    TSubGradient& SubGradient();
    void Changed() { FModified = true; }

    TCustomTeeGradient* FGradient = nullptr;
    std::unique_ptr<TTeeGradient> FBackup;
    TPreviewGradient* FPreview = nullptr;
    bool FModified = false;
    bool FSingleColor = false;
};

// The editor on gradient as a dialog owned by control's form, unshown.
TTeeGradientEditor* CreateGradientEditorDialog(TControl* control, TCustomTeeGradient* gradient,
                                               bool singleColor = false, bool hideVisible = false);
// Shows the dialog on gradient; true on OK, Cancel putting back what the user changed.
bool ShowGradientEditor(TForm* form, TCustomTeeGradient* gradient, bool singleColor = false,
                        bool hideVisible = false);

class TButtonGradient : public TTeeButton {
    KV_DECLARE_CLASS(TButtonGradient, TTeeButton)
public:
    explicit TButtonGradient(TComponent* owner);
    ~TButtonGradient() override;

    void LinkGradient(TCustomTeeGradient* gradient);
    TCustomTeeGradient* Gradient() const;
    // Opens the editor in its one-colour form.
    bool HideEndColor = false;
    // Opens the editor on the gradient; OnClick follows an accepted change only.
    void Click() override;

protected:
    void DrawSymbol(TTeeCanvas3D& Canvas) override;
};
