#pragma once
// The editor of the scaled gauges, on top of the gauge editor's pages. On "Options": the value
// area and the maximum indicator of the linear gauge (when the gauge has them) and the hand.
// Page "Axis": "Ticks" (range, major and minor ticks, the scale line), "Labels" (format, font,
// visibility) and "Title" (the axis editor's title page on the scale axis). Pages "Green Line"
// and "Red Line": each colour range's start, end, style and visibility.
#include "chart/series/gauge/NumericGaugeEditor.h"

class TButtonPen;
class TCustomGaugeMinMax;
class TFormTeeAxis;
class TGaugePointerRange;

class TLinearGaugeEditor : public TNumericGaugeEditor {
    KV_DECLARE_CLASS(TLinearGaugeEditor, TNumericGaugeEditor)
public:
    explicit TLinearGaugeEditor(TComponent* owner);
    ~TLinearGaugeEditor() override;

    TCustomGaugeMinMax* ScaledGauge() const;

    TButton* BValueArea;
    TButton* BMaxIndicator;
    TButton* BHand;

    TTabSheet* TabAxis;
    TPageControl* PageAxis;
    TTabSheet* TabTicks;
    TTabSheet* TabLabels;
    TTabSheet* TabTitle;
    TEdit* EMaximum;
    TEdit* EMinimum;
    TButton* BTicks;
    TEdit* ETickSize;
    TUpDown* UDTickSize;
    TEdit* EMinorDistance;
    TUpDown* UDMinorDistance;
    TButton* BMinorTicks;
    TEdit* EMinorCount;
    TUpDown* UDMinorCount;
    TEdit* EMinorSize;
    TUpDown* UDMinorSize;
    TButtonPen* BAxisPen;
    TEdit* EFormat;
    TButton* BLabelsFont;
    TCheckBox* CBLabels;

    // One page per colour range.
    struct TRangeControls {
        TTabSheet* Tab;
        TEdit* EStart;
        TUpDown* UDStart;
        TEdit* EEnd;
        TUpDown* UDEnd;
        TButton* BStyle;
        TCheckBox* CBVisible;
    };
    TRangeControls Green{};
    TRangeControls Red{};

protected:
    void DoShow() override;

private:
    void BuildOptionsButtons();
    void BuildAxisPage();
    TRangeControls BuildRangePage(const char* caption);
    void BindProperties();
    void ConnectHandlers();
    void ConnectRange(const TRangeControls& controls,
                      TGaugePointerRange* (TCustomGaugeMinMax::*range)() const);
    void LoadControls();

    TFormTeeAxis* FAxisEditor = nullptr;
};
