#pragma once
// The pie series editor: the slices' look (explosion, patterns, border, total angle, 3-D
// gradient and darkening, several pies, brightness), the "other" slice that gathers small
// values, the colours and the marks' callouts, written to the pie at once. It adds the
// circled-series page for what the pie shares with every circular series. Tag holds the pie.
#include "chart/editors/EditorForm.h"

class TButton;
class TButtonColor;
class TButtonGradient;
class TButtonPen;
class TCheckBox;
class TCircledSeriesEditor;
class TComboFlat;
class TEdit;
class TLabel;
class TPageControl;
class TPieSeries;
class TScrollBar;
class TTabSheet;
class TTrackBar;
class TUpDown;

class TPieSeriesEditor : public TEditorForm {
    KV_DECLARE_CLASS(TPieSeriesEditor, TEditorForm)
public:
    explicit TPieSeriesEditor(TComponent* owner);
    ~TPieSeriesEditor() override;

    TPieSeries* Series() const { return FSeries; }
    TCircledSeriesEditor* CircledPage() const { return FCircledPage; }

    TPageControl* PageControl1;
    TTabSheet* TabOptions;
    TTabSheet* TabGroup;
    TTabSheet* TabColors;
    TTabSheet* TabMarks;
    // Options.
    TCheckBox* CBDark3d;
    TEdit* SEExpBig;
    TUpDown* UDExpBig;
    TCheckBox* CBPatterns;
    TButtonPen* BPen;
    TEdit* Edit1;
    TUpDown* UDAngleSize;
    TButtonGradient* BGradient;
    TEdit* Edit2;
    TUpDown* UpDown1;
    TComboFlat* CBMultiple;
    TTrackBar* TBBright;
    TLabel* LBright;
    // Group Slices.
    TComboFlat* CBOther;
    TEdit* EOtherValue;
    TEdit* EOtherLabel;
    TButton* Button2;
    // Colors.
    TCheckBox* CBColorEach;
    TButtonColor* BColor;
    TComboFlat* CBPalette;
    // Marks.
    TCheckBox* CBMarksAutoPosition;
    TCheckBox* CBVertCenter;
    TScrollBar* SBLegSize;

protected:
    void DoShow() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void BuildOptionsPage();
    void BuildOtherPages();
    void BindProperties();
    void ConnectHandlers();
    // Loads the bindings, then what they do not: the buttons, the palettes, the other slice's
    // texts and the circled page.
    void LoadSeries();
    // The other slice's value and label serve a grouping style, the colour button a series of
    // one colour, the palette one of a colour each.
    void EnableOtherSlice();
    void EnableColors();
    // The other slice's legend in the legend page, as a modal dialog.
    void EditOtherLegend();

    TPieSeries* FSeries = nullptr;
    TCircledSeriesEditor* FCircledPage = nullptr;
};
