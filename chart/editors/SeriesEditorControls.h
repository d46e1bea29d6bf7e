#pragma once
// The controls the series-type editors build again and again.
#include <initializer_list>

class TComboFlat;
class TTrackBar;
class TUpDown;
class TWinControl;

// A flat drop-down list of the items, none selected.
TComboFlat* MakeFlatCombo(TWinControl* parent, int left, int top, int width,
                          std::initializer_list<const char*> items);
// A transparency slider: 0 to 100 percent, a tick every 10.
TTrackBar* MakeTransparencyBar(TWinControl* parent, int left, int top, int width);

// The position an up-down stands at as its edit shows it: the number typed there brought into
// Min..Max, or the last position when the text is not a whole number.
int UpDownPosition(const TUpDown& upDown);
