#pragma once
// What the series-type editors share when they build and read their controls.
#include <string>

class TEdit;
class TPageControl;
class TTabSheet;
class TUpDown;

// A new last page of pages, captioned.
TTabSheet* AddEditorPage(TPageControl* pages, const std::string& caption);

// The whole number the user typed in the up-down's edit, when it is one within the up-down's
// range; a partial or out-of-range text gives none, so that retyping a number writes nothing
// until it is complete.
bool UpDownValue(const TUpDown& upDown, int& value);
