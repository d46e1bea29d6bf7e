#pragma once
// The user's settings for the labels of one axis: what they show, how values are written, and
// how much room and what step they take. Plain values, copied whole when an axis is assigned.
#include <string>

// What the labels of an axis show. talAuto decides from the series on the axis.
enum TAxisLabelStyle { talAuto, talNone, talValue, talMark, talText };
// Which edge of the label band vertical labels align to.
enum TAxisLabelAlign { alDefault, alOpposite };

// The library's default number format of value labels.
inline constexpr const char* DefaultAxisValuesFormat = "#,##0.###";

struct TAxisLabelOptions {
    std::string AxisValuesFormat = DefaultAxisValuesFormat;
    // Empty: a format chosen from the working range.
    std::string DateTimeFormat;
    // Calendar-exact stepping and alignment of date-time labels.
    bool ExactDateTime = true;
    TAxisLabelAlign LabelsAlign = alDefault;
    // Labels alternate between two rows; the step is halved.
    bool LabelsAlternate = false;
    // Degrees, kept modulo 360 (a negative angle stays negative).
    int LabelsAngle = 0;
    bool LabelsExponent = false;
    // Spaces in a label become line breaks.
    bool LabelsMultiLine = false;
    // Value labels also at the very ends of the axis.
    bool LabelsOnAxis = true;
    // Percent of a label's size kept free between labels; 0 switches the overlap test and the
    // step search off.
    int LabelsSeparation = 10;
    // Fixed pixel depth of the label band; 0 means measured.
    int LabelsSize = 0;
    TAxisLabelStyle LabelStyle = talAuto;
    // The first value label is a whole multiple of the step.
    bool RoundFirstLabel = true;
    // Ticks only where a label is drawn.
    bool TickOnLabelsOnly = true;

    bool operator==(const TAxisLabelOptions&) const = default;
};
