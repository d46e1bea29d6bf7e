#pragma once
// The dial gauge's editor: the scaled gauges' pages, and on "Options" the scale's total and
// rotation angles, the hand's distance from the rim and reach behind the centre, the hand,
// centre cap and end point, and where and how the labels go. The dial's own "&Hand..." takes the
// place of the scaled gauges' one.
#include "chart/series/gauge/LinearGaugeEditor.h"

class TCircularGauge;

class TCircularGaugeEditor : public TLinearGaugeEditor {
    KV_DECLARE_CLASS(TCircularGaugeEditor, TLinearGaugeEditor)
public:
    explicit TCircularGaugeEditor(TComponent* owner);
    ~TCircularGaugeEditor() override;

    TCircularGauge* Dial() const;

    TEdit* ETotalAngle;
    TUpDown* UDTotalAngle;
    TEdit* EHandDistance;
    TUpDown* UDHandDistance;
    TEdit* EHandOffset;
    TUpDown* UDHandOffset;
    TEdit* ERotation;
    TUpDown* UDRotation;
    TButton* BDialHand;
    TButton* BCenter;
    TButton* BEndPoint;
    TCheckBox* CBLabelsInside;
    TCheckBox* CBRotateLabels;
    TCheckBox* CBCircled;

protected:
    void DoShow() override;

private:
    void BuildControls();
    void BindProperties();
};
