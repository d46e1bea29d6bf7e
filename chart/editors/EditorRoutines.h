#pragma once
// Lists several editor pages share, and the list moves of the selection panels.
#include <initializer_list>
#include <string>

class TBitmap;
class TClassInfo;
class TComboBox;
class TControl;
class TPicture;
class TForm;
class TListBox;
class TObject;
class TStrings;
class TWinControl;

// Appends the value formats the format lists offer, the library's default first.
void AddValueFormatPresets(TStrings& list);

// Places the form centred on its owner when it has one, else on the screen.
void CenterEditorForm(TForm& form);

// The form at the top of control's parent chain (control itself when it is a top-level form);
// control itself when that top is no form; null for null.
TControl* OwnerFormOf(TControl* control);

// Gives a new form the shape of an editor dialog: no alignment, centred on its owner (on the
// screen without one) and a dialog border.
void ShapeEditorDialog(TForm& form);

// A new, unshown dialog of the form class, owned by the form of control (none for null), centred
// on its owner and with a dialog border. The caller shows it modally and frees it (or the owner
// frees it with itself).
TForm* CreateEditorDialog(const TClassInfo& formClass, TControl* control);
// The same for a form class known here. It constructs T itself rather than through T's class
// info: a form class that declares no class info of its own would otherwise be made as its
// ancestor and handed back as a T it is not.
template <class T>
T* CreateEditorDialog(TControl* control) {
    T* form = new T(OwnerFormOf(control));
    ShapeEditorDialog(*form);
    return form;
}

// Rescales an embedded form to its enclosing form's pixels per inch. Every form of this window
// layer is laid out at the screen's fixed pixels per inch, so the two never differ and nothing
// is rescaled; the routine is kept so that embedding reads the same everywhere.
void ScaleToParentForm(TForm& form);

// Makes form a borderless page of parent, its Tag the edited object, and shows it (its OnShow
// loads it); the page starts at most 4 pixels down and parent's visibility is kept.
void EmbedTaggedEditorForm(TForm& form, TWinControl& parent, TObject* edited);
inline void EmbedEditorForm(TForm& form, TWinControl& parent) {
    EmbedTaggedEditorForm(form, parent, nullptr);
}

// The first item of the list whose object is object; -1 when none is.
int IndexOfItemObject(const TStrings& items, const TObject* object);

// Asks a Yes/No question with the default cursor showing; with a control, the box's top-left
// corner is 20 pixels right of and 30 below the control's client origin. True for Yes.
bool ConfirmDialog(const std::string& message, TControl* control);
// "Delete <name> ?"
bool ConfirmDelete(const std::string& name, TControl* control);

// The cursor named "cr" + name, or defaultCursor when no name table knows it ("TeeHand" is the
// library's hand cursor).
int NameToCursor(int defaultCursor, const std::string& name);
// Fills combo with every cursor name without its "cr" prefix, then "TeeHand", and selects the
// name of cursor (nothing when it has no name).
void FillCursorCombo(TComboBox& combo, int cursor);
// The cursor's image at the system cursor size, or an empty picture when the screen has none.
void CursorToPicture(int cursor, TPicture& picture);

// Shows or hides every control of the list.
void SetControlsVisible(bool visible, std::initializer_list<TControl*> controls);

// The bitmaps of the move-up and move-down buttons; each stays empty when its resource is absent.
void LoadArrowBitmaps(TBitmap& up, TBitmap& down);

// Appends the selected items of source, text and object, to target in order, then removes them
// from source.
void MoveSelectedItems(TListBox& source, TListBox& target);
// Appends every item of source, text and object, to target in order, then clears source.
void MoveAllItems(TStrings& source, TStrings& target);
