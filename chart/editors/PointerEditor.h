#pragma once
// The point-marker editor: visibility, style (drawn samples), size, 3-D, colours, border and
// transparency of a series' pointer, edited in place; on a line-like series also colouring each
// point and ignoring nulls. Tag holds the pointer or the line-like series that owns it.
#include <string>

#include "chart/editors/EditorForm.h"

class TButton;
class TButtonPen;
class TCheckBox;
class TComboBox;
class TCustomLineSeries;
class TEdit;
class TGroupBox;
class TLabel;
class TPanel;
class TSeriesPointer;
class TTrackBar;
class TUpDown;
struct TRect;

class TSeriesPointerEditor : public TEditorForm {
    KV_DECLARE_CLASS(TSeriesPointerEditor, TEditorForm)
public:
    explicit TSeriesPointerEditor(TComponent* owner);

    TSeriesPointer* Pointer() const { return FPointer; }
    // For series whose markers have a fixed size.
    void HideSizeControls();

    TGroupBox* GPPoint;
    TCheckBox* CBDrawPoint;
    TComboBox* CBStyle;
    TLabel* LWidth;
    TEdit* SEPointHorizSize;
    TUpDown* UDPointHorizSize;
    TLabel* LHeight;
    TEdit* SEPointVertSize;
    TUpDown* UDPointVertSize;
    TCheckBox* CB3dPoint;
    TCheckBox* CBPoDark;
    TCheckBox* CBInflate;
    TButton* BPointFillColor;
    TCheckBox* CBDefBrushColor;
    TButtonPen* BPoinPenCol;
    TTrackBar* TBTransp;
    TButton* Button2;
    TCheckBox* CBIgnoreNulls;
    TCheckBox* CBColorEach;
    TButton* BGradient;
    TPanel* PanelBottom;
    TButton* Button1;

protected:
    void DoShow() override;

private:
    void BuildControls();
    void BindProperties();
    void ConnectHandlers();
    void DefaultColorsClick();
    void ApplyVisible(bool visible);
    void Enable3D();
    bool DefaultColors() const;
    // The default-colour box after a dialog changed the colours.
    void ReadDefaultColors();
    void DrawStyleItem(int index, const TRect& rect);

    TSeriesPointer* FPointer = nullptr;
    TCustomLineSeries* FSeries = nullptr;
};

// The editor as a dialog on pointer, owned by form; the pointer is edited in place. Always true.
bool ShowPointerEditor(TForm* form, TSeriesPointer* pointer);

// The pointer editor as a page of its own on the series page that owns control (a pointer
// editor owned by control when it is on none), editing edited: a pointer or the line-like series
// that owns one.
TSeriesPointerEditor* EmbedPointerEditor(TControl* control, TObject* edited,
                                         const std::string& caption);
