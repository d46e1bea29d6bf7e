#pragma once
// What the price functions' options forms share: reading an edit that goes with an up-down, a
// number typed as text, and the list of volume series a function may read.
#include "chart/editors/EditorControls.h"

class TBaseFunctionEditor;
class TChartSeries;
class TComboBox;
class TEdit;
class TUpDown;

// The number typed in the up-down's edit, within its range, becomes its position; text that
// is no whole number leaves the position as it was. Returns the position.
int EditedPosition(TUpDown& upDown);
// The edit's number, or current when its text is not a number.
double EditedFloat(const TEdit& edit, double current);
// An up-down edit with a caption, each change enabling Apply.
TUpDownEdit MakeFunctionUpDown(TBaseFunctionEditor* form, int top, const char* caption, int min,
                               int max, int initial);
// A plain edit with a caption, each change enabling Apply.
TEdit* MakeFunctionEdit(TBaseFunctionEditor* form, int top, const char* caption,
                        const std::string& text);
// "(none)" and then the series of the function's chart other than its own series, each with
// its series; selects volume ("(none)" for none).
void FillVolumeCombo(TComboBox& combo, const TBaseFunctionEditor& form, TChartSeries* volume);
// The series of the selected item; none for "(none)" or no selection.
TChartSeries* SelectedVolume(const TComboBox& combo);
