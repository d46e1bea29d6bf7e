#pragma once
// The controls the series-type editors build again and again.
#include <initializer_list>
#include <string>

class TComboFlat;
class TForm;
class TObject;
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

// The point-marker editor of pointer as the "Point" page of the series page that owns editor,
// watched by editor so that it knows when the page goes.
TForm* AddPointPage(TForm* editor, TObject* pointer);
// A page an editor added and watches, as the editor made it (see AddPointPage).
TForm* WatchSubPage(TForm* editor, TForm* page);
// Frees a page an editor added (null: nothing); the editor's watch clears its reference.
void FreeSubPage(TForm* page);

// The whole number the user typed in the up-down's edit, when it is one within the up-down's
// range; a partial or out-of-range text gives none, so that retyping a number writes nothing
// until it is complete.
bool UpDownValue(const TUpDown& upDown, int& value);
