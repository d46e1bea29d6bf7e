#pragma once
// Lists several editor pages share, and the list moves of the selection panels.
#include <initializer_list>

class TBitmap;
class TControl;
class TForm;
class TListBox;
class TObject;
class TStrings;
class TWinControl;

// Appends the value formats the format lists offer, the library's default first.
void AddValueFormatPresets(TStrings& list);

// Places the form centred on its owner when it has one, else on the screen.
void CenterEditorForm(TForm& form);

// Makes form a borderless page of parent, its Tag the edited object, and shows it (its OnShow
// loads it); the page starts at most 4 pixels down and parent's visibility is kept.
void EmbedTaggedEditorForm(TForm& form, TWinControl& parent, TObject* edited);
inline void EmbedEditorForm(TForm& form, TWinControl& parent) {
    EmbedTaggedEditorForm(form, parent, nullptr);
}

// The first item of the list whose object is object; -1 when none is.
int IndexOfItemObject(const TStrings& items, const TObject* object);

// Shows or hides every control of the list.
void SetControlsVisible(bool visible, std::initializer_list<TControl*> controls);

// The bitmaps of the move-up and move-down buttons; each stays empty when its resource is absent.
void LoadArrowBitmaps(TBitmap& up, TBitmap& down);

// Appends the selected items of source, text and object, to target in order, then removes them
// from source.
void MoveSelectedItems(TListBox& source, TListBox& target);
// Appends every item of source, text and object, to target in order, then clears source.
void MoveAllItems(TStrings& source, TStrings& target);
