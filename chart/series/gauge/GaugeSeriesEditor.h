#pragma once
// The needle gauge's options: pages "Options" (angle, needle, value, pens, centre and end
// point), "Labels" (format, increment, font, placement) and "Ticks" (range, tick pens and
// sizes), plus the circled-series page on the series page that holds the form. The series comes
// in Tag; each change is written at once. The scale's settings are those of the series' vertical
// axis: their controls work only while the series has one, and are disabled otherwise.
#include "chart/editors/EditorForm.h"

class TButton;
class TButtonPen;
class TChartAxis;
class TCheckBox;
class TCircledSeriesEditor;
class TComboBox;
class TEdit;
class TGaugeSeries;
class TPageControl;
class TTabSheet;
class TUpDown;

class TGaugeSeriesEditor : public TEditorForm {
    KV_DECLARE_CLASS(TGaugeSeriesEditor, TEditorForm)
public:
    explicit TGaugeSeriesEditor(TComponent* owner);
    ~TGaugeSeriesEditor() override;

    TGaugeSeries* Series() const { return FSeries; }
    TCircledSeriesEditor* CircledEditor() const { return FCircledEditor; }

    TPageControl* PageControl1;
    TTabSheet* TabOptions;
    TTabSheet* TabLabels;
    TTabSheet* TabTicks;
    // "Options".
    TEdit* SETotalAngle;
    TUpDown* UDTotalAngle;
    TEdit* SEDistance;
    TUpDown* UDDistance;
    TEdit* SEValue;
    TUpDown* UDValue;
    TButtonPen* BLine;
    TButtonPen* BAxis;
    TCheckBox* CBFullRepaint;
    TButton* BCenter;
    TButton* BEndPoint;
    TComboBox* CBHandStyle;
    // "Labels".
    TEdit* EFormat;
    TEdit* SEIncrement;
    TUpDown* UDIncrement;
    TCheckBox* CBShowLabels;
    TButton* BFont;
    TCheckBox* CBInside;
    // "Ticks".
    TEdit* SEMinimum;
    TUpDown* UDMinimum;
    TEdit* SEMaximum;
    TUpDown* UDMaximum;
    TButtonPen* BTicks;
    TButtonPen* BMinor;
    TEdit* SEMinorCount;
    TUpDown* UDMinorCount;
    TEdit* SETickLength;
    TUpDown* UDTickLength;
    TEdit* SEMinorLength;
    TUpDown* UDMinorLength;
    TEdit* SEMinorDistance;
    TUpDown* UDMinorDistance;

protected:
    void DoShow() override;

private:
    void BuildOptionsPage();
    void BuildLabelsPage();
    void BuildTicksPage();
    void BindSeries();
    void BindAxis();
    void ConnectHandlers();
    void LoadSeries();
    TChartAxis* Axis() const;
    // Neither end of the range can be stepped past the other.
    void LimitRange(int minimum, int maximum);

    TGaugeSeries* FSeries = nullptr;
    TCircledSeriesEditor* FCircledEditor = nullptr;
};
