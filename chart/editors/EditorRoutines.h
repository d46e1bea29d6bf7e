#pragma once
// Lists several editor pages share, and the list moves of the selection panels.
#include <initializer_list>

class TBitmap;
class TControl;
class TForm;
class TListBox;
class TStrings;

// Appends the value formats the format lists offer, the library's default first.
void AddValueFormatPresets(TStrings& list);

// Places the form centred on its owner when it has one, else on the screen.
void CenterEditorForm(TForm& form);

// Shows or hides every control of the list.
void SetControlsVisible(bool visible, std::initializer_list<TControl*> controls);

// The bitmaps of the move-up and move-down buttons; each stays empty when its resource is absent.
void LoadArrowBitmaps(TBitmap& up, TBitmap& down);

// Appends the selected items of source, text and object, to target in order, then removes them
// from source.
void MoveSelectedItems(TListBox& source, TListBox& target);
// Appends every item of source, text and object, to target in order, then clears source.
void MoveAllItems(TStrings& source, TStrings& target);
