#include "chart/engine/AxisItems.h"
#include "chart/engine/ChartAxis.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/TeeFont.h"
#include "platform/classes/Publisher.h"

namespace {

template <class V>
void SetLabelSetting(TChartAxis& axis, V& field, const V& value) {
    if (field == value) return;
    field = value;
    if (axis.Host()) axis.Host()->AxisChanged(axis);
}

const TEnumInfo& LabelAlignNames() {
    static const TEnumInfo names{"alDefault", "alOpposite"};
    return names;
}

const TEnumInfo& LabelStyleNames() {
    static const TEnumInfo names{"talAuto", "talNone", "talValue", "talMark", "talText"};
    return names;
}

}  // namespace

bool TChartAxis::Labels() const { return FItems->Format()->Visible(); }
void TChartAxis::SetLabels(bool value) { FItems->Format()->SetVisible(value); }
TTeeFont* TChartAxis::LabelsFont() const { return FItems->Format()->Font(); }
void TChartAxis::SetLabelsFont(const TTeeFont* value) { FItems->Format()->Font()->Assign(value); }

void TChartAxis::SetAxisValuesFormat(const std::string& value) {
    SetLabelSetting(*this, FLabels.AxisValuesFormat, value);
}
void TChartAxis::SetDateTimeFormat(const std::string& value) {
    SetLabelSetting(*this, FLabels.DateTimeFormat, value);
}
void TChartAxis::SetExactDateTime(bool value) {
    SetLabelSetting(*this, FLabels.ExactDateTime, value);
}
void TChartAxis::SetLabelsAlign(TAxisLabelAlign value) {
    SetLabelSetting(*this, FLabels.LabelsAlign, value);
}
void TChartAxis::SetLabelsAlternate(bool value) {
    SetLabelSetting(*this, FLabels.LabelsAlternate, value);
}
void TChartAxis::SetLabelsAngle(int value) {
    // C++'s remainder keeps the sign, as the angle setting does: -90 stays -90.
    SetLabelSetting(*this, FLabels.LabelsAngle, value % 360);
}
void TChartAxis::SetLabelsExponent(bool value) {
    SetLabelSetting(*this, FLabels.LabelsExponent, value);
}
void TChartAxis::SetLabelsMultiLine(bool value) {
    SetLabelSetting(*this, FLabels.LabelsMultiLine, value);
}
void TChartAxis::SetLabelsOnAxis(bool value) {
    SetLabelSetting(*this, FLabels.LabelsOnAxis, value);
}
void TChartAxis::SetLabelsSeparation(int value) {
    if (value < 0) throw AxisException(TxtLabelsSeparationMustBeGreaterThan);
    SetLabelSetting(*this, FLabels.LabelsSeparation, value);
}
void TChartAxis::SetLabelsSize(int value) { SetLabelSetting(*this, FLabels.LabelsSize, value); }
void TChartAxis::SetLabelStyle(TAxisLabelStyle value) {
    SetLabelSetting(*this, FLabels.LabelStyle, value);
}
void TChartAxis::SetRoundFirstLabel(bool value) {
    SetLabelSetting(*this, FLabels.RoundFirstLabel, value);
}
void TChartAxis::SetTickOnLabelsOnly(bool value) {
    SetLabelSetting(*this, FLabels.TickOnLabelsOnly, value);
}

void TChartAxis::PublishLabels(TPublisher<TChartAxis>& p) {
    p.String("AxisValuesFormat", &TChartAxis::AxisValuesFormat, &TChartAxis::SetAxisValuesFormat)
        .Stored([](const TChartAxis& a) { return a.AxisValuesFormat() != TxtDefaultValueFormat; });
    p.String("DateTimeFormat", &TChartAxis::DateTimeFormat, &TChartAxis::SetDateTimeFormat)
        .Default(std::string());
    p.Boolean("ExactDateTime", &TChartAxis::ExactDateTime, &TChartAxis::SetExactDateTime)
        .Default(true);
    p.Enumeration("LabelsAlign", LabelAlignNames(), &TChartAxis::LabelsAlign,
                  &TChartAxis::SetLabelsAlign)
        .Default(alDefault);
    p.Boolean("Labels", &TChartAxis::Labels, &TChartAxis::SetLabels).Default(true);
    p.Object("LabelsFont", &TChartAxis::LabelsFont, &TChartAxis::SetLabelsFont);
    p.Boolean("LabelsAlternate", &TChartAxis::LabelsAlternate, &TChartAxis::SetLabelsAlternate)
        .Default(false);
    p.Integer("LabelsAngle", &TChartAxis::LabelsAngle, &TChartAxis::SetLabelsAngle).Default(0);
    p.Boolean("LabelsExponent", &TChartAxis::LabelsExponent, &TChartAxis::SetLabelsExponent)
        .Default(false);
    p.Boolean("LabelsMultiLine", &TChartAxis::LabelsMultiLine, &TChartAxis::SetLabelsMultiLine)
        .Default(false);
    p.Boolean("LabelsOnAxis", &TChartAxis::LabelsOnAxis, &TChartAxis::SetLabelsOnAxis)
        .Default(true);
    p.Integer("LabelsSeparation", &TChartAxis::LabelsSeparation, &TChartAxis::SetLabelsSeparation)
        .Default(10);
    p.Integer("LabelsSize", &TChartAxis::LabelsSize, &TChartAxis::SetLabelsSize).Default(0);
    p.Enumeration("LabelStyle", LabelStyleNames(), &TChartAxis::LabelStyle,
                  &TChartAxis::SetLabelStyle)
        .Default(talAuto);
    p.Boolean("RoundFirstLabel", &TChartAxis::RoundFirstLabel, &TChartAxis::SetRoundFirstLabel)
        .Default(true);
    p.Boolean("TickOnLabelsOnly", &TChartAxis::TickOnLabelsOnly, &TChartAxis::SetTickOnLabelsOnly)
        .Default(true);
}
